#include "hsi_view_captions.h"

namespace kalvora::ui {

Caption hsiCaption(HsiText text)
{
    switch (text) {
    case HsiText::Title:
        return { "ISC", "HSI" };
    case HsiText::TISC:
        return { "INDICE DE SOBRECARGA CALORICA (ISC)", "          HEAT STRESS INDEX (ISC)" };
    case HsiText::T2ISC:
        return { "Indice de sobrecarga calórica :", "Heat Stress Index:" };
    case HsiText::Label5:
        return { "ISC =", "ISC =" };
    case HsiText::TTEP:
        return { "Tiempo de exposición permisible:", "Allowable exposure time:" };
    case HsiText::Label6:
        return { "TEP =", "TEP =" };
    case HsiText::IndexUnit:
        return { "%", "%" };
    case HsiText::TimeUnit:
        return { "min", "min" };
    }
    return { "", "" };
}

} // namespace kalvora::ui
