#pragma once
// The PMV view's texts in both languages.

#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class PmvText {
    Title, ///< window title
    Label1, ///< heading
    Label3, ///< caption of `PicPPI`
    Label4, ///< recommended range
    VotePrefix, ///< start of the `PicIVM` line
    PercentagePrefix, ///< start of the `PicPPI` line
    PercentSuffix, ///< end of the `PicPPI` line
    Chart, ///< what the chart shows, for screen readers
};

Caption pmvCaption(PmvText text);

/// Caption of the sensation scale's label for step −3…3, with its control name `T3` … `T_3`.
Caption pmvScaleCaption(int step);
const char *pmvScaleLabelName(int step);

} // namespace kalvora::ui
