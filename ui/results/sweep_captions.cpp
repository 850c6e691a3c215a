#include "sweep_captions.h"

namespace kalvora::ui {

using model::SweepColumn;

Caption sweepCaption(SweepText text)
{
    switch (text) {
    case SweepText::Window:
        return { "Influencia  de la velocidad del aire", "Influence of air velocity" };
    case SweepText::Titulo:
        return { "INFLUENCIA DE LA VELOCIDAD DEL AIRE", "INFLUENCE OF AIR VELOCITY" };
    case SweepText::Copy:
        return { "Copiar la tabla", "Copy the table" };
    }
    return { "", "" };
}

// Texts with their runs of blanks as stored: they break the headers where the words were meant
// to wrap.
SweepHeader sweepColumnHeader(SweepColumn column)
{
    switch (column) {
    case SweepColumn::pv:
        return { "velaire", { "Velocidad   del aire      (m/s)", "Air velocity (m/s)" } };
    case SweepColumn::PIVM:
        return { "IVM2", { "IVM", "PMV" } };
    case SweepColumn::PPPI:
        return { "TPPI", { "PPI (%)", "PPD" } };
    case SweepColumn::PISC:
        return { "Label10", { "ISC (%)", "HSI (%)" } };
    case SweepColumn::PTEP:
        return { "Label11", { "TEP (min)", "TEP (min)" } };
    case SweepColumn::Pwp:
        return { "Label12", { "wp", "wp" } };
    case SweepColumn::PSWp:
        return { "Label13", { "  SWp (W/m²)", "  SWp (W/m²)" } };
    case SweepColumn::PDLE:
        return { "Label14", { "DLE (min)", "DLE (min)" } };
    case SweepColumn::peq:
        return { "Label17", { "Equil.", "Bal." } };
    case SweepColumn::PAc:
        return { "Label18", { "A (W/m²)", "A (W/m²)" } };
    case SweepColumn::PWCI:
        return { "Label15", { "  WCI (W/m²)", "  WCI (W/m²)" } };
    case SweepColumn::Ptch:
        return { "Label16", { "tch (°C)", "tch (°C)" } };
    case SweepColumn::PWBGT:
        return { "Label19", { "WBGT     (°C)", "WBGT     (°C)" } };
    case SweepColumn::Imin:
        return { "minim", { "Mínimo   (clo)", "Minim. (clo)" } };
    case SweepColumn::Ineut:
        return { "Label23", { "Neutral   (clo)", "Neutral   (clo)" } };
    }
    return { "", { "", "" } };
}

std::span<const SweepGroup> sweepGroups()
{
    static constexpr SweepGroup kGroups[] = {
        { "TIVM", { "IVM", "PMV" }, SweepColumn::PIVM, 2 },
        { "Label3", { "ISC", "ISC" }, SweepColumn::PISC, 2 },
        { "TSW", { "SWreq (Al. no aclim.)", "SWreq (Al. no aclim.)" }, SweepColumn::Pwp, 3 },
        { "Label6", { "    Equilibrio (según SWreq)", "    Equilibrio (según SWreq)" },
            SweepColumn::peq, 2 },
        { "Label5", { "WCI", "WCI" }, SweepColumn::PWCI, 2 },
        { "Label7", { "WBGT", "WBGT" }, SweepColumn::PWBGT, 1 },
        { "Label21", { "IREQ", "IREQ" }, SweepColumn::Imin, 2 },
    };
    return kGroups;
}

Caption sweepRowVerdict(int code)
{
    switch (code) {
    case 0:
        return { "Sin sobrecarga en los métodos seleccionados",
            "No strain in the selected methods" };
    case 1:
        return { "Sobrecarga moderada en algún método", "Moderate strain in a method" };
    default:
        return { "Sobrecarga alta en algún método", "High strain in a method" };
    }
}

} // namespace kalvora::ui
