#include "hub_captions.h"

namespace kalvora::ui {

Caption hubCaption(HubText text)
{
    switch (text) {
    case HubText::Title:
        return { "Métodos", " " };
    case HubText::Label1:
        return { "Parámetros:", "Parameters" };
    case HubText::Result:
        return { "RESULTADOS", "RESULTS" };
    case HubText::Param:
        return { "PARAMETROS", "PARAMETERS" };
    case HubText::Infv:
        return { "INFLUENCIA DE LA VELOCIDAD DEL AIRE", "INFLUENCE OF AIR VELOCITY" };
    case HubText::Modif:
        return { "MODIFICAR VALORES", "MODIFY VALUES" };
    case HubText::GlobeTemperature:
        return { "Temperatura de globo (Tg):", "Globe Temperature (tg):" };
    case HubText::MeanRadiantTemperature:
        return { "Temperatura radiante media (TRM):", "Mean radiant temperature (tr):" };
    case HubText::SolarLoadYes:
        return { "SI", "YES" };
    case HubText::SolarLoadNo:
        return { "NO", "NO" };
    }
    return { "", "" };
}

Caption methodButtonCaption(model::Method method)
{
    switch (method) {
    case model::Method::Pmv:
        return { "IVM", "Fanger's PMV" };
    case model::Method::Hsi:
        return { "ISC", "ISC" };
    case model::Method::Wbgt:
        return { "WBGT", "WBGT" };
    case model::Method::SwReq:
        return { "SWreq", "SWreq" };
    case model::Method::Wci:
        return { "WCI", "WCI" };
    case model::Method::Ireq:
        return { "IREQ", "IREQ" };
    }
    return { "", "" };
}

} // namespace kalvora::ui
