#pragma once

#include <QString>

namespace kalvora::ui {

/// Every window of the program, by what it shows.
enum class WindowId {
    CreditsSplash,
    StartScreen, ///< language choice
    InputForm,
    Hub, ///< evaluation hub: runs one evaluation and leads to every result view
    WbgtView,
    PmvView,
    WindChillView,
    HsiView, ///< heat stress index view
    SweatRateView, ///< required sweat rate view
    HelpViewer,
    ResultsSummary, ///< traffic lights and heat-balance chart
    SweepWindow, ///< air-velocity sweep
    RangesView, ///< application ranges
    ClothingSelector, ///< clothing insulation selector
    ParametersReport,
    IreqView, ///< required clothing insulation view
    Survey, ///< the measurement points of the open survey file
    SurveyReport, ///< the survey's printable report
};

/// The form name each window has always carried in the program's design documents and that
/// stays its object name, so that a window found by its design name is the one meant there.
constexpr const char *formName(WindowId id)
{
    switch (id) {
    case WindowId::CreditsSplash:
        return "FormVelsa";
    case WindowId::StartScreen:
        return "Form0";
    case WindowId::InputForm:
        return "Form1";
    case WindowId::Hub:
        return "Form2";
    case WindowId::WbgtView:
        return "Form3";
    case WindowId::PmvView:
        return "Form4";
    case WindowId::WindChillView:
        return "Form5";
    case WindowId::HsiView:
        return "Form6";
    case WindowId::SweatRateView:
        return "Form7";
    case WindowId::HelpViewer:
        return "Form8";
    case WindowId::ResultsSummary:
        return "Form10";
    case WindowId::SweepWindow:
        return "Form11";
    case WindowId::RangesView:
        return "Form12";
    case WindowId::ClothingSelector:
        return "Form13";
    case WindowId::ParametersReport:
        return "Form14";
    case WindowId::IreqView:
        return "FormIREQ";
    case WindowId::Survey:
        return "FormSurvey";
    case WindowId::SurveyReport:
        return "FormSurveyReport";
    }
    return "";
}

/// formName as the window's object name.
inline QString formObjectName(WindowId id)
{
    return QString::fromLatin1(formName(id));
}

} // namespace kalvora::ui
