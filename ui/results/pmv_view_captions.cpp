#include "pmv_view_captions.h"

#include <array>

namespace kalvora::ui {

Caption pmvCaption(PmvText text)
{
    switch (text) {
    case PmvText::Title:
        return { "IVM (ISO 7730)", "PMV (ISO 7730)" };
    case PmvText::Label1:
        return { "INDICE DE VALORACION MEDIO DE FANGER (IVM)",
            "      PREDICTED MEAN VOTE INDEX (PMV)" };
    case PmvText::Label3:
        return { "PORCENTAJE DE INSATISFECHOS:", "PREDICTED PERCENTAGE OF DISSATISFIED:" };
    case PmvText::Label4:
        return { "Valor recomendado:      -0.5 < IVM < 0.5", "Recommended Value: -0.5<PMV<0.5" };
    case PmvText::VotePrefix:
        return { "IVM = ", "PMV = " };
    case PmvText::PercentagePrefix:
        return { "PPI = ", "PPD = " };
    case PmvText::PercentSuffix:
        return { " %", " %" };
    case PmvText::Chart:
        return { "Porcentaje de insatisfechos (PPI) frente al IVM, de -3 a 3",
            "Predicted percentage of dissatisfied (PPD) against the PMV, from -3 to 3" };
    }
    return { "", "" };
}

namespace {

struct ScaleLabel
{
    const char *name;
    Caption caption;
};

// Steps 3 down to −3.
constexpr std::array<ScaleLabel, 7> kScale { {
    { "T3", { " 3  MUY CALIENTE", " 3   HOT" } },
    { "T2", { " 2  CALIENTE", " 2   WARM" } },
    { "T1", { " 1  LIGERAMENTE CALIENTE", " 1   SLIGHTLY WARM" } },
    { "T0", { " 0  AMBIENTE NEUTRO", " 0   NEUTRAL" } },
    { "T_1", { "-1  LIGERAMENTE FRIO", "-1  SLIGHTLY COOL" } },
    { "T_2", { "-2  FRIO", "-2  COOL" } },
    { "T_3", { "-3  MUY FRIO", "-3  COLD" } },
} };

const ScaleLabel &scaleLabel(int step)
{
    return kScale.at(std::size_t(3 - step));
}

} // namespace

Caption pmvScaleCaption(int step)
{
    return scaleLabel(step).caption;
}

const char *pmvScaleLabelName(int step)
{
    return scaleLabel(step).name;
}

} // namespace kalvora::ui
