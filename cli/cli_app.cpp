#include "cli_app.h"

#include "batch.h"
#include "evaluation_csv.h"
#include "evaluation_json.h"
#include "evaluation_text.h"
#include "export_command.h"
#include "import_command.h"
#include "input_options.h"
#include "model/survey_file.h"
#include "model/sweep.h"
#include "output_file.h"
#include "point_evaluation.h"
#include "printable.h"
#include "survey_command.h"
#include "sweep_report.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <set>
#include <sys/stat.h>
#include <thread>

namespace kalvora::cli {

using model::Language;

namespace {

constexpr int kDone = 0;
constexpr int kUsage = 2;
constexpr int kFault = 3;

/// Everything the subcommands read from the command line.
struct Request
{
    PointOptions point;
    std::string lang = "es";
    std::string format = "json";
    std::string file;
    std::string output;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::optional<std::string> columns;
    std::optional<int> precision;
    bool quiet = false;
    std::string surveyFormat = "csv";
    std::string title;

    Language language() const { return lang == "en" ? Language::English : Language::Spanish; }
    int decimals() const { return precision.value_or(kShortest); }
};

void addLanguage(CLI::App &command, Request &request)
{
    command
        .add_option(
            "--lang", request.lang, "language of the program's messages: es or en (default es)")
        ->check(CLI::IsMember({ "es", "en" }).description(""))
        ->type_name("es|en");
}

void addPointOptions(CLI::App &command, Request &request)
{
    for (const NumericInput &input : numericInputs()) {
        const std::string start = input.hasDefault
            ? std::string("default ") + model::InputParameters::startText(input.field)
            : std::string("not given by default");
        command
            .add_option(std::string("--") + input.name,
                request.point.numbers[static_cast<std::size_t>(input.field)],
                std::string(input.meaning) + ", " + input.unit + " (" + start + ")")
            ->type_name("NUMBER");
    }
    command
        .add_option("--solar", request.point.solar,
            "solar load: outdoor (with) or indoor (without) (default indoor)")
        ->type_name("outdoor|indoor");
    command
        .add_option("--posture", request.point.posture,
            "working posture: standing, seated or crouching (default seated)")
        ->type_name("POSTURE");
    command
        .add_option("--methods", request.point.methods,
            "methods to run, a comma list of pmv, hsi, wbgt, swreq, wci, ireq, or all (default "
            "all); they decide which inputs are read")
        ->type_name("LIST");
    addLanguage(command, request);
}

/// --format among formats, the first being the default.
void addFormat(CLI::App &command, std::string &format, const std::vector<std::string> &formats)
{
    std::string names;
    for (const std::string &name : formats)
        names += (names.empty() ? "" : "|") + name;
    format = formats.front();
    command
        .add_option(
            "--format", format, "output format: " + names + " (default " + formats.front() + ")")
        ->check(CLI::IsMember(formats).description(""))
        ->type_name(names);
}

void addResultChoice(CLI::App &command, Request &request, const std::string &keys)
{
    command
        .add_option("--columns", request.columns, "only these result keys, in this order: " + keys)
        ->type_name("KEY,...");
    command
        .add_option("--precision", request.precision,
            "write results with N decimals (0 to 17) instead of the shortest form that reads back "
            "to the same number")
        ->check(CLI::Range(0, 17))
        ->type_name("N");
}

/// Reads the point and evaluates it; refusals and unreadable values end the command here.
std::optional<PointOutcome> evaluatePoint(const Request &request, std::ostream &err, int &status)
{
    const PointInputs point = Viewed(request.point);
    model::InputParameters input;
    try {
        input = BuildInput(point, kOptionSpelling);
    } catch (const InputError &error) {
        err << "kalvora-cli: " << error.what() << '\n';
        status = kUsage;
        return std::nullopt;
    }
    PointOutcome outcome = EvaluatePoint(input, request.language());
    if (outcome.refused()) {
        for (const std::string &text : outcome.refusals)
            err << text << '\n';
        for (const std::string &note : DefaultNotes(point, input, kOptionSpelling))
            err << "kalvora-cli: " << note << '\n';
        status = kUsage;
        return std::nullopt;
    }
    for (const std::string &message : outcome.messages)
        err << message << '\n';
    status = outcome.evaluation.fault ? kFault : kDone;
    return outcome;
}

int runEvaluate(const Request &request, std::ostream &out, std::ostream &err)
{
    const std::vector<ResultKey> keys = SelectResultKeys(request.columns);
    int status = kDone;
    const std::optional<PointOutcome> outcome = evaluatePoint(request, err, status);
    if (!outcome)
        return status;
    if (request.format == "text")
        out << EvaluationText(*outcome, request.language(),
            request.columns ? std::optional(keys) : std::nullopt, request.decimals());
    else if (request.format == "csv")
        out << EvaluationCsv(*outcome, keys, request.decimals());
    else
        out << EvaluationJson(*outcome, keys, request.decimals()).dump(2) << '\n';
    return status;
}

int runSweep(const Request &request, std::ostream &out, std::ostream &err)
{
    CheckSweepColumns(request.columns);
    int status = kDone;
    const std::optional<PointOutcome> outcome = evaluatePoint(request, err, status);
    if (!outcome || status != kDone)
        return status;
    const model::Sweep sweep
        = model::AirVelocitySweep(outcome->inputsAfter(outcome->given), outcome->results);
    if (sweep.fault) {
        err << model::faultMessage(*sweep.fault, request.language()) << '\n';
        return kFault;
    }
    const SweepOutput output { request.columns, request.decimals() };
    if (request.format == "csv")
        out << SweepCsv(sweep, output);
    else if (request.format == "text")
        out << SweepText(sweep, request.language(), output);
    else
        out << SweepJson(sweep, output).dump(2) << '\n';
    return kDone;
}

/// Pads text to width characters (UTF-8: continuation bytes take no room).
std::string padded(std::string_view text, std::size_t width)
{
    const auto shown = static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    return std::string(text) + std::string(width > shown ? width - shown : 1, ' ');
}

int runColumns(const Request &request, std::ostream &out)
{
    for (const ResultKey key : AllResultKeys())
        out << padded(key->key, 15) << padded(key->unit, 10) << key->meaningIn(request.language())
            << '\n';
    return kDone;
}

/// Opens the input file of command; "-" is standard input and opens nothing. A directory, an
/// unreadable file, and an output that is the input (checked before anything is written: the
/// input would be lost) are refused with the reason on err.
bool openInput(const Request &request, std::string_view command, std::ifstream &file,
    struct stat &info, std::ostream &err)
{
    if (request.file == "-")
        return true;
    const auto cannotRead = [&](const std::string &reason) {
        err << "kalvora-cli: " << command << ": cannot read " << Quoted(request.file) << ": "
            << reason << '\n';
        return false;
    };
    if (stat(request.file.c_str(), &info) != 0)
        return cannotRead(SystemReason());
    if (S_ISDIR(info.st_mode))
        return cannotRead("it is a directory");
    if (OutputIsInput(request.file, request.output, command, err))
        return false;
    file.open(request.file, std::ios::binary);
    if (!file)
        return cannotRead(SystemReason());
    return true;
}

int runBatch(const Request &request, std::istream &in, std::ostream &out, std::ostream &err,
    bool errIsTerminal)
{
    BatchOptions options { request.language(), request.threads, SelectResultKeys(request.columns),
        request.decimals(), std::nullopt };
    std::ifstream file;
    struct stat input
    {
    };
    if (!openInput(request, "batch", file, input, err))
        return kUsage;
    if (file.is_open() && S_ISREG(input.st_mode) && errIsTerminal && !request.quiet)
        options.progressBytes = static_cast<std::uintmax_t>(input.st_size);
    std::istream &source = file.is_open() ? file : in;
    return WriteOutput(request.output, out, err, "batch", 1,
        [&](std::ostream &target) { return RunBatch(source, target, err, options); });
}

int runSurvey(const Request &request, std::ostream &out, std::ostream &err)
{
    const SurveyOutput options { request.language(), request.surveyFormat,
        request.columns ? std::optional(SelectResultKeys(request.columns)) : std::nullopt,
        request.decimals(), request.threads };
    if (OutputIsInput(request.file, request.output, "survey", err))
        return kUsage;
    return WriteOutput(request.output, out, err, "survey", 1, [&](std::ostream &target) {
        const model::SurveyReading reading = model::ReadSurveyFile(request.file);
        if (!reading.survey) {
            err << "kalvora-cli: survey: " << reading.error << '\n';
            return kUsage;
        }
        const int status = WriteSurveyResults(reading, target, options);
        target.flush();
        if (!target) {
            err << "kalvora-cli: survey: the output could not be written\n";
            return kUsage;
        }
        return status;
    });
}

int runImport(const Request &request, std::istream &in, std::ostream &out, std::ostream &err)
{
    std::ifstream file;
    struct stat input
    {
    };
    if (!openInput(request, "import", file, input, err))
        return kUsage;
    return WriteOutput(request.output, out, err, "import", kDone, [&](std::ostream &target) {
        model::Survey survey;
        survey.title = request.title;
        const int status
            = ImportPoints(file.is_open() ? file : in, err, request.language(), survey);
        if (status != kDone)
            return status;
        if (const std::optional<std::string> problem = model::WriteSurvey(survey, target)) {
            err << "kalvora-cli: import: " << *problem << '\n';
            return kUsage;
        }
        return kDone;
    });
}

int runExport(const Request &request, std::ostream &out, std::ostream &err)
{
    if (OutputIsInput(request.file, request.output, "export", err))
        return kUsage;
    const model::SurveyReading reading = model::ReadSurveyFile(request.file);
    if (!reading.survey) {
        err << "kalvora-cli: export: " << reading.error << '\n';
        return kUsage;
    }
    return WriteOutput(request.output, out, err, "export", kDone, [&](std::ostream &target) {
        const int status = ExportPoints(reading, target, err);
        target.flush();
        if (!target) {
            err << "kalvora-cli: export: the output could not be written\n";
            return kUsage;
        }
        return status;
    });
}

/// The long and short names of every option of the program, with their dashes, and of those the
/// ones that take a value.
struct OptionNames
{
    std::set<std::string> all;
    std::set<std::string> takingValue;
};

void collectNames(const CLI::App &command, OptionNames &names)
{
    for (const CLI::Option *option : command.get_options()) {
        std::vector<std::string> spelled;
        for (const std::string &name : option->get_lnames())
            spelled.push_back("--" + name);
        for (const std::string &name : option->get_snames())
            spelled.push_back("-" + name);
        for (const std::string &name : spelled) {
            names.all.insert(name);
            // A flag takes no value, whatever the size of the type it sets.
            if (option->get_items_expected_max() != 0)
                names.takingValue.insert(name);
        }
    }
    for (const CLI::App *sub : command.get_subcommands({}))
        collectNames(*sub, names);
}

/// "--ta --methods wbgt": an option followed by another option's name has no value. Empty when
/// every option that takes a value has one that is not an option name.
std::optional<std::string> missingValue(const CLI::App &app, int argc, const char *const *argv)
{
    OptionNames names;
    collectNames(app, names);
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        if (names.takingValue.count(std::string(arg)) && names.all.count(argv[i + 1]))
            return "missing value for " + std::string(arg);
    }
    return std::nullopt;
}

} // namespace

int RunCli(int argc, const char *const *argv, std::istream &in, std::ostream &out,
    std::ostream &err, bool errIsTerminal)
{
    CLI::App app("Thermal environment of a workplace: PMV/PPD, heat stress index, WBGT, required "
                 "sweat rate, wind chill and required clothing insulation, computed as the "
                 "desktop program computes them.",
        "kalvora-cli");
    app.set_version_flag("--version", "kalvora-cli " KALVORA_VERSION, "print the version and exit");
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 done, 1 batch with invalid rows, a survey point or import row that could "
        "not be read, 2 usage error, unreadable value or file, inputs refused by the loading rules "
        "or output that could not be written, 3 an arithmetic fault ended the evaluation.\n");
    Request request;
    const std::string resultKeys = "see `kalvora-cli columns` (default: every key)";

    CLI::App *evaluate = app.add_subcommand("evaluate", "evaluate one measurement point");
    addPointOptions(*evaluate, request);
    addFormat(*evaluate, request.format, { "json", "text", "csv" });
    addResultChoice(*evaluate, request, resultKeys);
    evaluate->footer(
        "Numbers are read strictly (18, -0.5, 1.5e2; no comma decimals). Text output rounds to two "
        "decimals as the result views do (or to --precision), with ',' grouping thousands and '.' "
        "as decimal point, and shows \"Unlimited\" (\"Ilimitado\") where a value marks an "
        "unlimited exposure; JSON and CSV keep the record's values. CSV writes a header and one "
        "row with the columns of a batch row.\n");

    CLI::App *sweep = app.add_subcommand(
        "sweep", "recompute the chosen methods for sixteen air velocities, 0.05 to 2.5 m/s");
    addPointOptions(*sweep, request);
    addFormat(*sweep, request.format, { "json", "csv", "text" });
    addResultChoice(*sweep, request,
        "va, var, tr, IVM, PPI, okIVM, ISC, TEP, okISC, WBGT, okWBGT, wp, SWp, DLEnaa, DLEaa, Ac, "
        "okSWreq, WCI, tch, okIVF, IREQmin, IREQneut, okIreq, code (default: every key of the "
        "chosen methods)");

    CLI::App *batch = app.add_subcommand("batch",
        "evaluate every line of a CSV file; columns M, ta, clo, va, tg, tr, tnw, rh, tw, pa, "
        "solar, posture, methods (methods separated by ';' or '|'), and name (echoed)");
    batch
        ->add_option(
            "FILE", request.file, "CSV file of measurement points, or - for standard input")
        ->required()
        ->type_name("FILE|-");
    batch
        ->add_option("-o,--output", request.output,
            "write the result CSV to OUT (- : standard output, the default); OUT is replaced only "
            "when the run ends with status 0 or 1")
        ->type_name("OUT|-");
    batch
        ->add_option("--threads", request.threads,
            "evaluating threads (default: the number of cores, " + std::to_string(request.threads)
                + ")")
        ->check(CLI::Range(1u, 256u))
        ->type_name("N");
    addResultChoice(*batch, request, resultKeys);
    batch->add_flag("-q,--quiet", request.quiet,
        "no progress line (shown on a terminal while a file is read: percent read, rows, rows "
        "per second, time left)");
    addLanguage(*batch, request);
    batch->footer(
        "A column absent from the header takes the default of evaluate for every row, and the "
        "program says so once on standard error. An empty cell in a column the row's methods "
        "need makes the row invalid; an empty cell the row does not need is ignored. Output: the "
        "input cells as read, status (ok, refused, fault, invalid), message, the result keys.\n");

    CLI::App *columns = app.add_subcommand(
        "columns", "list every result key of evaluate and batch with its unit and meaning");
    addLanguage(*columns, request);

    CLI::App *survey = app.add_subcommand("survey",
        "evaluate every point of a survey file (.kalvora) as the desktop program evaluates it");
    survey->add_option("SURVEY", request.file, "survey file")->required()->type_name("SURVEY");
    addLanguage(*survey, request);
    addFormat(*survey, request.surveyFormat, { "csv", "json", "text" });
    survey
        ->add_option("-o,--output", request.output,
            "write the results to OUT (- : standard output, the default); OUT is replaced only "
            "when the run ends with status 0 or 1")
        ->type_name("OUT|-");
    addResultChoice(*survey, request, resultKeys);
    survey->footer(
        "CSV: one line per point: name, the batch input columns, status (ok, refused, fault, "
        "invalid), message, the result keys as batch writes them. JSON: the title and, per "
        "point, its name and status with the object of evaluate. Text: one block per point. A "
        "point refused or stopped by a fault gets its status and the run goes on.\n");

    CLI::App *import = app.add_subcommand(
        "import", "turn the rows of a batch input file into the points of a new survey file");
    import
        ->add_option(
            "CSV", request.file, "batch input file (name column optional), or - for standard input")
        ->required()
        ->type_name("CSV|-");
    import
        ->add_option("-o,--output", request.output,
            "the survey file to write; written only when every row was read")
        ->required()
        ->type_name("SURVEY");
    import->add_option("--title", request.title, "title of the survey (default: none)")
        ->type_name("TEXT");
    addLanguage(*import, request);
    import->footer(
        "Cells are copied as the texts of the points; without a name column the points are "
        "named \"Punto N\" (\"Point N\" with --lang en). A column absent from the header takes the "
        "default of evaluate, said once on standard error. A row batch would call invalid is "
        "named with its line, and no survey is written.\n");

    CLI::App *exporter = app.add_subcommand(
        "export", "write the points of a survey file as a batch input file, name column first");
    exporter->add_option("SURVEY", request.file, "survey file")->required()->type_name("SURVEY");
    exporter
        ->add_option("-o,--output", request.output,
            "write the CSV to CSV (- : standard output, the default); replaced only when the "
            "whole run succeeds")
        ->type_name("CSV|-");
    exporter->footer("Of the radiation and humidity inputs only the chosen one is written (and tg "
                     "while WBGT is chosen), so that batch chooses as the survey did.\n");

    int status = kUsage;
    try {
        if (const std::optional<std::string> missing = missingValue(app, argc, argv))
            throw CLI::ParseError(*missing, CLI::ExitCodes::ArgumentMismatch);
        app.parse(argc, argv);
        if (evaluate->parsed())
            status = runEvaluate(request, out, err);
        else if (sweep->parsed())
            status = runSweep(request, out, err);
        else if (columns->parsed())
            status = runColumns(request, out);
        else if (survey->parsed())
            status = runSurvey(request, out, err);
        else if (import->parsed())
            status = runImport(request, in, out, err);
        else if (exporter->parsed())
            status = runExport(request, out, err);
        else
            status = runBatch(request, in, out, err, errIsTerminal);
    } catch (const CLI::CallForHelp &help) {
        status = app.exit(help, out, err);
    } catch (const CLI::CallForAllHelp &help) {
        status = app.exit(help, out, err);
    } catch (const CLI::CallForVersion &version) {
        status = app.exit(version, out, err);
    } catch (const CLI::ParseError &error) {
        err << "kalvora-cli: " << Printable(error.what()) << '\n';
        status = kUsage;
    } catch (const std::exception &error) {
        err << "kalvora-cli: " << Printable(error.what()) << '\n';
        status = kUsage;
    }
    // Results that did not reach their reader are not a success, whatever the command did.
    if (!out.flush()) {
        if (status != kUsage) // otherwise its reason is already on err
            err << "kalvora-cli: the output could not be written\n";
        return kUsage;
    }
    return status;
}

} // namespace kalvora::cli
