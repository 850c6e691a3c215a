#include "export_command.h"

#include "csv.h"
#include "input_options.h"
#include "model/option_boxes.h"
#include "printable.h"

namespace kalvora::cli {

using model::Field;
using model::OptionGroup;

namespace {

/// Whether the survey's choices let batch see the field's text: every input outside the option
/// groups, the chosen box of each group, and the globe temperature while WBGT is on.
bool written(const model::InputParameters &input, Field field)
{
    const std::optional<OptionGroup> group = model::boxGroup(field);
    return !group || model::selectedBox(input, *group) == field
        || (field == Field::tglobo && input.method(model::Method::Wbgt));
}

std::string methodsCell(const model::InputParameters &input)
{
    std::string methods;
    bool all = true;
    for (const model::Method method : model::kAllMethods) {
        if (!input.method(method)) {
            all = false;
            continue;
        }
        methods += methods.empty() ? "" : ";";
        methods += methodKey(method);
    }
    return all ? "all" : methods;
}

} // namespace

std::string PointColumnsHeader()
{
    std::string header = "name";
    for (const NumericInput &option : numericInputs())
        AppendCsvCell(header, option.name, false);
    header += ",solar,posture,methods";
    return header;
}

void AppendPointCells(const model::MeasurementPoint &point, std::string &line)
{
    const model::InputParameters &input = point.input;
    AppendCsvCell(line, Printable(point.name), true);
    for (const NumericInput &option : numericInputs())
        AppendCsvCell(
            line, written(input, option.field) ? Printable(input.text(option.field)) : "", false);
    AppendCsvCell(
        line, kSolarKeys[static_cast<std::size_t>(input.selected(OptionGroup::Radsolar))], false);
    AppendCsvCell(
        line, kPostureKeys[static_cast<std::size_t>(input.selected(OptionGroup::postura))], false);
    AppendCsvCell(line, methodsCell(input), false);
}

int ExportPoints(const model::SurveyReading &reading, std::ostream &out, std::ostream &err)
{
    if (!reading.unreadable.empty()) {
        for (const model::UnreadablePoint &point : reading.unreadable)
            err << "kalvora-cli: export: " << point.message << '\n';
        err << "kalvora-cli: export: nothing written; mend the points named above\n";
        return 1;
    }
    std::string text = PointColumnsHeader() + '\n';
    for (const model::MeasurementPoint &point : reading.survey->points) {
        AppendPointCells(point, text);
        text += '\n';
    }
    out << text;
    return 0;
}

} // namespace kalvora::cli
