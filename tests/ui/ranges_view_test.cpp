// The application ranges view: which range labels turn red for which values, the values panel
// with its captions copied from the input form, its languages, and its agreement with the
// results summary's range lights.

#include "form_driver.h"
#include "ui/input/register.h"
#include "ui/results/register.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;
using model::Field;
using model::Method;
using model::OptionGroup;

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

const QStringList kRangeLabels { "IVM_0", "IVM_1", "IVM_2", "IVM_3", "IVM_4", "IVM_5", "TISC_0",
    "TISC_1", "WBGT_0", "WBGT_1", "WBGT_2", "SWreq_0" };

struct Inputs
{
    std::initializer_list<Method> on;
    std::initializer_list<std::pair<Field, const char *>> texts = {};
    std::initializer_list<std::pair<OptionGroup, int>> options = {};
};

/// The state after one evaluation of the given inputs, as the hub leaves it (without switching
/// PMV off), with the ranges view and the summary openable.
struct Setup
{
    Setup(model::Language language, const Inputs &in)
    {
        QLocale::setDefault(QLocale::c());
        state.setLanguage(language);
        registerInputForm(state, windows);
        registerHub(state, windows);
        for (const Method m : in.on)
            state.setMethod(m, true);
        for (const auto &[field, text] : in.texts)
            state.setText(field, text);
        for (const auto &[group, option] : in.options)
            state.select(group, option);
        state.evaluate();
    }
    ~Setup()
    {
        windows.close(WindowId::RangesView);
        windows.close(WindowId::ResultsSummary);
        FormDriver::settle();
    }
    QWidget *open(WindowId id) { return windows.open(id); }

    AppState state;
    Windows windows;
};

bool isRed(QWidget *view, const QString &name)
{
    auto *label = control<QLabel>(view, name);
    const bool red = label->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    // Colour is never the only carrier: the accessible name says it too.
    const bool said = QAccessible::queryAccessibleInterface(label)
                          ->text(QAccessible::Name)
                          .endsWith(QStringLiteral("fuera de rango"));
    if (red != said)
        qWarning("%s: colour and accessible name disagree", qPrintable(name));
    return red && said;
}

QStringList redLabels(QWidget *view)
{
    QStringList red;
    for (const QString &name : kRangeLabels)
        if (isRed(view, name))
            red << name;
    return red;
}

QString shown(QWidget *view, const char *name)
{
    return control<QLabel>(view, utf8(name))->text();
}

} // namespace

class RangesViewTest : public QObject
{
    Q_OBJECT
private slots:
    void brokenRangesTurnRed();
    void valuesPanel();
    void englishKeepsTheRangeBlockSpanish();
    void summaryAndViewAgree();
    void salirCloses();
};

void RangesViewTest::brokenRangesTurnRed()
{
    struct Case
    {
        const char *what;
        Inputs in;
        QStringList red;
    };
    const Case cases[] = {
        { "PMV with the start values", { { Method::Pmv } }, {} },
        { "M 46 is inside", { { Method::Pmv }, { { Field::Metabolismo, "46" } } }, {} },
        // Still air, or the body's own movement, 0.0052·(232 − 58) m/s, adds up beyond 1 m/s.
        { "M 232 is inside",
            { { Method::Pmv }, { { Field::Metabolismo, "232" }, { Field::vaire, "0" } } }, {} },
        { "M 45.9 is outside", { { Method::Pmv }, { { Field::Metabolismo, "45.9" } } },
            { "IVM_0" } },
        // var = va + 0.0052·(M − 58) = 1.1 + 0.14 m/s; TRM and pa as typed.
        { "computed values beyond PMV's range",
            { { Method::Pmv },
                { { Field::TRMedia, "40.5" }, { Field::vaire, "1.1" }, { Field::pa, "2.71" } },
                { { OptionGroup::Radiacion, 1 }, { OptionGroup::humedad, 2 } } },
            { "IVM_3", "IVM_4", "IVM_5" } },
        { "HSI with the start clothing 0.7 clo", { { Method::Hsi } }, { "TISC_0" } },
        { "WBGT natural wet bulb 45 °C", { { Method::Wbgt }, { { Field::tbhn, "45" } } },
            { "WBGT_1" } },
        { "WBGT reads the natural wet bulb, not the psychrometric one",
            { { Method::Wbgt }, { { Field::tbh, "" }, { Field::tbhn, "20" } },
                { { OptionGroup::humedad, 0 } } },
            {} },
        { "WBGT air and globe",
            { { Method::Wbgt }, { { Field::Taseco, "61" }, { Field::tglobo, "19" } } },
            { "WBGT_0", "WBGT_2" } },
        { "SWreq vapour 2.8 kPa",
            { { Method::SwReq }, { { Field::pa, "2.8" } }, { { OptionGroup::humedad, 2 } } },
            { "SWreq_0" } },
        { "SWreq vapour 2.79 kPa",
            { { Method::SwReq }, { { Field::pa, "2.79" } }, { { OptionGroup::humedad, 2 } } }, {} },
        { "wind chill alone, extreme values",
            { { Method::Wci },
                { { Field::Metabolismo, "400" }, { Field::Taseco, "-40" },
                    { Field::vaire, "5" } } },
            {} },
        { "methods are tested independently",
            { { Method::Hsi, Method::SwReq }, { { Field::Iclo, "0.55" }, { Field::pa, "3" } },
                { { OptionGroup::humedad, 2 } } },
            { "SWreq_0" } },
    };
    for (const Case &c : cases) {
        Setup setup(model::Language::Spanish, c.in);
        QWidget *view = setup.open(WindowId::RangesView);
        QVERIFY2(view, c.what);
        const RowGuard row { c.what };
        QCOMPARE(redLabels(view), c.red);
    }
}

void RangesViewTest::valuesPanel()
{
    struct Case
    {
        const char *what;
        model::Language language;
        Inputs in;
        QStringList expected; ///< "name=text"
        QStringList disabled; ///< labels and value boxes
    };
    const auto es = model::Language::Spanish;
    const auto en = model::Language::English;
    const Case cases[] = {
        // var = 0.15 + 0.0052·(85 − 58) = 0.2904 m/s.
        // The humidity caption keeps its own text while its group takes no part, in both
        // languages; the empty boxes of rows that take no part are greyed with their captions.
        { "wind chill alone", es, { { Method::Wci } },
            { "Metabolismo=85", "Taseco=18", "vaire=0.15", "pvrel=0.29",
                "Iclo=", "tglobo=", "tbhn=", "Radsolar=", "postura=", "humedad=", "pvapor=",
                "Label1=Velocidad relativa del aire (vr):", "Label10=Temperatura de globo (Tg):",
                "Label16=Humedad:", "Label17=" },
            { "Label6", "Label10", "Label12", "Label14", "Label15", "Label16", "Label18", "Label19",
                "Iclo", "tglobo", "tbhn", "Radsolar", "postura", "humedad", "pvapor" } },
        { "wind chill alone in English", en, { { Method::Wci } },
            { "Label16=Humedad:", "Label2=Metabolic power (M):", "pvrel=0.29" },
            { "Label16", "humedad", "pvapor" } },
        { "mean radiant temperature given", en,
            { { Method::Pmv }, { { Field::TRMedia, "22.5" } }, { { OptionGroup::Radiacion, 1 } } },
            { "Label10=TRM:", "tglobo=22.5", "Label2=Metabolic power (M):" }, {} },
        { "globe temperature in English", en, { { Method::Hsi } },
            { "Label10=Globe Temperature:", "tglobo=20" }, {} },
        { "humidity as vapour pressure", en,
            { { Method::SwReq }, { { Field::pa, "1.7" } }, { { OptionGroup::humedad, 2 } } },
            { "Label16=Ambient water vapour pression (pa)", "Label17=kPa", "humedad=1.7",
                "pvapor=1.70", "Label18=Presión parcial de vapor:", "postura=Sentado",
                "Radsolar=" },
            {} },
        { "wet bulb, outdoors, crouching", es,
            { { Method::Wbgt, Method::SwReq }, { { Field::tbh, "14" } },
                { { OptionGroup::humedad, 1 }, { OptionGroup::Radsolar, 0 },
                    { OptionGroup::postura, 2 } } },
            { "Label16=Temperatura de bulbo húmedo (tbh)", "Label17=°C", "humedad=14",
                "Radsolar=SI", "postura=Agachado", "tbhn=16" },
            {} },
    };
    for (const Case &c : cases) {
        Setup setup(c.language, c.in);
        QWidget *view = setup.open(WindowId::RangesView);
        QVERIFY2(view, c.what);
        const RowGuard row { c.what };
        for (const QString &pair : c.expected) {
            const qsizetype at = pair.indexOf(QLatin1Char('='));
            QCOMPARE(shown(view, pair.left(at).toUtf8().constData()), pair.mid(at + 1));
        }
        for (const QString &name : c.disabled)
            QVERIFY2(!control(view, name)->isEnabled(), qPrintable(name));
        for (const char *box : { "Metabolismo", "Taseco", "vaire", "pvrel" })
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(control(view, box))->state().disabled, box);
    }
}

void RangesViewTest::englishKeepsTheRangeBlockSpanish()
{
    Setup setup(model::Language::English, { { Method::Pmv } });
    QWidget *view = setup.open(WindowId::RangesView);
    QCOMPARE(view->windowTitle(), QStringLiteral("Apllication rank"));
    QCOMPARE(shown(view, "Titulo"),
        QStringLiteral("RANGOS DE VALIDEZ DE LOS PARAMETROS EN FUNCION DEL METODO"));
    QCOMPARE(shown(view, "TitIVM"), utf8("IVM (Indice de Valoración Medio de Fanger)"));
    // Every range line as published, written from the bounds the ranges test.
    const std::pair<const char *, const char *> lines[] = {
        { "IVM_0", "Actividad metabólica: [ 46 - 232 ] W/m2" },
        { "IVM_1", "Aislamiento del vestido: [ 0 - 2 ] clo" },
        { "IVM_2", "Temperatura del aire: [ 10 - 30 ] °C" },
        { "IVM_3", "Temperatura radiante media: [ 10 - 40 ] °C" },
        { "IVM_4", "Velocidad relativa del aire: [ 0 - 1 ] m/s" },
        { "IVM_5", "Presión parcial del vapor de agua: [ 0 - 2.7 ] kPa" },
        { "TISC_0", "Aislamiento del vestido: [ 0.5 - 0.6 ] clo" },
        { "TISC_1", "Temperatura de la piel: 35 °C" },
        { "WBGT_0", "Temperatura del aire: [ 10 - 60 ] °C" },
        { "WBGT_1", "Temperatura de bulbo húmedo: [ 5 - 40 ] °C" },
        { "WBGT_2", "Temperatura de globo: [ 20 - 120 ] °C" },
        { "SWreq_0", "Presión parcial de vapor de agua (pa) < 2.8 kPa" },
    };
    for (const auto &[name, text] : lines)
        QCOMPARE(shown(view, name), utf8(text));
    QCOMPARE(shown(view, "Label21"), QStringLiteral("VALORES DE LOS PARAMETROS"));
    QCOMPARE(shown(view, "Label6"), QStringLiteral("Clothing Insulation (Iclo):"));
}

void RangesViewTest::summaryAndViewAgree()
{
    // For every method with a range, the summary's light is red exactly when a label of the
    // method is red in the view.
    struct Case
    {
        const char *what;
        Inputs in;
    };
    const Case cases[] = {
        { "all inside",
            { { Method::Pmv, Method::Hsi, Method::Wbgt, Method::SwReq },
                { { Field::Iclo, "0.55" }, { Field::Taseco, "25" }, { Field::tglobo, "30" } } } },
        { "natural wet bulb outside, psychrometric wet bulb inside",
            { { Method::Wbgt }, { { Field::tbhn, "41" }, { Field::tbh, "20" } },
                { { OptionGroup::humedad, 1 } } } },
        { "psychrometric wet bulb outside, natural wet bulb inside",
            { { Method::Wbgt }, { { Field::tbhn, "20" }, { Field::tbh, "50" } },
                { { OptionGroup::humedad, 1 } } } },
        { "vapour pressure at the SWreq limit",
            { { Method::SwReq, Method::Pmv }, { { Field::pa, "2.8" } },
                { { OptionGroup::humedad, 2 } } } },
        { "negative clothing", { { Method::Pmv, Method::Hsi }, { { Field::Iclo, "-0.1" } } } },
    };
    const std::pair<Method, QStringList> labels[] = {
        { Method::Pmv, { "IVM_0", "IVM_1", "IVM_2", "IVM_3", "IVM_4", "IVM_5" } },
        { Method::Hsi, { "TISC_0", "TISC_1" } },
        { Method::Wbgt, { "WBGT_0", "WBGT_1", "WBGT_2" } },
        { Method::SwReq, { "SWreq_0" } },
    };
    for (const Case &c : cases) {
        Setup setup(model::Language::Spanish, c.in);
        QWidget *summary = setup.open(WindowId::ResultsSummary);
        QWidget *view = setup.open(WindowId::RangesView);
        for (const auto &[method, names] : labels) {
            if (!setup.state.input().method(method))
                continue;
            bool anyRed = false;
            for (const QString &name : names)
                anyRed = anyRed || isRed(view, name);
            const QString light = QStringLiteral("rango_%1").arg(int(method));
            const bool lightRed = QAccessible::queryAccessibleInterface(control(summary, light))
                                      ->text(QAccessible::Name)
                                      .endsWith(QStringLiteral("fuera de rango"));
            QVERIFY2(anyRed == lightRed, qPrintable(utf8(c.what) + QLatin1Char(' ') + light));
        }
    }
}

void RangesViewTest::salirCloses()
{
    Setup setup(model::Language::Spanish, { { Method::Pmv } });
    QWidget *view = setup.open(WindowId::RangesView);
    QWidget *salir = control(view, "salir");
    salir->setFocus();
    QTest::keyClick(salir, Qt::Key_Space);
    QVERIFY(!setup.windows.isOpen(WindowId::RangesView));
}

QTEST_MAIN(RangesViewTest)
#include "ranges_view_test.moc"
