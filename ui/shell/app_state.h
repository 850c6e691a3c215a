#pragma once
// What the program keeps beyond any one window: the input set (mirrored by the input form), the
// evaluation session (the results record and what the last evaluation reported, written by the
// hub's load, surviving the hub window), the pages of the last help request, the language of the
// run and the summary's flag `cont`.
// Windows read it when they load.

#include "evaluation_session.h"
#include "model/input_parameters.h"
#include "model/language.h"

#include <QObject>
#include <array>
#include <functional>
#include <string>

class QWidget;

namespace kalvora::ui {

/// Pages the help viewer shows next: npag of pagina[0..4].
struct HelpRequest
{
    int npag = 0;
    std::array<std::string, 5> pagina;
};

class AppState : public QObject
{
    Q_OBJECT
public:
    explicit AppState(QObject *parent = nullptr);

    const model::InputParameters &input() const { return m_input; }
    /// Every change of the input set goes through here so the input form can mirror it.
    void setText(model::Field field, const std::string &text);
    void setMethod(model::Method method, bool on);
    void select(model::OptionGroup group, int option);
    const HelpRequest &helpRequest() const { return m_help; }
    void setHelpRequest(const HelpRequest &request);

    /// Runs one evaluation over the input set into the session's record and keeps its report.
    /// Only the hub's load calls it.
    const model::Evaluation &evaluate();
    const EvaluationSession &session() const { return m_session; }
    const model::MethodResults &results() const { return m_session.results(); }

    model::Language language() const { return m_language; }
    void setLanguage(model::Language language) { m_language = language; }

    /// What must be settled before the input form closes and the run's work with it (a survey
    /// with unsaved changes): it runs `leave` at once, after asking, or not at all.
    using LeaveCheck = std::function<void(QWidget *parent, std::function<void()> leave)>;
    void setLeaveCheck(LeaveCheck check) { m_leaveCheck = std::move(check); }
    /// Runs the leave check, or `leave` at once when there is none.
    void beforeLeaving(QWidget *parent, std::function<void()> leave) const;

    /// 1 when a method view was opened from the results summary.
    int cont() const { return m_cont; }
    void setCont(int cont) { m_cont = cont; }

signals:
    /// A method flag or an option selection changed: enabled states are to be re-applied.
    void enablingChanged();
    void textChanged(model::Field field);
    /// A new help request was written: an open help viewer shows it.
    void helpRequested();

private:
    model::InputParameters m_input;
    HelpRequest m_help;
    EvaluationSession m_session;
    model::Language m_language = model::Language::Spanish;
    int m_cont = 0;
    LeaveCheck m_leaveCheck;
};

} // namespace kalvora::ui
