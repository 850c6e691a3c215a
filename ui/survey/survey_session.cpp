#include "survey_session.h"

#include "model/survey_file.h"
#include "survey_captions.h"
#include "ui/shell/app_state.h"

#include <QFileInfo>

namespace kalvora::ui {

SurveySession::SurveySession(const AppState &state, QObject *parent)
    : QObject(parent)
    , m_state(state)
{
    connect(&m_undo, &QUndoStack::cleanChanged, this, &SurveySession::fileStateChanged);
}

SurveySession::~SurveySession()
{
    // The stack's own end is no change of the survey: a survey that ends with the program
    // unsaved (a crash, a program stopped from outside) keeps its recovery file.
    disconnect(&m_undo, nullptr, this, nullptr);
}

model::Language SurveySession::language() const
{
    return m_state.language();
}

const std::string &SurveySession::detail(SurveyDetail detail) const
{
    return const_cast<SurveySession *>(this)->detailText(detail);
}

std::string &SurveySession::detailText(SurveyDetail detail)
{
    switch (detail) {
    case SurveyDetail::Title:
        return m_survey.title;
    case SurveyDetail::Site:
        return m_survey.site;
    case SurveyDetail::Assessor:
        return m_survey.assessor;
    case SurveyDetail::Measured:
        return m_survey.measured;
    case SurveyDetail::Notes:
        break;
    }
    return m_survey.notes;
}

QString SurveySession::displayName() const
{
    if (m_path.isEmpty())
        return pick(surveyCaption(SurveyText::Untitled), language());
    return QFileInfo(m_path).fileName();
}

bool SurveySession::isModified() const
{
    return m_modifiedWithoutSteps || !m_undo.isClean();
}

void SurveySession::replace(model::Survey survey, const QString &path, bool modified)
{
    emit aboutToReplace();
    m_undo.clear();
    m_survey = std::move(survey);
    m_path = path;
    m_modifiedWithoutSteps = modified;
    reevaluateAll();
    emit replaced();
    emit fileStateChanged();
}

std::optional<QString> SurveySession::saveAs(const QString &path)
{
    if (const std::optional<std::string> error
        = model::SaveSurveyFile(m_survey, path.toStdString()))
        return QString::fromStdString(*error);
    m_path = QFileInfo(path).absoluteFilePath();
    m_modifiedWithoutSteps = false;
    m_undo.setClean();
    emit fileStateChanged();
    return std::nullopt;
}

void SurveySession::insertPoints(int row, std::vector<model::MeasurementPoint> points)
{
    if (points.empty())
        return;
    const int count = static_cast<int>(points.size());
    emit pointsAboutToBeInserted(row, row + count - 1);
    std::vector<model::HubEvaluation> evaluations;
    evaluations.reserve(points.size());
    for (const model::MeasurementPoint &point : points)
        evaluations.push_back(evaluate(point));
    m_survey.points.insert(m_survey.points.begin() + row, std::make_move_iterator(points.begin()),
        std::make_move_iterator(points.end()));
    m_evaluations.insert(m_evaluations.begin() + row, std::make_move_iterator(evaluations.begin()),
        std::make_move_iterator(evaluations.end()));
    emit pointsInserted();
}

std::vector<model::MeasurementPoint> SurveySession::removePoints(int row, int count)
{
    emit pointsAboutToBeRemoved(row, row + count - 1);
    const auto first = m_survey.points.begin() + row;
    std::vector<model::MeasurementPoint> removed(
        std::make_move_iterator(first), std::make_move_iterator(first + count));
    m_survey.points.erase(first, first + count);
    m_evaluations.erase(m_evaluations.begin() + row, m_evaluations.begin() + row + count);
    emit pointsRemoved();
    return removed;
}

void SurveySession::replacePoint(int row, model::MeasurementPoint point)
{
    m_evaluations.at(row) = evaluate(point);
    m_survey.points.at(row) = std::move(point);
    emit pointChanged(row);
}

void SurveySession::setDetail(SurveyDetail detail, std::string text)
{
    detailText(detail) = std::move(text);
    emit detailChanged(detail);
}

model::HubEvaluation SurveySession::evaluate(const model::MeasurementPoint &point) const
{
    return model::EvaluateAsHub(point.input, language());
}

void SurveySession::reevaluateAll()
{
    m_evaluations.clear();
    m_evaluations.reserve(m_survey.points.size());
    for (const model::MeasurementPoint &point : m_survey.points)
        m_evaluations.push_back(evaluate(point));
}

} // namespace kalvora::ui
