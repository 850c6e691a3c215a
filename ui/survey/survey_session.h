#pragma once
// The survey open in this run: its points with their evaluations, the file it came from and
// whether it holds changes not yet saved. It lives for the whole run, apart from any window: the
// survey window shows it, the input form's menu opens and saves it, and it survives both.
//
// Every change goes through the undo stack (survey_edits.h), whose clean state is the saved one;
// the stack calls the editing functions below, which announce each change before and after it,
// as a Qt item model needs. Each point is evaluated when it enters or changes, exactly as the hub
// evaluates the same inputs after LOAD VALUES.

#include "model/hub_evaluation.h"
#include "model/language.h"
#include "model/survey.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <optional>
#include <vector>

namespace kalvora::ui {

class AppState;

/// The survey's own texts beside its points.
enum class SurveyDetail { Title, Site, Assessor, Measured, Notes };
inline constexpr SurveyDetail kSurveyDetails[] = { SurveyDetail::Title, SurveyDetail::Site,
    SurveyDetail::Assessor, SurveyDetail::Measured, SurveyDetail::Notes };

class SurveySession : public QObject
{
    Q_OBJECT
public:
    /// Points are evaluated in the run's language (their refusal and fault messages), which is
    /// chosen before the first point comes in.
    explicit SurveySession(const AppState &state, QObject *parent = nullptr);
    ~SurveySession() override;
    model::Language language() const;

    const model::Survey &survey() const { return m_survey; }
    int pointCount() const { return static_cast<int>(m_survey.points.size()); }
    const model::MeasurementPoint &point(int row) const { return m_survey.points.at(row); }
    const model::HubEvaluation &evaluation(int row) const { return m_evaluations.at(row); }
    const std::string &detail(SurveyDetail detail) const;

    /// The file the survey was opened from or saved to; empty for a survey never saved.
    const QString &path() const { return m_path; }
    /// The file's name, or the caption of an untitled survey.
    QString displayName() const;
    bool isModified() const;
    QUndoStack &undoStack() { return m_undo; }

    /// Replaces the whole survey (a new one, one read from a file, one restored after a crash);
    /// the undo history starts afresh. modified marks a survey that differs from its file.
    void replace(model::Survey survey, const QString &path, bool modified);
    /// Writes the survey to path (beside it, then renamed into place) and marks it saved there.
    /// Returns why it could not, and then nothing changes.
    std::optional<QString> saveAs(const QString &path);

    // Editing, for the undo stack's steps only.
    void insertPoints(int row, std::vector<model::MeasurementPoint> points);
    std::vector<model::MeasurementPoint> removePoints(int row, int count);
    void replacePoint(int row, model::MeasurementPoint point);
    void setDetail(SurveyDetail detail, std::string text);

signals:
    void aboutToReplace();
    void replaced();
    void pointsAboutToBeInserted(int first, int last);
    void pointsInserted();
    void pointsAboutToBeRemoved(int first, int last);
    void pointsRemoved();
    void pointChanged(int row);
    void detailChanged(SurveyDetail detail);
    /// The file, the name shown or the modified state changed.
    void fileStateChanged();

private:
    std::string &detailText(SurveyDetail detail);
    model::HubEvaluation evaluate(const model::MeasurementPoint &point) const;
    void reevaluateAll();

    const AppState &m_state;
    model::Survey m_survey;
    std::vector<model::HubEvaluation> m_evaluations; ///< one per point, same order
    QString m_path;
    QUndoStack m_undo;
    bool m_modifiedWithoutSteps = false; ///< a restored survey differs from its file
};

} // namespace kalvora::ui
