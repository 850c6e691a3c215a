#include "result_columns.h"

#include "csv.h"
#include "input_options.h"
#include "printable.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace kalvora::cli {

namespace {

std::vector<ResultKey> allKeys()
{
    std::vector<ResultKey> keys;
    const auto fields = model::resultFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        keys.push_back({ ResultKey::Kind::Field, i, fields[i].name });
    const auto ratings = ratingFields();
    for (std::size_t i = 0; i < ratings.size(); ++i)
        keys.push_back({ ResultKey::Kind::Rating, i, ratings[i].name });
    keys.push_back({ ResultKey::Kind::PmvOutOfRange, 0, "pmvOutOfRange" });
    return keys;
}

/// Collects short pieces of a line in a fixed buffer and appends them to the line in blocks.
class CellBuffer
{
public:
    explicit CellBuffer(std::string &out)
        : m_out(out)
    {
    }
    CellBuffer(const CellBuffer &) = delete;
    CellBuffer &operator=(const CellBuffer &) = delete;
    ~CellBuffer() { flush(); }

    /// Room for a comma and a number; the pointer to write them at.
    char *room()
    {
        if (static_cast<std::size_t>(std::end(m_text) - m_at) < kCsvNumberRoom + 1)
            flush();
        return m_at;
    }
    void advance(char *to) { m_at = to; }

private:
    void flush()
    {
        m_out.append(m_text, static_cast<std::size_t>(m_at - m_text));
        m_at = m_text;
    }

    std::string &m_out;
    char m_text[4096];
    char *m_at = m_text;
};

char *writeWord(char *at, std::string_view word)
{
    return std::copy(word.begin(), word.end(), at);
}

} // namespace

std::span<const ResultKey> AllResultKeys()
{
    static const std::vector<ResultKey> keys = allKeys();
    return keys;
}

std::vector<ResultKey> SelectResultKeys(const std::optional<std::string> &list)
{
    const std::span<const ResultKey> all = AllResultKeys();
    if (!list)
        return { all.begin(), all.end() };
    std::vector<ResultKey> keys;
    std::string_view rest = *list;
    for (;;) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        const std::string_view name = rest.substr(0, comma);
        const auto found = std::find_if(
            all.begin(), all.end(), [&](const ResultKey &key) { return key.name == name; });
        if (found == all.end())
            throw InputError("--columns: unknown result key " + Quoted(name)
                + "; `kalvora-cli columns` lists them");
        if (std::none_of(
                keys.begin(), keys.end(), [&](const ResultKey &key) { return key.name == name; }))
            keys.push_back(*found);
        if (comma == rest.size())
            return keys;
        rest.remove_prefix(comma + 1);
    }
}

void AppendResultHeader(std::span<const ResultKey> keys, std::string &line)
{
    for (const ResultKey &key : keys)
        line.append(",").append(key.name);
}

std::optional<double> ResultValue(const ResultKey &key, const PointOutcome &outcome)
{
    switch (key.kind) {
    case ResultKey::Kind::Field: {
        const model::ResultField &field = model::resultFields()[key.index];
        return FieldShown(field, outcome) ? field.read(outcome.results) : std::nullopt;
    }
    case ResultKey::Kind::Rating: {
        const RatingField &rating = ratingFields()[key.index];
        return RatingShown(rating, outcome) ? std::optional<double>(outcome.results.*rating.member)
                                            : std::nullopt;
    }
    case ResultKey::Kind::PmvOutOfRange:
        return outcome.refused() ? std::nullopt
                                 : std::optional<double>(outcome.evaluation.pmvOutOfRange);
    }
    return std::nullopt;
}

void AppendResultCells(
    const PointOutcome *outcome, std::span<const ResultKey> keys, int precision, std::string &line)
{
    CellBuffer cells(line);
    const std::optional<ShownFields> shown
        = outcome ? std::optional<ShownFields>(*outcome) : std::nullopt;
    const auto fields = model::resultFields();
    for (const ResultKey &key : keys) {
        char *at = cells.room();
        *at++ = ',';
        if (outcome) {
            switch (key.kind) {
            case ResultKey::Kind::Field:
                if ((*shown)(fields[key.index])) {
                    if (const std::optional<double> value
                        = fields[key.index].read(outcome->results))
                        at = WriteCsvNumber(at, *value, precision);
                }
                break;
            case ResultKey::Kind::Rating: {
                const RatingField &rating = ratingFields()[key.index];
                if (RatingShown(rating, *outcome))
                    at = std::to_chars(at, at + kCsvNumberRoom, outcome->results.*rating.member)
                             .ptr;
                break;
            }
            case ResultKey::Kind::PmvOutOfRange:
                if (!outcome->refused())
                    at = writeWord(at, outcome->evaluation.pmvOutOfRange ? "true" : "false");
                break;
            }
        }
        cells.advance(at);
    }
}

} // namespace kalvora::cli
