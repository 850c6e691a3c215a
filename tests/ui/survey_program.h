#pragma once
// The whole program as the executable wires it, opened at the input form in one language, with
// its survey desk at hand; and measurement points written as the input form's actions.

#include "app/program.h"
#include "model/survey.h"
#include "ui/shell/app_state.h"
#include "ui/shell/windows.h"
#include "ui/survey/recovery_file.h"
#include "ui/survey/register.h"
#include "ui/survey/survey_session.h"
#include "ui/survey/survey_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

namespace kalvora::ui::test {

struct SurveyProgram
{
    AppState state;
    Windows windows;
    SurveyDesk *desk = nullptr;

    explicit SurveyProgram(model::Language language)
    {
        state.setLanguage(language);
        registerProgramWindows(state, windows);
        desk = windows.findChild<SurveyDesk *>();
        windows.open(WindowId::InputForm);
        QCoreApplication::processEvents(); // the form's first look for a survey left behind
    }

    SurveySession &session() const { return desk->session(); }
    QWidget *form() const { return windows.window(WindowId::InputForm); }
    SurveyWindow *surveyWindow()
    {
        return qobject_cast<SurveyWindow *>(windows.open(WindowId::Survey));
    }
    QTableView *table()
    {
        return surveyWindow()->findChild<QTableView *>(QStringLiteral("points"));
    }
};

/// A point named name: the start values of the input form, then each action: "Método_i" ticks
/// method i, "group=option" selects an option ("Radsolar=0"), "field=text" types a field.
inline model::MeasurementPoint point(const QString &name, const QStringList &actions)
{
    model::MeasurementPoint made;
    made.name = name.toStdString();
    for (const QString &action : actions) {
        const QString key = action.section(QLatin1Char('='), 0, 0);
        const QString value = action.section(QLatin1Char('='), 1);
        if (key.startsWith(QStringLiteral("Método_"))) {
            made.input.setMethod(static_cast<model::Method>(key.mid(7).toInt()), true);
            continue;
        }
        const std::pair<const char *, model::OptionGroup> groups[] = {
            { "Radiacion", model::OptionGroup::Radiacion },
            { "humedad", model::OptionGroup::humedad },
            { "Radsolar", model::OptionGroup::Radsolar },
            { "postura", model::OptionGroup::postura },
        };
        bool found = false;
        for (const auto &[groupName, group] : groups)
            if (key == QLatin1String(groupName)) {
                made.input.select(group, value.toInt());
                found = true;
            }
        for (int i = 0; i < model::kFieldCount && !found; ++i)
            if (key == QLatin1String(model::InputParameters::name(static_cast<model::Field>(i)))) {
                made.input.setText(static_cast<model::Field>(i), value.toStdString());
                found = true;
            }
        if (!found)
            qFatal("unknown action %s", qPrintable(action));
    }
    return made;
}

/// Keeps the program's files of this test run (recovery files, recent surveys) apart from a
/// user's, and starts with none.
inline void useTestFolders()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(RecoveryFile::folder()).removeRecursively();
}

} // namespace kalvora::ui::test
