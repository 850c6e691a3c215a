#include "model/input_parameters.h"
#include "model/option_boxes.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

using namespace kalvora::model;

namespace {

constexpr Field kAllFields[] = { Field::Metabolismo, Field::Taseco, Field::Iclo, Field::vaire,
    Field::tglobo, Field::TRMedia, Field::tbhn, Field::HR, Field::tbh, Field::pa };
constexpr OptionGroup kAllGroups[]
    = { OptionGroup::Radiacion, OptionGroup::humedad, OptionGroup::Radsolar, OptionGroup::postura };

InputParameters withMethods(std::initializer_list<Method> on)
{
    InputParameters input;
    for (Method m : on)
        input.setMethod(m, true);
    return input;
}

std::vector<Field> enabledFields(const InputParameters &input)
{
    std::vector<Field> fields;
    for (Field f : kAllFields)
        if (input.enabled(f))
            fields.push_back(f);
    return fields;
}

std::vector<OptionGroup> enabledGroups(const InputParameters &input)
{
    std::vector<OptionGroup> groups;
    for (OptionGroup g : kAllGroups)
        if (input.groupEnabled(g))
            groups.push_back(g);
    return groups;
}

TEST(InputParameters, StartsAsAFreshlyOpenedForm)
{
    const InputParameters input;
    const char *texts[] = { "85", "18", "0.7", "0.15", "20", "20", "16", "65", "17", "1.5" };
    for (int f = 0; f < kFieldCount; ++f) {
        SCOPED_TRACE(InputParameters::name(kAllFields[f]));
        EXPECT_EQ(input.text(kAllFields[f]), texts[f]);
        EXPECT_FALSE(input.enabled(kAllFields[f]));
    }
    EXPECT_FALSE(input.anyMethod());
    EXPECT_TRUE(enabledGroups(input).empty());
    EXPECT_EQ(input.selected(OptionGroup::Radiacion), 0);
    EXPECT_EQ(input.selected(OptionGroup::humedad), 0);
    EXPECT_EQ(input.selected(OptionGroup::Radsolar), 1);
    EXPECT_EQ(input.selected(OptionGroup::postura), 1);
    EXPECT_DOUBLE_EQ(input.value(Field::Iclo), 0.7);
}

TEST(InputParameters, EnablesExactlyTheInputsOfTheMethodsOn)
{
    using F = Field;
    using G = OptionGroup;
    struct Row
    {
        std::initializer_list<Method> on;
        std::vector<Field> fields;
        std::vector<OptionGroup> groups;
    };
    const Row rows[] = {
        { { Method::Pmv }, { F::Metabolismo, F::Taseco, F::Iclo, F::vaire, F::tglobo, F::HR },
            { G::Radiacion, G::humedad } },
        { { Method::Hsi }, { F::Metabolismo, F::Taseco, F::Iclo, F::vaire, F::tglobo, F::HR },
            { G::Radiacion, G::humedad } },
        { { Method::Wbgt }, { F::Metabolismo, F::Taseco, F::vaire, F::tglobo, F::tbhn },
            { G::Radiacion, G::Radsolar } },
        { { Method::SwReq }, { F::Metabolismo, F::Taseco, F::Iclo, F::vaire, F::tglobo, F::HR },
            { G::Radiacion, G::humedad, G::postura } },
        { { Method::Wci }, { F::Metabolismo, F::Taseco, F::vaire }, {} },
        { { Method::Ireq }, { F::Metabolismo, F::Taseco, F::Iclo, F::vaire, F::tglobo, F::HR },
            { G::Radiacion, G::humedad } },
        { { Method::Wci, Method::Wbgt },
            { F::Metabolismo, F::Taseco, F::vaire, F::tglobo, F::tbhn },
            { G::Radiacion, G::Radsolar } },
        { { Method::Pmv, Method::Hsi, Method::Wbgt, Method::SwReq, Method::Wci, Method::Ireq },
            { F::Metabolismo, F::Taseco, F::Iclo, F::vaire, F::tglobo, F::tbhn, F::HR },
            { G::Radiacion, G::humedad, G::Radsolar, G::postura } },
    };
    for (const Row &r : rows) {
        const InputParameters input = withMethods(r.on);
        SCOPED_TRACE(testing::Message()
            << "first method on " << static_cast<int>(*r.on.begin()) << " of " << r.on.size());
        EXPECT_EQ(enabledFields(input), r.fields);
        EXPECT_EQ(enabledGroups(input), r.groups);
    }
}

TEST(InputParameters, OptionBoxesFollowTheSelectionWhileTheirGroupIsEnabled)
{
    // Radiacion(1) chosen under PMV stays the radiation input when WBGT joins and PMV leaves.
    InputParameters input = withMethods({ Method::Pmv });
    input.select(OptionGroup::Radiacion, 1);
    input.setMethod(Method::Wbgt, true);
    input.setMethod(Method::Pmv, false);
    EXPECT_TRUE(input.enabled(Field::TRMedia));
    EXPECT_FALSE(input.enabled(Field::tglobo));

    // humedad(2) under SWreq: unticking disables all three boxes, ticking again enables pa only.
    input = withMethods({ Method::SwReq });
    input.select(OptionGroup::humedad, 2);
    input.setMethod(Method::SwReq, false);
    EXPECT_TRUE(enabledFields(input).empty());
    EXPECT_FALSE(input.groupEnabled(OptionGroup::humedad));
    input.setMethod(Method::SwReq, true);
    EXPECT_FALSE(input.enabled(Field::HR));
    EXPECT_FALSE(input.enabled(Field::tbh));
    EXPECT_TRUE(input.enabled(Field::pa));
}

TEST(OptionBoxes, EachOptionNamesItsBoxAndOnlyTheGroupsOptionsExist)
{
    // The option tables of the input set: Radiacion 0 tglobo, 1 TRMedia; humedad 0 HR, 1 tbh,
    // 2 pa. Selecting an option enables its box alone; an index past the last box is ignored.
    struct Row
    {
        Field box;
        OptionGroup group;
        int option;
        Field sibling;
    };
    const Row rows[] = {
        { Field::tglobo, OptionGroup::Radiacion, 0, Field::TRMedia },
        { Field::TRMedia, OptionGroup::Radiacion, 1, Field::tglobo },
        { Field::HR, OptionGroup::humedad, 0, Field::pa },
        { Field::tbh, OptionGroup::humedad, 1, Field::HR },
        { Field::pa, OptionGroup::humedad, 2, Field::tbh },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(InputParameters::name(r.box));
        const std::optional<BoxOption> box = boxOption(r.box);
        ASSERT_TRUE(box.has_value());
        EXPECT_EQ(box->group, r.group);
        EXPECT_EQ(box->option, r.option);
        InputParameters input = withMethods({ Method::Pmv, Method::Wbgt });
        input.select(r.group, r.option);
        EXPECT_EQ(selectedBox(input, r.group), r.box);
        EXPECT_TRUE(input.enabled(r.box));
        EXPECT_FALSE(input.enabled(r.sibling));
    }
    for (const Field f :
        { Field::Metabolismo, Field::Taseco, Field::Iclo, Field::vaire, Field::tbhn })
        EXPECT_FALSE(boxOption(f).has_value()) << InputParameters::name(f);

    InputParameters input;
    input.select(OptionGroup::Radiacion, 1);
    input.select(OptionGroup::Radiacion, 2);
    input.select(OptionGroup::humedad, 2);
    input.select(OptionGroup::humedad, 3);
    EXPECT_EQ(input.selected(OptionGroup::Radiacion), 1);
    EXPECT_EQ(input.selected(OptionGroup::humedad), 2);
}

TEST(InputParameters, SwitchingEverythingOffKeepsTextsAndSelections)
{
    InputParameters input = withMethods({ Method::Hsi });
    input.setText(Field::Taseco, "31,2");
    input.select(OptionGroup::postura, 2);
    input.select(OptionGroup::postura, 3); // no such option: ignored
    input.select(OptionGroup::Radsolar, -1);
    input.setMethod(Method::Hsi, false);
    EXPECT_TRUE(enabledFields(input).empty());
    EXPECT_EQ(input.text(Field::Taseco), "31,2");
    EXPECT_EQ(input.value(Field::Taseco), 31);
    EXPECT_EQ(input.selected(OptionGroup::postura), 2);
    EXPECT_EQ(input.selected(OptionGroup::Radsolar), 1);
}

} // namespace

namespace {

// The number of a field is read when its text is set: it must follow every new text, start at
// the start text's number, and travel with a copy of the input set.
TEST(InputParameters, NumberFollowsTheTextSetLast)
{
    const double start[kFieldCount] = { 85, 18, 0.7, 0.15, 20, 20, 16, 65, 17, 1.5 };
    InputParameters input;
    for (int f = 0; f < kFieldCount; ++f)
        EXPECT_EQ(input.value(static_cast<Field>(f)), start[f]) << f;

    const struct
    {
        const char *text;
        double value;
    } texts[] = { { "21.5", 21.5 }, { "&H10", 16 }, { "1 2", 12 }, { "abc", 0 }, { "-3D1", -30 } };
    for (const auto &t : texts) {
        input.setText(Field::Taseco, t.text);
        const InputParameters copy = input;
        EXPECT_EQ(input.value(Field::Taseco), t.value) << t.text;
        EXPECT_EQ(copy.value(Field::Taseco), t.value) << t.text;
        EXPECT_EQ(input.value(Field::Metabolismo), 85) << t.text;
    }
}

} // namespace
