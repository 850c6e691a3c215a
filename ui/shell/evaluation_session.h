#pragma once
// The last evaluation of the run as the windows see it: the results record and what the
// evaluation reported (which methods ran to the end, whether PMV was switched off for its range,
// which fault stopped it). The hub's load runs the evaluation through AppState::evaluate; every
// other window only reads, through AppState::session().
//
// A window reads its values at load, only those of the last evaluation:
//     const EvaluationSession &session = m_state.session();
//     if (session.scope().finished(model::Method::Wbgt)) show(session.results().WBGT);

#include "model/evaluation.h"
#include "model/input_parameters.h"
#include "model/method_results.h"
#include "model/presentation/result_catalogue.h"

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
    /// Which values of the record are of the last evaluation (the result catalogue's rule):
    /// nothing before the first one; after it, the shared values unless a fault came before
    /// them, the values of each method that ran to the end, the ratings unless a fault stopped
    /// the evaluation.
    const model::EvaluationScope &scope() const { return m_scope; }

private:
    friend class AppState;
    model::MethodResults m_results;
    model::InputParameters m_input;
    model::Evaluation m_last;
    model::EvaluationScope m_scope;
    bool m_hasRun = false;
};

} // namespace kalvora::ui
