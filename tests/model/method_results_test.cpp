#include "model/method_results.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace kalvora::model;

namespace {

TEST(ResultFields, ListEveryRealFieldOnceUnderItsMethod)
{
    MethodResults results;
    results.pvap = 1.3405;
    results.WBGT = 17.2;
    results.DLEap = -1;
    results.DLE3.reset();
    results.TEP = 15.68;

    struct Row
    {
        const char *name;
        std::optional<Method> method;
        std::optional<double> value;
    };
    const Row rows[] = {
        { "pvap", std::nullopt, 1.3405 },
        { "dentrangIVM", Method::Pmv, 0.0 },
        { "TEP", Method::Hsi, 15.68 },
        { "WBGT", Method::Wbgt, 17.2 },
        { "DLEap", Method::SwReq, -1.0 },
        { "tch", Method::Wci, 0.0 },
        { "DLE3", Method::Ireq, std::nullopt },
        { "tcloIREQ", Method::Ireq, 0.0 },
    };
    const auto fields = resultFields();
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const auto found = std::find_if(fields.begin(), fields.end(),
            [&](const ResultField &f) { return std::string(f.name) == r.name; });
        ASSERT_NE(found, fields.end());
        EXPECT_EQ(found->method, r.method);
        EXPECT_EQ(found->read(results), r.value);
    }

    std::set<std::string> names;
    for (const ResultField &f : fields)
        names.insert(f.name);
    EXPECT_EQ(names.size(), fields.size());
    // 7 shared, 11 PMV, 8 HSI, 1 WBGT, 30 SWreq, 2 WCI, 15 IREQ.
    EXPECT_EQ(fields.size(), 74u);
    EXPECT_STREQ(fields.front().name, "var");
    EXPECT_STREQ(fields.back().name, "tcloIREQ");
}

} // namespace
