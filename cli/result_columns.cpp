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
    for (const model::ResultEntry &entry : model::resultCatalogue())
        keys.push_back(&entry);
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
    if (!list) {
        const std::span<const ResultKey> all = AllResultKeys();
        return { all.begin(), all.end() };
    }
    std::vector<ResultKey> keys;
    std::string_view rest = *list;
    for (;;) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        const std::string_view name = rest.substr(0, comma);
        const ResultKey found = model::findResult(name);
        if (!found)
            throw InputError("--columns: unknown result key " + Quoted(name)
                + "; `kalvora-cli columns` lists them");
        if (std::find(keys.begin(), keys.end(), found) == keys.end())
            keys.push_back(found);
        if (comma == rest.size())
            return keys;
        rest.remove_prefix(comma + 1);
    }
}

void AppendResultHeader(std::span<const ResultKey> keys, std::string &line)
{
    for (const ResultKey key : keys)
        line.append(",").append(key->key);
}

std::optional<double> ResultValue(const ResultKey &key, const PointOutcome &outcome)
{
    return outcome.scope().belongs(*key) ? key->read(outcome.results, outcome.evaluation)
                                         : std::nullopt;
}

void AppendResultCells(
    const PointOutcome *outcome, std::span<const ResultKey> keys, int precision, std::string &line)
{
    CellBuffer cells(line);
    const model::EvaluationScope scope = outcome ? outcome->scope() : model::EvaluationScope();
    for (const ResultKey key : keys) {
        char *at = cells.room();
        *at++ = ',';
        const std::optional<double> value
            = scope.belongs(*key) ? key->read(outcome->results, outcome->evaluation) : std::nullopt;
        if (value) {
            switch (key->kind) {
            case model::ResultKind::Value:
                at = WriteCsvNumber(at, *value, precision);
                break;
            case model::ResultKind::Rating:
                at = std::to_chars(at, at + kCsvNumberRoom, static_cast<int>(*value)).ptr;
                break;
            case model::ResultKind::Flag:
                at = writeWord(at, *value != 0 ? "true" : "false");
                break;
            }
        }
        cells.advance(at);
    }
}

} // namespace kalvora::cli
