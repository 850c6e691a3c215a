#pragma once
// The last evaluation of the run as the windows see it: the results record and what the
// evaluation reported (which methods ran to the end, whether PMV was switched off for its range,
// which fault stopped it). The hub's load runs the evaluation through AppState::evaluate; every
// other window only reads, through AppState::session().
//
// A method view reads its values at load:
//     const EvaluationSession &session = m_state.session();
//     if (session.ran(model::Method::Wbgt)) show(session.results().WBGT);

#include "model/evaluation.h"
#include "model/input_parameters.h"
#include "model/method_results.h"

namespace kalvora::ui {

class EvaluationSession
{
public:
    /// The record: every field 0 until the first evaluation; afterwards, as Evaluate leaves it
    /// (a method that did not run keeps the values of the last evaluation in which it ran).
    const model::MethodResults &results() const { return m_results; }
    /// True once an evaluation has run in this program run.
    bool hasRun() const { return m_hasRun; }
    /// The input set as the last evaluation read it (its flags, options, enabled states and
    /// texts), whatever the input form holds since; all off and disabled before the first one.
    const model::InputParameters &input() const { return m_input; }
    /// What the last evaluation reported; all false and empty before the first one.
    const model::Evaluation &last() const { return m_last; }
    /// Whether method ran to the end in the last evaluation, so its fields are of this evaluation.
    bool ran(model::Method method) const { return m_last.ran[static_cast<int>(method)]; }

private:
    friend class AppState;
    model::MethodResults m_results;
    model::InputParameters m_input;
    model::Evaluation m_last;
    bool m_hasRun = false;
};

} // namespace kalvora::ui
