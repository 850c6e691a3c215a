#include "cli_app.h"

#include "batch.h"
#include "evaluation_json.h"
#include "evaluation_text.h"
#include "input_options.h"
#include "model/sweep.h"
#include "point_evaluation.h"
#include "sweep_report.h"

#include <CLI/CLI.hpp>
#include <fstream>
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
    PointSpec point;
    std::string lang = "es";
    std::string format = "json";
    std::string file;
    std::string output;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());

    Language language() const { return lang == "en" ? Language::English : Language::Spanish; }
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
            "all); they decide "
            "which inputs are read")
        ->type_name("LIST");
    addLanguage(command, request);
}

void addFormat(CLI::App &command, Request &request, const std::vector<std::string> &formats)
{
    std::string names;
    for (const std::string &format : formats)
        names += (names.empty() ? "" : "|") + format;
    command.add_option("--format", request.format, "output format: " + names + " (default json)")
        ->check(CLI::IsMember(formats).description(""))
        ->type_name(names);
}

/// Reads the point and evaluates it; refusals and unreadable values end the command here.
std::optional<PointOutcome> evaluatePoint(const Request &request, std::ostream &err, int &status)
{
    model::InputParameters input;
    try {
        input = BuildInput(request.point, kOptionSpelling);
    } catch (const InputError &error) {
        err << "kalvora-cli: " << error.what() << '\n';
        status = kUsage;
        return std::nullopt;
    }
    PointOutcome outcome = EvaluatePoint(input, request.language());
    if (outcome.refused()) {
        for (const std::string &text : outcome.refusals)
            err << text << '\n';
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
    int status = kDone;
    const std::optional<PointOutcome> outcome = evaluatePoint(request, err, status);
    if (!outcome)
        return status;
    if (request.format == "text")
        out << EvaluationText(*outcome, request.language());
    else
        out << EvaluationJson(*outcome).dump(2) << '\n';
    return status;
}

int runSweep(const Request &request, std::ostream &out, std::ostream &err)
{
    int status = kDone;
    const std::optional<PointOutcome> outcome = evaluatePoint(request, err, status);
    if (!outcome || status != kDone)
        return status;
    const model::Sweep sweep = model::AirVelocitySweep(outcome->input, outcome->results);
    if (sweep.fault) {
        err << model::faultMessage(*sweep.fault, request.language()) << '\n';
        return kFault;
    }
    if (request.format == "csv")
        out << SweepCsv(sweep);
    else if (request.format == "text")
        out << SweepText(sweep, request.language());
    else
        out << SweepJson(sweep).dump(2) << '\n';
    return kDone;
}

int runBatch(const Request &request, std::istream &in, std::ostream &out, std::ostream &err)
{
    std::ifstream file;
    if (request.file != "-") {
        file.open(request.file, std::ios::binary);
        if (!file) {
            err << "kalvora-cli: batch: cannot open '" << request.file << "'\n";
            return kUsage;
        }
    }
    std::ofstream output;
    if (!request.output.empty()) {
        output.open(request.output, std::ios::binary | std::ios::trunc);
        if (!output) {
            err << "kalvora-cli: batch: cannot write '" << request.output << "'\n";
            return kUsage;
        }
    }
    const BatchOptions options { request.language(), request.threads };
    return RunBatch(file.is_open() ? file : in, output.is_open() ? output : out, err, options);
}

} // namespace

int RunCli(
    int argc, const char *const *argv, std::istream &in, std::ostream &out, std::ostream &err)
{
    CLI::App app("Thermal environment of a workplace: PMV/PPD, heat stress index, WBGT, required "
                 "sweat rate, "
                 "wind chill and required clothing insulation, computed as the desktop program "
                 "computes them.",
        "kalvora-cli");
    app.set_version_flag("--version", "kalvora-cli " KALVORA_VERSION, "print the version and exit");
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 done, 1 batch with invalid rows, 2 usage error, unreadable value or inputs "
        "refused by the loading rules, 3 an arithmetic fault ended the evaluation.\n");
    Request request;

    CLI::App *evaluate = app.add_subcommand("evaluate", "evaluate one measurement point");
    addPointOptions(*evaluate, request);
    addFormat(*evaluate, request, { "json", "text" });
    evaluate->footer(
        "Numbers are read strictly (18, -0.5, 1.5e2; no comma decimals). Text output rounds to two "
        "decimals as the result views do, with ',' grouping thousands and '.' as decimal point.\n");

    CLI::App *sweep = app.add_subcommand(
        "sweep", "recompute the chosen methods for sixteen air velocities, 0.05 to 2.5 m/s");
    addPointOptions(*sweep, request);
    addFormat(*sweep, request, { "json", "csv", "text" });

    CLI::App *batch = app.add_subcommand("batch",
        "evaluate every line of a CSV file; columns M, ta, clo, va, tg, tr, tnw, rh, tw, pa, "
        "solar, posture, methods "
        "(methods separated by ';' or '|'); a missing column or empty cell takes the default of "
        "evaluate");
    batch
        ->add_option(
            "FILE", request.file, "CSV file of measurement points, or - for standard input")
        ->required()
        ->type_name("FILE|-");
    batch
        ->add_option(
            "-o,--output", request.output, "write the result CSV to OUT instead of standard output")
        ->type_name("OUT");
    batch
        ->add_option("--threads", request.threads,
            "evaluating threads (default: the number of cores, " + std::to_string(request.threads)
                + ")")
        ->check(CLI::Range(1u, 256u))
        ->type_name("N");
    addLanguage(*batch, request);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp &help) {
        return app.exit(help, out, err);
    } catch (const CLI::CallForAllHelp &help) {
        return app.exit(help, out, err);
    } catch (const CLI::CallForVersion &version) {
        return app.exit(version, out, err);
    } catch (const CLI::ParseError &error) {
        err << "kalvora-cli: " << error.what() << '\n';
        return kUsage;
    }

    try {
        if (evaluate->parsed())
            return runEvaluate(request, out, err);
        if (sweep->parsed())
            return runSweep(request, out, err);
        return runBatch(request, in, out, err);
    } catch (const std::exception &error) {
        err << "kalvora-cli: " << error.what() << '\n';
        return kUsage;
    }
}

} // namespace kalvora::cli
