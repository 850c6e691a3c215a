#pragma once
// One measurement point evaluated the way the desktop loads its hub: the loading step's refusal
// rules first, then the evaluation, with PMV switched off when its inputs leave its range.

#include "model/evaluation.h"
#include "model/hub_evaluation.h"
#include "model/input_parameters.h"
#include "model/language.h"
#include "model/method_results.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kalvora::cli {

/// The hub's evaluation of the inputs as stated.
struct PointOutcome : model::HubEvaluation
{
    model::InputParameters given; ///< the inputs as stated

    /// The shared values were computed (no refusal, no fault before the first method).
    bool sharedDone() const;
};

PointOutcome EvaluatePoint(const model::InputParameters &input, model::Language language);

/// Evaluates outcome.given into outcome, reusing the storage the outcome already holds; a batch
/// evaluates its rows one after another through one outcome.
void EvaluateGiven(PointOutcome &outcome, model::Language language);

/// Whether a value of the record belongs to this outcome: shared values once computed, the
/// fields of methods that ran, dentrangIVM whenever PMV was selected.
bool FieldShown(const model::ResultField &field, const PointOutcome &outcome);

/// FieldShown for one outcome, with what every field's answer shares looked up once.
class ShownFields
{
public:
    explicit ShownFields(const PointOutcome &outcome);

    bool operator()(const model::ResultField &field) const
    {
        return m_shared
            && (!field.method || m_ran[static_cast<std::size_t>(*field.method)]
                || (m_pmvGiven && field.read == m_alwaysWithPmv));
    }

private:
    bool m_shared;
    std::array<bool, model::kMethodCount> m_ran;
    bool m_pmvGiven;
    std::optional<double> (*m_alwaysWithPmv)(const model::MethodResults &);
};

/// The rating of one method, under its record name.
struct RatingField
{
    const char *name;
    model::Method method;
    std::int16_t model::MethodResults::*member;
};
std::span<const RatingField> ratingFields();

/// Ratings are written at the end of a completed evaluation, for the methods that ran.
bool RatingShown(const RatingField &rating, const PointOutcome &outcome);

} // namespace kalvora::cli
