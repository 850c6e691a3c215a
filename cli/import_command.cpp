#include "import_command.h"

#include "batch_row.h"
#include "csv.h"
#include "printable.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace kalvora::cli {

namespace {

/// A survey file is UTF-8: a cell in another encoding (a spreadsheet's Latin-1) is refused
/// rather than turned into other characters.
bool isUtf8(std::string_view text)
{
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
        return true;
    try {
        (void)nlohmann::json(text).dump();
        return true;
    } catch (const nlohmann::json::type_error &) {
        return false;
    }
}

std::string defaultName(std::size_t number, model::Language language)
{
    return (language == model::Language::English ? "Point " : "Punto ") + std::to_string(number);
}

} // namespace

int ImportPoints(
    std::istream &in, std::ostream &err, model::Language language, model::Survey &survey)
{
    LineReader reader(in, kMaxLineLength);
    const std::optional<BatchColumns> columns = ReadBatchHeader(reader, err, "import");
    if (!columns)
        return 2;
    err << columns->absentColumnsNotice("import");
    const std::vector<std::string> &names = columns->names();
    const auto nameColumn = std::find(names.begin(), names.end(), "name");

    BatchScratch scratch;
    std::string line;
    std::size_t lineNumber = 1;
    std::size_t invalid = 0;
    bool tooLong = false;
    while (reader.next(line, tooLong)) {
        ++lineNumber;
        bool readable = columns->readRow(line, tooLong, scratch);
        for (std::size_t i = 0; readable && i < names.size(); ++i) {
            if (!isUtf8(scratch.cells.views[i])) {
                scratch.message = "column " + names[i] + ": not UTF-8 text; save the file as UTF-8";
                readable = false;
            }
        }
        if (!readable) {
            err << "kalvora-cli: import: line " << lineNumber << ": " << Printable(scratch.message)
                << '\n';
            ++invalid;
            continue;
        }
        model::MeasurementPoint point;
        point.input = scratch.outcome.given;
        // The texts exactly as the cells hold them, empty ones included; an input the header does
        // not name holds its default, or nothing where only giving it would choose it.
        for (const NumericInput &option : numericInputs()) {
            const auto column = std::find(names.begin(), names.end(), option.name);
            if (column != names.end())
                point.input.setText(
                    option.field, std::string(scratch.cells.views[column - names.begin()]));
            else if (!columns->takesDefault(option))
                point.input.setText(option.field, "");
        }
        point.name = nameColumn != names.end()
            ? std::string(scratch.cells.views[nameColumn - names.begin()])
            : defaultName(survey.points.size() + 1, language);
        survey.points.push_back(std::move(point));
    }
    if (invalid > 0) {
        err << "kalvora-cli: import: " << invalid << (invalid == 1 ? " line" : " lines")
            << " could not be read; no survey written\n";
        return 1;
    }
    return 0;
}

} // namespace kalvora::cli
