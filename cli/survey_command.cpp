#include "survey_command.h"

#include "batch_row.h"
#include "csv.h"
#include "evaluation_json.h"
#include "evaluation_text.h"
#include "export_command.h"
#include "printable.h"

#include <algorithm>
#include <future>

namespace kalvora::cli {

namespace {

using nlohmann::ordered_json;

/// One point of the file, in file order: read, or the reason it could not be.
struct Entry
{
    const model::MeasurementPoint *point;
    const model::UnreadablePoint *unreadable;
};

std::vector<Entry> entriesInOrder(const model::SurveyReading &reading)
{
    const std::vector<model::MeasurementPoint> &points = reading.survey->points;
    std::vector<Entry> entries;
    entries.reserve(points.size() + reading.unreadable.size());
    auto point = points.begin();
    auto unreadable = reading.unreadable.begin();
    while (point != points.end() || unreadable != reading.unreadable.end()) {
        if (unreadable != reading.unreadable.end() && unreadable->index == entries.size())
            entries.push_back({ nullptr, &*unreadable++ });
        else
            entries.push_back({ &*point++, nullptr });
    }
    return entries;
}

/// What a thread keeps from point to point, so that evaluating one allocates little.
struct Scratch
{
    PointOutcome outcome;
    std::string message;
};

class PointWriter
{
public:
    explicit PointWriter(const SurveyOutput &options)
        : m_options(options)
        , m_keys(options.chosen ? *options.chosen : SelectResultKeys(std::nullopt))
        , m_header(PointColumnsHeader())
        , m_noCells(
              static_cast<std::size_t>(std::count(m_header.begin(), m_header.end(), ',')), ',')
    {
    }

    std::string header(const model::Survey &survey) const
    {
        if (m_options.format == "json")
            return "{\n  \"title\": " + ordered_json(survey.title).dump() + ",\n  \"points\": [";
        if (m_options.format == "text")
            return {};
        std::string line = m_header + ",status,message";
        AppendResultHeader(m_keys, line);
        return line + '\n';
    }

    std::string footer(bool empty) const
    {
        if (m_options.format != "json")
            return {};
        return empty ? "]\n}\n" : "\n  ]\n}\n";
    }

    void append(const Entry &entry, bool first, Scratch &scratch, std::string &out) const
    {
        if (entry.point) {
            scratch.outcome.given = entry.point->input;
            EvaluateGiven(scratch.outcome, m_options.language);
        }
        if (m_options.format == "json")
            appendJson(entry, first, scratch, out);
        else if (m_options.format == "text")
            appendText(entry, first, scratch, out);
        else
            appendCsv(entry, scratch, out);
    }

private:
    void appendCsv(const Entry &entry, Scratch &scratch, std::string &out) const
    {
        const PointOutcome *outcome = nullptr;
        if (entry.point) {
            outcome = &scratch.outcome;
            AppendPointCells(*entry.point, out);
            out += ',';
            out += OutcomeStatus(*outcome);
            OutcomeMessage(*outcome, scratch.message);
        } else {
            // No cell of a point that could not be read is trusted: the message says where.
            out += m_noCells;
            out += ",invalid";
            scratch.message = entry.unreadable->message;
        }
        AppendCsvCell(out, scratch.message, false);
        AppendResultCells(outcome, m_keys, m_options.precision, out);
        out += '\n';
    }

    void appendJson(const Entry &entry, bool first, Scratch &scratch, std::string &out) const
    {
        ordered_json object = ordered_json::object();
        object["name"] = entry.point ? ordered_json(entry.point->name) : ordered_json(nullptr);
        if (!entry.point) {
            object["status"] = "invalid";
            object["messages"] = ordered_json::array({ entry.unreadable->message });
        } else if (scratch.outcome.refused()) {
            object["status"] = "refused";
            object["messages"] = scratch.outcome.refusals;
        } else {
            object["status"] = OutcomeStatus(scratch.outcome);
            ordered_json evaluation = EvaluationJson(scratch.outcome, m_keys, m_options.precision);
            for (auto &[key, value] : evaluation.items())
                object[key] = std::move(value);
        }
        // Each point indented inside the points array.
        std::string text = object.dump(2);
        out += first ? "\n    " : ",\n    ";
        for (const char c : text) {
            out += c;
            if (c == '\n')
                out += "    ";
        }
    }

    void appendText(const Entry &entry, bool first, Scratch &scratch, std::string &out) const
    {
        out += first ? "" : "\n";
        if (!entry.point) {
            out += "(" + entry.unreadable->message + ")\n";
            return;
        }
        out += Printable(entry.point->name) + '\n';
        if (scratch.outcome.refused()) {
            for (const std::string &text : scratch.outcome.refusals)
                out += "  " + text + '\n';
            return;
        }
        out += EvaluationText(
            scratch.outcome, m_options.language, m_options.chosen, m_options.precision);
    }

    const SurveyOutput &m_options;
    std::vector<ResultKey> m_keys;
    std::string m_header; ///< the point's columns
    std::string m_noCells; ///< the point's columns left empty
};

} // namespace

int WriteSurveyResults(
    const model::SurveyReading &reading, std::ostream &out, const SurveyOutput &options)
{
    // Points are evaluated a block at a time, the block shared among the threads, so that the
    // output waiting to be written stays small whatever the survey's length.
    constexpr std::size_t kBlock = 4096;
    const std::vector<Entry> entries = entriesInOrder(reading);
    const PointWriter writer(options);
    const std::size_t threads = std::max(1u, options.threads);
    std::vector<Scratch> scratches(threads);
    std::vector<std::string> texts(threads);
    out << writer.header(*reading.survey);
    for (std::size_t start = 0; start < entries.size(); start += kBlock) {
        const std::size_t end = std::min(entries.size(), start + kBlock);
        const std::size_t share = (end - start + threads - 1) / threads;
        const auto work = [&](std::size_t t) {
            const std::size_t from = std::min(end, start + t * share);
            const std::size_t to = std::min(end, from + share);
            for (std::size_t i = from; i < to; ++i)
                writer.append(entries[i], i == 0, scratches[t], texts[t]);
        };
        std::vector<std::future<void>> others;
        for (std::size_t t = 1; t < threads; ++t)
            others.push_back(std::async(std::launch::async, work, t));
        work(0);
        for (std::future<void> &other : others)
            other.get();
        for (std::string &text : texts) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
    }
    out << writer.footer(entries.empty());
    return reading.unreadable.empty() ? 0 : 1;
}

} // namespace kalvora::cli
