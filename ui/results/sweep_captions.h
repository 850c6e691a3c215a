#pragma once
// The sweep window's texts in both languages: its title, the headers of the columns and of the
// method groups above them, the row verdicts and the copy command.

#include "model/presentation/sweep_cells.h"
#include "ui/shell/caption.h"

#include <span>

namespace kalvora::ui {

enum class SweepText { Window, Titulo, Copy };

Caption sweepCaption(SweepText text);

/// The header label of a column: its control name and caption.
struct SweepHeader
{
    const char *name;
    Caption caption;
};
SweepHeader sweepColumnHeader(model::SweepColumn column);

/// A method group's header over its columns.
struct SweepGroup
{
    const char *name;
    Caption caption;
    model::SweepColumn first;
    int columns;
};
std::span<const SweepGroup> sweepGroups();

/// What a row's colour says, in words: code 0, 1 or 2 (the largest rating of the row).
Caption sweepRowVerdict(int code);

} // namespace kalvora::ui
