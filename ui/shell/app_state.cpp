#include "app_state.h"

namespace kalvora::ui {

AppState::AppState(QObject *parent)
    : QObject(parent)
{
}

void AppState::setText(model::Field field, const std::string &text)
{
    // Only a real change is announced, so a form that mirrors the text cannot echo it forever.
    if (m_input.text(field) == text)
        return;
    m_input.setText(field, text);
    emit textChanged(field);
}

void AppState::setMethod(model::Method method, bool on)
{
    // As with texts: a form that mirrors the flags and options cannot echo them back forever.
    if (m_input.method(method) == on)
        return;
    m_input.setMethod(method, on);
    emit enablingChanged();
}

void AppState::select(model::OptionGroup group, int option)
{
    if (m_input.selected(group) == option)
        return;
    m_input.select(group, option);
    emit enablingChanged();
}

const model::Evaluation &AppState::evaluate()
{
    m_session.m_input = m_input;
    m_session.m_last = model::Evaluate(m_input, m_session.m_results);
    // Over the inputs as they were evaluated, before the hub switches PMV off for its range.
    m_session.m_scope = model::EvaluationScope(m_session.m_last, m_input);
    m_session.m_hasRun = true;
    return m_session.m_last;
}

void AppState::setHelpRequest(const HelpRequest &request)
{
    m_help = request;
    emit helpRequested();
}

void AppState::beforeLeaving(QWidget *parent, std::function<void()> leave) const
{
    if (m_leaveCheck)
        m_leaveCheck(parent, std::move(leave));
    else
        leave();
}

} // namespace kalvora::ui
