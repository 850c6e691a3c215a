#include "cli/input_options.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace kalvora::cli {
namespace {

using model::Field;
using model::Method;
using model::OptionGroup;

PointInputs pointWith(std::initializer_list<std::pair<Field, const char *>> numbers)
{
    PointInputs point;
    for (const auto &[field, text] : numbers)
        point.numbers[static_cast<std::size_t>(field)] = text;
    return point;
}

TEST(BuildInput, SelectsTheRadiationAndHumidityInputThatIsGiven)
{
    struct Row
    {
        const char *name;
        PointInputs point;
        int radiation, humidity;
        std::vector<Field> enabled, disabled;
    };
    const Row rows[] = {
        { "defaults", {}, 0, 0, { Field::tglobo, Field::HR },
            { Field::TRMedia, Field::tbh, Field::pa } },
        { "tr", pointWith({ { Field::TRMedia, "25" } }), 1, 0, { Field::TRMedia },
            { Field::tglobo } },
        { "tr with tg", pointWith({ { Field::TRMedia, "25" }, { Field::tglobo, "30" } }), 1, 0,
            { Field::TRMedia }, { Field::tglobo } },
        { "tw", pointWith({ { Field::tbh, "15" } }), 0, 1, { Field::tbh },
            { Field::HR, Field::pa } },
        { "pa", pointWith({ { Field::pa, "1.2" } }), 0, 2, { Field::pa },
            { Field::HR, Field::tbh } },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const model::InputParameters input = BuildInput(row.point, kOptionSpelling);
        EXPECT_EQ(input.selected(OptionGroup::Radiacion), row.radiation);
        EXPECT_EQ(input.selected(OptionGroup::humedad), row.humidity);
        for (Field field : row.enabled)
            EXPECT_TRUE(input.enabled(field)) << model::InputParameters::name(field);
        for (Field field : row.disabled)
            EXPECT_FALSE(input.enabled(field)) << model::InputParameters::name(field);
    }
}

TEST(BuildInput, KeepsGivenTextsAndStartTextsOtherwise)
{
    const model::InputParameters input = BuildInput(
        pointWith({ { Field::Taseco, "25.5" }, { Field::tglobo, "+30" } }), kOptionSpelling);
    EXPECT_EQ(input.text(Field::Taseco), "25.5");
    EXPECT_EQ(input.text(Field::tglobo), "+30");
    EXPECT_EQ(
        input.text(Field::Metabolismo), model::InputParameters::startText(Field::Metabolismo));
    EXPECT_EQ(input.selected(OptionGroup::Radsolar), 1);
    EXPECT_EQ(input.selected(OptionGroup::postura), 1);
    for (int m = 0; m < model::kMethodCount; ++m)
        EXPECT_TRUE(input.method(static_cast<Method>(m)));
}

TEST(BuildInput, WbgtAloneReadsTheGlobeEvenWithMeanRadiantGiven)
{
    PointInputs point = pointWith({ { Field::TRMedia, "25" } });
    point.methods = "wbgt";
    const model::InputParameters input = BuildInput(point, kOptionSpelling);
    EXPECT_FALSE(input.enabled(Field::tglobo));
    EXPECT_TRUE(InputUsed(input, Field::tglobo));
    EXPECT_FALSE(InputUsed(input, Field::Iclo));
    EXPECT_TRUE(InputUsed(input, Field::tbhn));
}

TEST(BuildInput, MapsChoicesAndMethodLists)
{
    PointInputs point;
    point.solar = "outdoor";
    point.posture = "crouching";
    point.methods = "wci,pmv";
    const model::InputParameters input = BuildInput(point, kOptionSpelling);
    EXPECT_EQ(input.selected(OptionGroup::Radsolar), 0);
    EXPECT_EQ(input.selected(OptionGroup::postura), 2);
    EXPECT_TRUE(input.method(Method::Pmv));
    EXPECT_TRUE(input.method(Method::Wci));
    EXPECT_FALSE(input.method(Method::Hsi));
    EXPECT_EQ(ParseMethods("pmv;ireq|hsi", kColumnSpelling),
        (MethodFlags { true, true, false, false, false, true }));
}

TEST(BuildInput, ReadsOnlyFiniteNumbersInThePlainForm)
{
    struct PlainRow
    {
        const char *text;
        std::optional<double> expected; ///< empty where the input is refused
    };
    const PlainRow rows[] = {
        { "85", 85.0 },
        { "0.7", 0.7 },
        { "-0.5", -0.5 },
        { "+18", 18.0 },
        { "-.5", -0.5 },
        { "5.", 5.0 },
        { "1e2", 100.0 },
        { "1.5E-3", 0.0015 },
        { "2e+1", 20.0 },
        { "0", 0.0 },
        { "-0", -0.0 },
        { "", std::nullopt },
        { "-", std::nullopt },
        { ".", std::nullopt },
        { "1,5", std::nullopt },
        { "18 ", std::nullopt },
        { " 18", std::nullopt },
        { "18abc", std::nullopt },
        { "1.2.3", std::nullopt },
        { "1e", std::nullopt },
        { "1e+", std::nullopt },
        { "e5", std::nullopt },
        { "1D2", std::nullopt },
        { "0x10", std::nullopt },
        { "&H10", std::nullopt },
        { "inf", std::nullopt },
        { "-infinity", std::nullopt },
        { "nan", std::nullopt },
        { "1e999", std::nullopt },
        { "-1e999", std::nullopt },
        { "1e-999", 0.0 }, // below the smallest double: zero, as strtod reads it
        { "-1e-999", 0.0 }, // the form reads every underflow as zero, without its sign
        { "1e-400", 0.0 },
        { "0.0000001e-330", 0.0 },
        { "1e-320", 1e-320 }, // subnormal, still a double
        { "100000e-330", 0.0 }, // 1e-325 is below the smallest subnormal: zero
        { "0.001e311", 1e308 }, // within range although the exponent alone is not
        { "++1", std::nullopt },
        { "+-1", std::nullopt },
        { "2 5", std::nullopt },
    };
    for (const PlainRow &row : rows) {
        SCOPED_TRACE(testing::Message() << "text '" << row.text << "'");
        std::optional<double> read;
        try {
            read = BuildInput(pointWith({ { Field::Taseco, row.text } }), kOptionSpelling)
                       .value(Field::Taseco);
        } catch (const InputError &error) {
            EXPECT_NE(std::string(error.what()).find("--ta"), std::string::npos) << error.what();
        }
        EXPECT_EQ(read, row.expected);
        if (read && row.expected) {
            EXPECT_EQ(std::signbit(*read), std::signbit(*row.expected));
        }
    }
}

TEST(BuildInput, RefusesWhatCannotBeReadNamingTheOption)
{
    struct Row
    {
        const char *name;
        PointInputs point;
        Spelling spelling;
        const char *mentions;
    };
    PointInputs twoHumidities = pointWith({ { Field::HR, "50" }, { Field::pa, "1" } });
    PointInputs badSolar;
    badSolar.solar = "sunny";
    PointInputs unknownMethod;
    unknownMethod.methods = "pmv,utci";
    PointInputs emptyMethodName;
    emptyMethodName.methods = "pmv,,hsi";
    PointInputs columnSeparatorOnCommandLine;
    columnSeparatorOnCommandLine.methods = "pmv;hsi";
    const Row rows[] = {
        { "comma decimal", pointWith({ { Field::Taseco, "18,5" } }), kOptionSpelling, "--ta" },
        { "overflow", pointWith({ { Field::vaire, "1e999" } }), kOptionSpelling, "--va" },
        { "batch column", pointWith({ { Field::Iclo, "abc" } }), kColumnSpelling, "clo:" },
        { "two humidities", twoHumidities, kOptionSpelling, "--rh" },
        { "solar", badSolar, kOptionSpelling, "--solar" },
        { "unknown method", unknownMethod, kOptionSpelling, "utci" },
        { "empty method name", emptyMethodName, kOptionSpelling, "--methods" },
        { "batch separator on the command line", columnSeparatorOnCommandLine, kOptionSpelling,
            "pmv;hsi" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        try {
            BuildInput(row.point, row.spelling);
            ADD_FAILURE() << "accepted";
        } catch (const InputError &error) {
            EXPECT_NE(std::string(error.what()).find(row.mentions), std::string::npos)
                << error.what();
        }
    }
}

} // namespace
} // namespace kalvora::cli
