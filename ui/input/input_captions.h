#pragma once
// The input form's texts in both languages. The hub's input summary copies the form's captions,
// so it reads them from here too.

#include "model/input_parameters.h"
#include "ui/shell/caption.h"

#include <span>

namespace kalvora::ui {

enum class InputText {
    Title, ///< window title
    Frame1, ///< frame of the method check boxes
    Label1, ///< heading of the parameter area
    LoadButton, ///< text drawn on `Cargar_datos`
};

Caption inputCaption(InputText text);

/// Caption of method check box `Método(i)`.
Caption methodCaption(model::Method method);

/// Caption of the frame that holds an option group (`Rad`, `Frame3`, `Frame2`, `Frame4`).
Caption frameCaption(model::OptionGroup group);

/// Caption of option `option` of a group.
Caption optionCaption(model::OptionGroup group, int option);

/// The caption a field stands beside: its caption label, or for the boxes of the radiation and
/// humidity groups the caption of their option.
Caption fieldCaption(model::Field field);

/// The fields that stand between a caption label and a unit label, with the names of the two
/// labels; the hub's input summary names its labels the same way.
struct FieldLabels
{
    model::Field field;
    const char *caption;
    const char *unit;
};
std::span<const FieldLabels> labelledFields();

/// The unit of a field as the labels show it (the same in both languages).
const char *fieldUnit(model::Field field);

} // namespace kalvora::ui
