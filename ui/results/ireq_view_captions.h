#pragma once
// The IREQ view's texts in both languages.

#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class IreqText {
    Title, ///< window title, the same in both languages
    Label1, ///< heading
    Label9, ///< heading of the three insulations
    Label10, ///< caption of the minimal insulation
    Label12, ///< caption of the neutral insulation
    Label14, ///< caption of the worn insulation
    Label4, ///< caption of the exposure under the minimal requirement
    Label5, ///< caption of the exposure under the neutral requirement
    Label3, ///< before the `IREQ1` area
    Label15, ///< before the `IREQ2` area
    Label16, ///< before the `Iclod` area
    Label8, ///< before the `PDLEmin` area
    Label17, ///< before the `PDLEneut` area
    Clo, ///< unit after the insulations
    Hours, ///< unit after the exposures
    tId, ///< marker of the worn insulation
    min, ///< marker of the minimal requirement
    Neut, ///< marker of the neutral requirement
    MarkerTooLittle, ///< verdict of `cId` when the worn insulation is below the minimum
    MarkerBetween, ///< verdict of `cId` between the minimal and the neutral requirement
    MarkerEnough, ///< verdict of `cId` at or above the neutral requirement
};

Caption ireqCaption(IreqText text);

/// The clothing list, warmest ensemble first: the label's name, its full texts and its top in
/// twips.
struct ClothingRow
{
    const char *name;
    Caption caption;
    double top;
};
inline constexpr ClothingRow kClothingRows[] = {
    { "I3", { "3- 4.5 - Conjuntos de vestido árticos", "3- 4.5 - Arctic clothing systems" }, 840 },
    { "I26",
        { "2.6 - Calzoncillos, camiseta, pantalones aislantes, chaqueta aislante, overjacket, "
          "sobrepantalones, zapatos, sombrero, guantes",
            "2.6 - Underpants, undershirt, insulated trousers, insulated jacket, overjacket, "
            "overtrousers, socks, shoes, hat, gloves" },
        1100 },
    { "I22",
        { "2.2 - Calzoncillos, camiseta, pantalones aislantes, chaqueta aislante, overjacket, "
          "sobrepantalones, zapatos",
            "2.2 - Underpants, undershirt, insulated trousers, insulated jacket, overjacket, "
            "overtrousers, socks, shoes" },
        1560 },
    { "I19",
        { "1.9 - Calzoncillos, camiseta, camisa, pantalones, chaqueta, abrigo,sobrepantalones, "
          "zapatos",
            "1.9 - Underpants, undershirt, shirt, trousers, jacket, overjacket,overtrousers, "
            "socks, shoes" },
        1905 },
    { "I16",
        { "1.6 - Calzoncillos, camiseta, camisa, pantalones, chaqueta, abrigo, sombrero, guantes, "
          "zapatos",
            "1.6 - Underpants, undershirt, shirt, trousers, jacket, overjacket, hat, gloves, "
            "socks, shoes" },
        2260 },
    { "I15",
        { "1.5 - Ropa interior de mangas y perneras cortas, camisa, pantalón, chaleco, abrigo, "
          "zapatos",
            "1.5 - Briefs, T-Shirt, shirt, fitted trousers, insulated coveralls, calf lenght "
            "socks, shoes" },
        2600 },
    { "I14",
        { "1.4 - Camiseta, calzoncillos, pantalones aislantes, chaqueta aislante, calcetines, "
          "zapatos",
            "1.4 - Undershirt, underpants, insulated trousers, insulated jacket, socks, shoes" },
        2940 },
    { "I13",
        { "1.3 - Ropa interior, camiseta de manga corta, camisa, pantalón y chaqueta",
            "1.3 - Underpants, shirt,trousers, jacket, coverall, socks, shoes" },
        3280 },
    { "I11",
        { "1.1 - Braga, medias, blusa, falda larga, chaqueta, medias",
            "1.1 - Underpants, undershirt,  shirt,trousers, jacket, vest, socks, shoes" },
        3650 },
    { "I1",
        { "1.0 - Eslip, camisa, pantalón, chaqueta, calcetines y zapatos",
            "1.0 - Briefs, undershirt, underpants, shirt, overalls, calf lenght socks, shoes" },
        4020 },
    { "I09",
        { "0.9 - Braga, camisa, falda, jersey de cuello cisne, medias tupidas, zapatos",
            "0.9 - Underpants, shirt, trousers, smock, socks, shoes" },
        4360 },
    { "I08",
        { "0.8 - Braga, camisa, falda, medias tupidas, zapatos",
            "0.8 - Underpants, shirt, coverall, socks, shoes" },
        4690 },
    { "I07",
        { "0.7 - Ropa interior, camisa, pantalón, calcetines, zapatos",
            "0.7 - Underpants, coverall, socks, shoes" },
        5050 },
    { "I06",
        { "0.6 - Calzoncillos, camisa, pantalón ligero, calcetines y zapatos",
            "0.6 - Underpants, shirt, fitted trousers, socks, shoes" },
        5400 },
    { "I05",
        { "0.5 - Calzoncillos, camisa de manga corta, pantalón ligero, calcetines finos, zapatos",
            "0.5 - Briefs, short-sleeve shirt, fitted trousers, calf length socks, shoes" },
        5760 },
};

} // namespace kalvora::ui
