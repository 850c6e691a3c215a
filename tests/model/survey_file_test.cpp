// Survey files: what is saved reads back equal, field for field and unknown keys included; what
// cannot be trusted is refused with its place named; a failed save leaves the old file as it was.

#include "model/survey_file.h"
#include "tests/scratch_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace kalvora::model;
using namespace std::string_literals;

namespace {

namespace fs = std::filesystem;

/// Two points that differ in every choice, texts as a user types them, a name with quotes,
/// control characters and non-Latin letters, and keys a later version might add.
Survey sampleSurvey()
{
    Survey survey;
    survey.title = "Panadería «La Espiga», verano";
    survey.site = "Calle Mayor 3";
    survey.assessor = "R. Núñez";
    survey.measured = "2026-07-14";
    survey.notes = "Hornos encendidos desde las 5:00.\nVentanas cerradas.";
    survey.unknownKeys["instrument"] = { { "globe", "150 mm" }, { "calibrated", "2026-01-10" } };

    MeasurementPoint oven;
    oven.name = "Oven \"front\", 1.1 m \x1b[31m 炉";
    oven.notes = "";
    oven.input.setMethod(Method::Pmv, true);
    oven.input.setMethod(Method::Wbgt, true);
    oven.input.setText(Field::Iclo, "0,7"); // the form keeps what was typed
    oven.input.setText(Field::Taseco, " 25 ");
    oven.input.setText(Field::TRMedia, "");
    oven.unknownKeys["photo"] = "oven.jpg";
    oven.unknownKeys["inputs"] = { { "tgDiameter", "0.15" } };

    MeasurementPoint yard;
    yard.name = "";
    yard.notes = "Mediodía";
    for (const Method method : kAllMethods)
        yard.input.setMethod(method, true);
    yard.input.select(OptionGroup::Radiacion, 1);
    yard.input.select(OptionGroup::humedad, 2);
    yard.input.select(OptionGroup::Radsolar, 0);
    yard.input.select(OptionGroup::postura, 2);
    yard.input.setText(Field::pa, "2.1e0");

    survey.points = { oven, yard, MeasurementPoint {} };
    return survey;
}

std::string written(const Survey &survey)
{
    std::ostringstream out;
    const std::optional<std::string> problem = WriteSurvey(survey, out);
    EXPECT_FALSE(problem) << *problem;
    return out.str();
}

std::string readAll(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

TEST(SurveyFile, ReadsBackEqualFieldForFieldUnknownKeysIncluded)
{
    const Survey survey = sampleSurvey();
    const std::string text = written(survey);
    const SurveyReading reading = ReadSurvey(text);
    ASSERT_TRUE(reading.complete()) << reading.error;
    EXPECT_EQ(*reading.survey, survey);
    EXPECT_EQ(reading.survey->points[0].input.text(Field::Iclo), "0,7");
    // Saved again, the file is byte for byte the same: nothing drifts from save to save.
    EXPECT_EQ(written(*reading.survey), text);
}

TEST(SurveyFile, PointTakesTheFormsInputSetAndGivesItBackUnchanged)
{
    InputParameters form;
    form.setMethod(Method::SwReq, true);
    form.select(OptionGroup::humedad, 1);
    form.select(OptionGroup::postura, 0);
    form.setText(Field::tbh, "17,5");
    Survey survey;
    survey.points.push_back({ "A", "", form, nlohmann::ordered_json::object() });
    const SurveyReading reading = ReadSurvey(written(survey));
    ASSERT_TRUE(reading.complete()) << reading.error;
    EXPECT_EQ(reading.survey->points[0].input, form);
}

TEST(SurveyFile, WritesTheKeysOfTheFormatInOrder)
{
    Survey survey;
    survey.title = "Bakery";
    MeasurementPoint point;
    point.name = "Oven";
    point.input.setMethod(Method::Pmv, true);
    point.input.setMethod(Method::Wbgt, true);
    survey.points.push_back(point);
    EXPECT_EQ(written(survey),
        "{\n"
        "  \"format\": \"kalvora-survey\",\n"
        "  \"version\": 1,\n"
        "  \"title\": \"Bakery\",\n"
        "  \"site\": \"\",\n"
        "  \"assessor\": \"\",\n"
        "  \"measured\": \"\",\n"
        "  \"notes\": \"\",\n"
        "  \"points\": [\n"
        "    {\n"
        "      \"name\": \"Oven\",\n"
        "      \"notes\": \"\",\n"
        "      \"methods\": [\"pmv\",\"wbgt\"],\n"
        "      \"inputs\": "
        "{\"M\":\"85\",\"ta\":\"18\",\"clo\":\"0.7\",\"va\":\"0.15\",\"tg\":\"20\","
        "\"tr\":\"20\",\"tnw\":\"16\",\"rh\":\"65\",\"tw\":\"17\",\"pa\":\"1.5\"},\n"
        "      \"radiation\": \"tg\",\n"
        "      \"humidity\": \"rh\",\n"
        "      \"solar\": \"indoor\",\n"
        "      \"posture\": \"seated\"\n"
        "    }\n"
        "  ]\n"
        "}\n");
}

TEST(SurveyFile, MissingMetadataAndPointNotesReadAsEmpty)
{
    const SurveyReading reading = ReadSurvey(R"({"format": "kalvora-survey", "version": 1,
        "points": [{"name": "P", "methods": [], "inputs": {"M": "", "ta": "", "clo": "", "va": "",
        "tg": "", "tr": "", "tnw": "", "rh": "", "tw": "", "pa": ""}, "radiation": "tr",
        "humidity": "pa", "solar": "outdoor", "posture": "standing"}]})");
    ASSERT_TRUE(reading.complete()) << reading.error;
    EXPECT_EQ(reading.survey->title, "");
    EXPECT_EQ(reading.survey->measured, "");
    EXPECT_EQ(reading.survey->points[0].notes, "");
    EXPECT_FALSE(reading.survey->points[0].input.anyMethod());
    EXPECT_EQ(reading.survey->points[0].input.selected(OptionGroup::humedad), 2);
}

/// A file whose every point key is given, with one piece replaced.
std::string withPoint(const std::string &point)
{
    return R"({"format": "kalvora-survey", "version": 1, "points": [)" + point + "]}";
}

const std::string kGoodPoint = R"({"name": "P", "notes": "", "methods": ["pmv"],
    "inputs": {"M": "85", "ta": "18", "clo": "0.7", "va": "0.15", "tg": "20", "tr": "",
    "tnw": "16", "rh": "65", "tw": "", "pa": ""},
    "radiation": "tg", "humidity": "rh", "solar": "indoor", "posture": "seated"})";

std::string goodPointWith(const std::string &from, const std::string &to)
{
    std::string point = kGoodPoint;
    point.replace(point.find(from), from.size(), to);
    return point;
}

TEST(SurveyFile, RefusesWhatItCannotTrustNamingThePlace)
{
    struct Case
    {
        const char *what;
        std::string text;
        bool wholeFile; ///< refused as a whole, or one point unreadable
        std::string message;
    };
    const std::string good = written(sampleSurvey());
    const Case cases[] = {
        { "not JSON", "Oven front, 25, 30", true,
            "not a survey file, not JSON: parse error at line 1" },
        { "truncated", good.substr(0, good.size() / 2), true, "unexpected end of input" },
        { "empty", "", true, "the file is empty" },
        { "blank", " \n\t ", true, "the file is empty" },
        { "an array", "[1, 2]", true, "not a survey file: expected an object" },
        { "format missing", R"({"version": 1, "points": []})", true, "/format: missing" },
        { "format foreign", R"({"format": "other\u001b", "version": 1, "points": []})", true,
            "/format: expected \"kalvora-survey\", got \"other\\u001b\"" },
        { "version 2", R"({"format": "kalvora-survey", "version": 2, "points": []})", true,
            "/version: written by a newer Kalvora: version 2; this one reads version 1" },
        { "version as text", R"({"format": "kalvora-survey", "version": "1", "points": []})", true,
            "/version: expected a whole number, got a string" },
        { "version 0", R"({"format": "kalvora-survey", "version": 0, "points": []})", true,
            "/version: unknown version 0" },
        { "points not an array", R"({"format": "kalvora-survey", "version": 1, "points": {}})",
            true, "/points: expected an array of points, got an object" },
        { "points missing", R"({"format": "kalvora-survey", "version": 1})", true,
            "/points: missing" },
        { "title a number",
            R"({"format": "kalvora-survey", "version": 1, "title": 3, "points": []})", true,
            "/title: expected a string, got a number" },
        { "date not ISO",
            R"({"format": "kalvora-survey", "version": 1, "measured": "14/07/2026", "points": []})",
            true, "/measured: expected a date written YYYY-MM-DD, or nothing; got '14/07/2026'" },
        { "input text a number", withPoint(goodPointWith(R"("ta": "18")", R"("ta": 18)")), false,
            "/points/0/inputs/ta: expected a string, got a number" },
        { "input missing", withPoint(goodPointWith(R"(, "pa": "")", "")), false,
            "/points/0/inputs/pa: missing" },
        { "unknown method", withPoint(goodPointWith(R"(["pmv"])", R"(["pmv", "utci\u001b"])")),
            false,
            "/points/0/methods/1: unknown method 'utci\\x1b'; known: pmv, hsi, wbgt, swreq, wci, "
            "ireq" },
        { "methods a text", withPoint(goodPointWith(R"(["pmv"])", R"("pmv")")), false,
            "/points/0/methods: expected an array of method names, got a string" },
        { "unknown option value", withPoint(goodPointWith(R"("seated")", R"("lying")")), false,
            "/points/0/posture: expected one of standing, seated, crouching, got 'lying'" },
        { "unknown radiation",
            withPoint(goodPointWith(R"("radiation": "tg")", R"("radiation": "ta")")), false,
            "/points/0/radiation: expected one of tg, tr, got 'ta'" },
        { "name missing", withPoint(goodPointWith(R"("name": "P", )", "")), false,
            "/points/0/name: missing" },
        { "point a number", withPoint("7"), false, "/points/0: expected an object, got a number" },
        { "point an array", withPoint("[]"), false, "/points/0: expected an object, got an array" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const SurveyReading reading = ReadSurvey(c.text);
        if (c.wholeFile) {
            EXPECT_FALSE(reading.survey);
            EXPECT_NE(reading.error.find(c.message), std::string::npos) << reading.error;
        } else {
            ASSERT_TRUE(reading.survey) << reading.error;
            EXPECT_TRUE(reading.survey->points.empty());
            ASSERT_EQ(reading.unreadable.size(), 1u);
            EXPECT_EQ(reading.unreadable[0].index, 0u);
            EXPECT_EQ(reading.unreadable[0].message, c.message);
        }
    }
}

TEST(SurveyFile, AnUnreadablePointLeavesTheOthersInOrder)
{
    const SurveyReading reading = ReadSurvey(withPoint(
        goodPointWith("\"P\"", "\"first\"") + ", 7, " + goodPointWith("\"P\"", "\"third\"")));
    ASSERT_TRUE(reading.survey) << reading.error;
    EXPECT_FALSE(reading.complete());
    ASSERT_EQ(reading.survey->points.size(), 2u);
    EXPECT_EQ(reading.survey->points[0].name, "first");
    EXPECT_EQ(reading.survey->points[1].name, "third");
    ASSERT_EQ(reading.unreadable.size(), 1u);
    EXPECT_EQ(reading.unreadable[0].index, 1u);
}

TEST(SurveyFile, KeepsManyPointsInOrder)
{
    constexpr std::size_t kPoints = 20000;
    Survey survey;
    for (std::size_t i = 0; i < kPoints; ++i) {
        MeasurementPoint point;
        point.name = std::to_string(i);
        survey.points.push_back(point);
    }
    const SurveyReading reading = ReadSurvey(written(survey));
    ASSERT_TRUE(reading.complete()) << reading.error;
    ASSERT_EQ(reading.survey->points.size(), kPoints);
    EXPECT_EQ(reading.survey->points.back().name, std::to_string(kPoints - 1));
}

TEST(SurveyFile, NeverWritesWhatItWouldRefuseToRead)
{
    Survey badDate;
    badDate.measured = "2026-02-30";
    Survey badText;
    badText.points.resize(2);
    badText.points[1].input.setText(Field::Taseco, "\xff\xfe");
    std::ostringstream out;
    EXPECT_EQ(WriteSurvey(badDate, out).value_or(""),
        "/measured: expected a date written YYYY-MM-DD, or nothing; got '2026-02-30'");
    EXPECT_EQ(WriteSurvey(badText, out).value_or(""), "/points/1/inputs: not UTF-8 text");
}

TEST(IsoDate, AcceptsCalendarDatesOnly)
{
    EXPECT_TRUE(IsIsoDate("2026-07-14"));
    EXPECT_TRUE(IsIsoDate("2024-02-29"));
    EXPECT_FALSE(IsIsoDate("2026-02-29"));
    EXPECT_FALSE(IsIsoDate("2026-13-01"));
    EXPECT_FALSE(IsIsoDate("2026-7-14"));
    EXPECT_FALSE(IsIsoDate("2026-07-14T10:00"));
    EXPECT_FALSE(IsIsoDate("14-07-2026"));
}

using SurveyFiles = kalvora::test::ScratchDir;

TEST_F(SurveyFiles, SavedFileReplacesTheOldOneKeepingItsPermissions)
{
    const std::string target = path("bakery.kalvora");
    std::ofstream(target) << "old";
    chmod(target.c_str(), 0640);
    ASSERT_FALSE(SaveSurveyFile(sampleSurvey(), target));
    struct stat info
    {
    };
    stat(target.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(files(), 1u);
    const SurveyReading reading = ReadSurveyFile(target);
    ASSERT_TRUE(reading.complete()) << reading.error;
    EXPECT_EQ(*reading.survey, sampleSurvey());
}

TEST_F(SurveyFiles, AFailedSaveSaysWhyAndLeavesTheOldFile)
{
    const std::string target = path("bakery.kalvora");
    std::ofstream(target) << "old";
    Survey bad = sampleSurvey();
    bad.points[1].name = "\xc3";
    EXPECT_EQ(SaveSurveyFile(bad, target).value_or(""), "/points/1/name: not UTF-8 text");
    EXPECT_EQ(readAll(target), "old");
    EXPECT_EQ(files(), 1u);
    const std::optional<std::string> nowhere
        = SaveSurveyFile(sampleSurvey(), path("missing/bakery.kalvora"));
    ASSERT_TRUE(nowhere);
    EXPECT_NE(nowhere->find("No such file or directory"), std::string::npos) << *nowhere;
}

TEST_F(SurveyFiles, FilesThatCannotBeReadAreRefusedWithTheReason)
{
    EXPECT_EQ(ReadSurveyFile(dir().string()).error,
        "cannot read '" + dir().string() + "': it is a directory");
    EXPECT_NE(ReadSurveyFile(path("none.kalvora")).error.find("No such file or directory"),
        std::string::npos);
    const std::string locked = path("locked.kalvora");
    std::ofstream(locked) << written(sampleSurvey());
    chmod(locked.c_str(), 0);
    if (geteuid() != 0) { // the superuser reads it anyway
        EXPECT_NE(ReadSurveyFile(locked).error.find("Permission denied"), std::string::npos);
    }
    const std::string notJson = path("notes.kalvora");
    std::ofstream(notJson) << "{";
    EXPECT_EQ(ReadSurveyFile(notJson).error.rfind("'" + notJson + "': not a survey file", 0), 0u);
}

TEST(SurveyFuzz, DamagedFilesNeverBreakTheReader)
{
    const std::string good = written(sampleSurvey());
    const std::string alphabet = "{}[]\":,0123456789.-eEtrufalsn \\u\n\x00\xff\xc3"s;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::string text = good;
        const unsigned damages = 1 + random() % 4;
        for (unsigned d = 0; d < damages && !text.empty(); ++d) {
            const std::size_t at = random() % text.size();
            switch (random() % 4) {
            case 0:
                text[at] = alphabet[random() % alphabet.size()];
                break;
            case 1:
                text.erase(at, 1 + random() % 8);
                break;
            case 2:
                text.insert(at, 1, alphabet[random() % alphabet.size()]);
                break;
            default:
                text.resize(at);
                break;
            }
        }
        const SurveyReading reading = ReadSurvey(text);
        EXPECT_NE(reading.survey.has_value(), !reading.error.empty());
        // JSON is refused as JSON exactly when the library's own check refuses it.
        EXPECT_EQ(reading.error.find("not JSON") != std::string::npos,
            text.find_first_not_of(" \t\r\n") != std::string::npos
                && !nlohmann::ordered_json::accept(text))
            << reading.error;
        if (!reading.survey)
            continue;
        // Whatever was read is written and read again the same.
        std::ostringstream again;
        ASSERT_FALSE(WriteSurvey(*reading.survey, again));
        const SurveyReading second = ReadSurvey(again.str());
        ASSERT_TRUE(second.complete()) << second.error;
        EXPECT_EQ(*second.survey, *reading.survey);
    }
}

} // namespace
