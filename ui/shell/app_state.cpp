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
    m_input.setMethod(method, on);
    emit enablingChanged();
}

void AppState::select(model::OptionGroup group, int option)
{
    m_input.select(group, option);
    emit enablingChanged();
}

const model::Evaluation &AppState::evaluate()
{
    m_session.m_last = model::Evaluate(m_input, m_session.m_results);
    m_session.m_hasRun = true;
    return m_session.m_last;
}

void AppState::setHelpRequest(const model::HelpRequest &request)
{
    m_input.help = request;
}

} // namespace kalvora::ui
