#pragma once
// Input sets and record look-ups shared by the evaluation and sweep tests.

#include "model/input_parameters.h"
#include "model/method_results.h"
#include "model/presentation/result_catalogue.h"

#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace kalvora::model::fixtures {

struct Text
{
    Field field;
    const char *text;
};

struct Choice
{
    OptionGroup group;
    int option;
};

/// The start inputs with the given methods on (a braced list or kAllMethods), texts replaced and
/// options chosen.
template <class Methods = std::initializer_list<Method>>
InputParameters inputs(const Methods &on, std::initializer_list<Text> texts = {},
    std::initializer_list<Choice> choices = {})
{
    InputParameters input;
    for (Method m : on)
        input.setMethod(m, true);
    for (const Text &t : texts)
        input.setText(t.field, t.text);
    for (const Choice &c : choices)
        input.select(c.group, c.option);
    return input;
}

/// A published value and the half unit of its last printed decimal.
struct Expected
{
    const char *field;
    double value;
    double tolerance;
};

inline std::optional<double> fieldOf(const MethodResults &results, const std::string &name)
{
    if (const ResultEntry *entry = findResult(name))
        return entry->read(results, Evaluation());
    ADD_FAILURE() << "no field " << name;
    return std::nullopt;
}

inline void expectFields(const MethodResults &results, std::initializer_list<Expected> expected)
{
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.field);
        const std::optional<double> value = fieldOf(results, e.field);
        ASSERT_TRUE(value.has_value());
        EXPECT_NEAR(*value, e.value, e.tolerance);
    }
}

} // namespace kalvora::model::fixtures
