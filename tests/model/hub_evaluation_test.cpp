// A point evaluated as the hub evaluates it after LOAD VALUES: refused by the loading rules, PMV
// switched off outside its range with the hub's message, stopped by an arithmetic fault.

#include "model/hub_evaluation.h"
#include "model/loading_rules.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>

using namespace kalvora::model;
using namespace kalvora::model::fixtures;

namespace {

constexpr Choice kPaGiven { OptionGroup::humedad, 2 };

TEST(EvaluateAsHub, RefusesSwitchesPmvOffAndStopsAsTheHubDoes)
{
    const InputParameters refused = inputs({ Method::Pmv }, { { Field::tglobo, "15" } });
    // Vapour pressure 5.6 kPa: outside the PMV range, and no evaporative capacity for the HSI.
    const InputParameters stopped
        = inputs({ Method::Pmv, Method::Hsi }, { { Field::pa, "5.6" } }, { kPaGiven });
    const InputParameters plain = inputs({ Method::Pmv });

    const HubEvaluation a = EvaluateAsHub(refused, Language::English);
    EXPECT_EQ(a.refusals, RefusalTexts(refused, Language::English));
    EXPECT_TRUE(a.refused());
    EXPECT_EQ(a.evaluation.ran, (std::array<bool, kMethodCount> {}));
    EXPECT_TRUE(a.messages.empty());

    const HubEvaluation b = EvaluateAsHub(stopped, Language::English);
    EXPECT_FALSE(b.refused());
    EXPECT_FALSE(b.inputsAfter(stopped).method(Method::Pmv)); // cleared as the hub clears the box
    EXPECT_TRUE(b.inputsAfter(stopped).method(Method::Hsi));
    ASSERT_TRUE(b.evaluation.fault);
    EXPECT_EQ(
        b.messages, (std::vector<std::string> { pmvRangeMessage(Language::English), b.faultText }));
    EXPECT_EQ(b.faultText, faultMessage(*b.evaluation.fault, Language::English));

    // One record reused point after point holds only the last point's evaluation.
    HubEvaluation reused = b;
    EvaluateAsHub(plain, Language::English, reused);
    EXPECT_EQ(reused.inputsAfter(plain), plain); // PMV no longer switched off
    EXPECT_TRUE(reused.messages.empty());
    EXPECT_TRUE(reused.faultText.empty());
    EXPECT_FALSE(reused.evaluation.fault);
    EXPECT_EQ(reused.results.IVM, EvaluateAsHub(plain, Language::English).results.IVM);
    EvaluateAsHub(inputs({ Method::Wbgt }), Language::English, reused);
    ASSERT_NE(reused.results.WBGT, 0.0);
    EvaluateAsHub(plain, Language::English, reused);
    EXPECT_EQ(reused.results.WBGT, 0.0); // not left from the point before
}

} // namespace
