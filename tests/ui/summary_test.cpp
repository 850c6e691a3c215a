// The results summary over a results record set by hand: the result line and the lights of every
// row, the way its lights lead to other windows, the heat-balance chart and readings, leaving.

#include "form_driver.h"
#include "ui/results/balance_panel.h"
#include "ui/results/summary_rows.h"
#include "ui/shell/rating_light.h"
#include "ui/shell/window_printing.h"

#include <QAbstractBarSeries>
#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;
using model::Field;
using model::Method;
using model::MethodResults;

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

void pinLocale(model::Language language)
{
    QLocale::setDefault(language == model::Language::English
            ? QLocale(QLocale::English, QLocale::UnitedStates)
            : QLocale(QLocale::Spanish, QLocale::Spain));
}

/// The summary's rows and heat-balance part filled from the given methods, typed texts and a
/// record set by hand (values an evaluation would hardly hit exactly, such as ISC = 100), as if
/// an evaluation of the ticked methods had written it.
struct Summary
{
    Summary(model::Language language, std::initializer_list<Method> on,
        const std::function<void(MethodResults &)> &setup = {},
        std::initializer_list<std::pair<Field, const char *>> texts = {})
        : rows(new SummaryRows(language, &window))
        , balance(new BalancePanel(language, &window))
    {
        pinLocale(language);
        model::InputParameters input;
        for (const Method m : on)
            input.setMethod(m, true);
        for (const auto &[field, text] : texts)
            input.setText(field, text);
        MethodResults results;
        if (setup)
            setup(results);
        model::Evaluation evaluation;
        for (const Method m : on)
            evaluation.ran[std::size_t(m)] = true;
        const model::EvaluationScope scope(evaluation, input);
        rows->fill(input, scope, results);
        balance->fill(model::shownMethods(input, scope), results, input.value(Field::Metabolismo));
    }
    QString line(const char *name) { return control<QLabel>(&window, utf8(name))->text(); }
    QString spoken(const QString &name) { return accessibleName(control(&window, name)); }

    QWidget window;
    SummaryRows *rows;
    BalancePanel *balance;
};

/// The summary as a user reaches it: methods ticked on the input form, load, the hub's picture.
QWidget *openSummary(FormDriver &driver, const QStringList &methods)
{
    pinLocale(driver.state.language());
    driver.perform(methods);
    driver.load();
    driver.click(driver.hub(), QStringLiteral("Picture1"));
    QWidget *summary = driver.windows.window(WindowId::ResultsSummary);
    if (!summary)
        qFatal("the summary did not open");
    return summary;
}

/// Presses a light the way a keyboard user does: focus on it and Space.
void press(QWidget *window, const QString &name)
{
    QWidget *light = control(window, name);
    light->setFocus();
    QTest::keyClick(light, Qt::Key_Space);
}

constexpr auto es = model::Language::Spanish;
constexpr auto en = model::Language::English;

} // namespace

class SummaryTest : public QObject
{
    Q_OBJECT
private slots:
    void resultLinesAndRatingLights();
    void rangeLights();
    void pmvSwitchedOffByTheHubIsNotSelected();
    void methodStoppedByAFaultShowsNoValuesNoRatingAndNoWay_data();
    void methodStoppedByAFaultShowsNoValuesNoRatingAndNoWay();
    void lightsOpenTheirWindows();
    void balanceChartAndReadings();
    void lostHeatIsAMagnitudeAfterItsWords();
    void captionsInEnglish();
    void chartAndReadingsReadTopDownAlike();
    void windowTitleLegendsAndLeaving();
    void printsToAOnePagePdf();
};

void SummaryTest::resultLinesAndRatingLights()
{
    struct Case
    {
        const char *what;
        model::Language language;
        std::initializer_list<Method> on;
        std::function<void(MethodResults &)> setup;
        const char *line; ///< the row's result area
        const char *expected;
        const char *light; ///< the row's rating light
        const char *verdict; ///< its accessible name
    };
    const Case cases[] = {
        { "ISC exactly 100 is not limited", es, { Method::Hsi },
            [](MethodResults &r) { r.ISC = 100, r.TEP = 30.0, r.okISC = 2; }, "p2",
            "ISC = 100,00 % ,  TEP = Ilimitado", "s2", "ISC: Alta sobrecarga detectada" },
        { "ISC 100.01 limits the exposure", es, { Method::Hsi },
            [](MethodResults &r) { r.ISC = 100.01, r.TEP = 42.5, r.okISC = 2; }, "p2",
            "ISC = 100,01 % ,  TEP = 42,50 min", "s2", "ISC: Alta sobrecarga detectada" },
        { "HSI unlimited in English", en, { Method::Hsi },
            [](MethodResults &r) { r.ISC = 25, r.okISC = 1; }, "p2",
            "HSI = 25.00 % ,  TEP = Unlimited", "s2", "HSI: Low detected strain" },
        { "DLEnaa exactly 0.001 is not limited and green", es, { Method::SwReq },
            [](MethodResults &r) { r.DLEnaa = 0.001, r.wpnaa = 0.85, r.okSWreq = 1; }, "p4",
            "Alarma para no aclimatados: wp = 0,85 , Exposición límite (DLE):  Ilimitada", "s4",
            "SWreq: No se detecta sobrecarga" },
        { "limited DLE, rating 1 is orange", en, { Method::SwReq },
            [](MethodResults &r) { r.DLEnaa = 125.5, r.wpnaa = 0.9, r.okSWreq = 1; }, "p4",
            "Alarm for non acclimatized: wp = 0.90  , Allowable exposure time (DLE):  125.50 min",
            "s4", "SWreq: Low detected strain" },
        { "limited DLE, rating 2 is red", en, { Method::SwReq },
            [](MethodResults &r) { r.DLEnaa = 12, r.wpnaa = 1, r.okSWreq = 2; }, "p4",
            "Alarm for non acclimatized: wp = 1.00  , Allowable exposure time (DLE):  12.00 min",
            "s4", "SWreq: High detected strain" },
        { "PMV in English rounds to two decimals", en, { Method::Pmv },
            [](MethodResults &r) { r.IVM = 0.5234, r.PPI = 10.654, r.okIVM = 1; }, "p1",
            "PMV= 0.52 ,  PPD = 10.65 %", "s1", "PMV: Low detected strain" },
        { "rows not selected in English", en, { Method::Pmv }, {}, "p3", " Not selected.", "s3",
            "WBGT: Not selected." },
        { "rows not selected in Spanish", es, { Method::Pmv }, {}, "p6", "No seleccionado.", "s6",
            "IREQ: No seleccionado." },
        { "WBGT", es, { Method::Wbgt }, [](MethodResults &r) { r.WBGT = 27.346, r.okWBGT = 0; },
            "p3", "WBGT = 27,35 °C", "s3", "WBGT: No se detecta sobrecarga" },
        { "wind chill groups thousands", es, { Method::Wci },
            [](MethodResults &r) { r.WCI = 1234.567, r.tch = -5.2, r.okIVF = 2; }, "p5",
            "WCI = 1.234,57 W/m²   ,  tch = -5,20 °C", "s5", "IVF: Alta sobrecarga detectada" },
        { "IREQ", en, { Method::Ireq },
            [](MethodResults &r) { r.IREQ1 = 1.5, r.IREQ2 = 2.1, r.okIreq = 0; }, "p6",
            "IREQ min = 1.50 clo   ,  IREQ neut = 2.10 clo", "s6", "IREQ: No detected strain" },
    };
    for (const Case &c : cases) {
        Summary summary(c.language, c.on, c.setup);
        const RowGuard row { c.what };
        QCOMPARE(summary.line(c.line), utf8(c.expected));
        QCOMPARE(summary.spoken(utf8(c.light)), utf8(c.verdict));
    }
}

void SummaryTest::rangeLights()
{
    struct Case
    {
        const char *what;
        std::initializer_list<Method> on;
        std::initializer_list<std::pair<Field, const char *>> texts;
        double pvap;
        const char *light;
        const char *verdict;
    };
    const Case cases[] = {
        { "HSI clothing 0.5 is inside", { Method::Hsi }, { { Field::Iclo, "0.5" } }, 1, "rango_1",
            "ISC: dentro de rango" },
        { "HSI clothing 0.6 is inside", { Method::Hsi }, { { Field::Iclo, "0.6" } }, 1, "rango_1",
            "ISC: dentro de rango" },
        { "HSI clothing 0.61 is outside", { Method::Hsi }, { { Field::Iclo, "0.61" } }, 1,
            "rango_1", "ISC: fuera de rango" },
        { "SWreq vapour 2.79 kPa is inside", { Method::SwReq }, {}, 2.79, "rango_3",
            "SWreq: dentro de rango" },
        { "SWreq vapour 2.8 kPa is outside", { Method::SwReq }, {}, 2.8, "rango_3",
            "SWreq: fuera de rango" },
        { "natural wet bulb 45 °C is outside", { Method::Wbgt },
            { { Field::tbhn, "45" }, { Field::Taseco, "30" }, { Field::tglobo, "35" } }, 1,
            "rango_2", "WBGT: fuera de rango" },
        { "natural wet bulb 25 °C with no psychrometric wet bulb is inside", { Method::Wbgt },
            { { Field::tbhn, "25" }, { Field::Taseco, "30" }, { Field::tglobo, "35" },
                { Field::tbh, "" } },
            1, "rango_2", "WBGT: dentro de rango" },
        { "M 45.9 breaks the PMV range", { Method::Pmv }, { { Field::Metabolismo, "45.9" } }, 1,
            "rango_0", "IVM: fuera de rango" },
        { "wind chill has no range", { Method::Wci }, { { Field::Taseco, "-40" } }, 9, "rango_4",
            "IVF: dentro de rango" },
        { "a row not selected", { Method::Wci }, {}, 1, "rango_0", "IVM: No seleccionado." },
    };
    for (const Case &c : cases) {
        Summary summary(
            es, c.on,
            [&c](MethodResults &r) {
                r.pvap = c.pvap;
                r.TRM = 20;
                r.var = 0.2;
            },
            c.texts);
        const RowGuard row { c.what };
        QCOMPARE(summary.spoken(utf8(c.light)), utf8(c.verdict));
    }
}

void SummaryTest::pmvSwitchedOffByTheHubIsNotSelected()
{
    FormDriver driver(es);
    pinLocale(es);
    driver.perform({ "Método_0", "Método_2", "Taseco=35", "tglobo=40" }); // air beyond 30 °C
    MessageRecorder messages;
    driver.load();
    QCOMPARE(messages.count(), 1);
    driver.click(driver.hub(), QStringLiteral("Picture1"));
    QWidget *summary = driver.windows.window(WindowId::ResultsSummary);
    QVERIFY(summary);
    QCOMPARE(control<QLabel>(summary, "p1")->text(), QStringLiteral("No seleccionado."));
    QVERIFY(control<QLabel>(summary, "p3")->text().startsWith(QStringLiteral("WBGT = ")));
    driver.windows.close(WindowId::ResultsSummary);
}

void SummaryTest::methodStoppedByAFaultShowsNoValuesNoRatingAndNoWay_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("stopped");
    QTest::addColumn<QString>("pmv");
    QTest::newRow("es") << int(es) << utf8("Evaluación detenida por un error aritmético")
                        << "IVM= 2,67 ,  PPI = 96,29 %";
    QTest::newRow("en") << int(en) << utf8("Evaluation stopped by an arithmetic fault")
                        << "PMV= 2.67 ,  PPD = 96.29 %";
}

void SummaryTest::methodStoppedByAFaultShowsNoValuesNoRatingAndNoWay()
{
    QFETCH(int, language);
    QFETCH(QString, stopped);
    QFETCH(QString, pmv);
    // Still warm air at rest: IREQ stops without convergence after PMV has run.
    FormDriver driver { model::Language(language) };
    pinLocale(model::Language(language));
    driver.perform({ "Método_0", "Método_5", "Metabolismo=46", "Taseco=28", "tglobo=33", "Iclo=1",
        "vaire=0.05" });
    MessageRecorder fault;
    driver.load();
    QCOMPARE(fault.count(), 1);
    driver.click(driver.hub(), QStringLiteral("Picture1"));
    QWidget *summary = driver.windows.window(WindowId::ResultsSummary);
    QVERIFY(summary);
    driver.windows.registerFactory(WindowId::IreqView, [] { return new QWidget; });
    driver.windows.registerFactory(WindowId::PmvView, [] { return new QWidget; });

    // IREQ: no values, no rating, the reason in words; its light leads nowhere.
    QCOMPARE(control<QLabel>(summary, "p6")->text(), stopped);
    auto *ireq = control<RatingLight>(summary, "s6");
    QVERIFY(!ireq->hasRating());
    QCOMPARE(accessibleName(ireq), QStringLiteral("IREQ: ") + stopped);
    // The range tests the inputs and the shared values, which the evaluation did compute.
    QVERIFY(control<RatingLight>(summary, "rango_5")->hasRating());
    press(summary, "s6");
    QVERIFY(!driver.windows.isOpen(WindowId::IreqView));
    QCOMPARE(driver.state.cont(), 0);

    // PMV ran to the end: its values and its rating (a vote of 2.67 is high strain) stand, and
    // its view opens.
    QCOMPARE(control<QLabel>(summary, "p1")->text(), pmv);
    QVERIFY(control<RatingLight>(summary, "s1")->hasRating());
    QCOMPARE(int(control<RatingLight>(summary, "s1")->rating()), 2);
    press(summary, "s1");
    QVERIFY(driver.windows.isOpen(WindowId::PmvView));

    // The heat balance is PMV's, not the stopped IREQ's.
    QVERIFY(control<QLabel>(summary, "ISOgraf_0")->text().contains(QStringLiteral("7730")));
    for (const WindowId id : { WindowId::PmvView, WindowId::ResultsSummary })
        driver.windows.close(id);
}

void SummaryTest::lightsOpenTheirWindows()
{
    FormDriver driver(es);
    QWidget *summary = openSummary(driver, { "Método_0" });
    driver.windows.registerFactory(WindowId::PmvView, [] { return new QWidget; });
    driver.windows.registerFactory(WindowId::WindChillView, [] { return new QWidget; });

    // WCI not selected: its light leads nowhere and the summary is not marked as the way.
    press(summary, "s5");
    QVERIFY(!driver.windows.isOpen(WindowId::WindChillView));
    QCOMPARE(driver.state.cont(), 0);

    press(summary, "s1");
    QVERIFY(driver.windows.isOpen(WindowId::PmvView));
    QCOMPARE(driver.state.cont(), 1);

    // Any range light opens the ranges view, also that of a row not selected; the assistive
    // technology's press action does what a key press does.
    QAccessibleInterface *range
        = QAccessible::queryAccessibleInterface(control(summary, "rango_3"));
    QVERIFY(range->actionInterface());
    range->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(driver.windows.isOpen(WindowId::RangesView));
    for (const WindowId id : { WindowId::PmvView, WindowId::RangesView, WindowId::ResultsSummary })
        driver.windows.close(id);
}

void SummaryTest::balanceChartAndReadings()
{
    struct Case
    {
        const char *what;
        std::initializer_list<Method> on;
        std::function<void(MethodResults &)> setup;
        std::array<double, 7> bars; ///< −M, R, C, Cres, Eres, E, A with M 150 W/m²
        const char *note;
        const char *rad; ///< the radiation reading; empty when the readings are not given
    };
    const auto sweat = [](MethodResults &r) {
        r.RSW = 20, r.CSW = 10, r.CresSW = 1.5, r.EresSW = 6.5, r.ESW = 112, r.AcSW = 0;
        r.RIREQ = -30, r.CIREQ = -40, r.CresIREQ = -5, r.EresIREQ = -6, r.EIREQ = -7;
        r.AcIREQ = -62;
    };
    const Case cases[] = {
        { "IREQ with strain, alone: chart only", { Method::Ireq },
            [&sweat](MethodResults &r) { sweat(r), r.okIreq = 1; },
            { -150, -30, -40, -5, -6, -7, -62 }, "(Calculado siguiendo la ISO 11079 (IREQ))", "" },
        { "IREQ without strain falls to SWreq", { Method::Ireq, Method::SwReq },
            [&sweat](MethodResults &r) { sweat(r), r.okIreq = 0; },
            { -150, 20, 10, 1.5, 6.5, 112, 0 },
            "(Calculado siguiendo la ISO 7933 (Indice de sudoración requerida))",
            "Evacuación de calor hacia el ambiente\nR = 20,00 W/m²" },
        { "PMV", { Method::Pmv },
            [](MethodResults &r) {
                r.RIVM = -0.5, r.CIVM = 12, r.CresIVM = 1, r.EresIVM = 4, r.EIVM = 20;
                r.AcIVM = 3;
            },
            { -150, -0.5, 12, 1, 4, 20, 3 }, "(Calculado siguiendo la ISO 7730 (IVM))",
            "Absorción de calor\nR = -0,50 W/m²" },
        { "HSI accumulates what the other terms leave", { Method::Hsi },
            [](MethodResults &r) { r.RISC = 20, r.CISC = 10, r.EISC = 100; },
            { -150, 20, 10, 0, 0, 100, 20 }, "(Calculado según método del ISC)",
            "Evacuación de calor hacia el ambiente\nR = 20,00 W/m²" },
        { "WBGT and WCI only", { Method::Wbgt, Method::Wci }, sweat, { -150, 0, 0, 0, 0, 0, 0 }, "",
            "" },
    };
    for (const Case &c : cases) {
        Summary summary(es, c.on, c.setup, { { Field::Metabolismo, "150" } });
        const RowGuard row { c.what };
        auto *view = control<QChartView>(&summary.window, "MSChart1");
        const auto *series = qobject_cast<QAbstractBarSeries *>(view->chart()->series().value(0));
        QVERIFY(series);
        QCOMPARE(series->barSets().size(), 1);
        const QBarSet *bars = series->barSets().front();
        QCOMPARE(bars->count(), 7);
        // The bars go in from the bottom of the chart: the last is the first term.
        for (int i = 0; i < 7; ++i)
            QCOMPARE(bars->at(6 - i), c.bars[size_t(i)]);
        QCOMPARE(summary.line("ISOgraf_0"), utf8(c.note));
        QCOMPARE(summary.line("ISOgraf_1"), utf8(c.note));
        QCOMPARE(summary.line("rad"), utf8(c.rad));
        QCOMPARE(summary.line("Metab"), QStringLiteral("M = 150,00 W/m²\nModerada"));
    }

    // The HSI case read through: balance verdict and accumulated heat.
    Summary hsi(es, { Method::Hsi },
        [](MethodResults &r) { r.RISC = 20, r.CISC = 10, r.EISC = 100; },
        { { Field::Metabolismo, "150" } });
    QCOMPARE(hsi.line("acumulado"), QStringLiteral("Calor ganado = 20,00 W/m²"));
    QCOMPARE(hsi.line("equilibrio"), QStringLiteral("No hay equilibrio"));
    QCOMPARE(hsi.line("conv"), utf8("Evacuación de calor hacia el ambiente\nC = 10,00 W/m²"));
    QCOMPARE(hsi.line("cresp"), QStringLiteral("Cres = 0,00 W/m²"));
}

void SummaryTest::lostHeatIsAMagnitudeAfterItsWords()
{
    // The words say which way the heat goes; the number after them never carries a sign, in
    // either language and whatever the size.
    struct Case
    {
        model::Language language;
        double A;
        const char *expected;
    };
    const Case cases[] = {
        { es, -3.96, "Calor perdido = 3,96 W/m²" },
        { en, -3.96, "Lost heat = 3.96 W/m²" },
        { es, -1234.5, "Calor perdido = 1.234,50 W/m²" },
        { es, -0.0005, "A = 0,00 W/m²" },
        { en, 7.25, "Won heat = 7.25 W/m²" },
    };
    for (const Case &c : cases) {
        Summary summary(c.language, { Method::Pmv }, [&c](MethodResults &r) { r.AcIVM = c.A; });
        const RowGuard row { c.expected };
        const QString shown = summary.line("acumulado");
        QCOMPARE(shown, utf8(c.expected));
        QVERIFY2(!shown.contains(QLatin1Char('-')), qPrintable(shown));
    }
}

void SummaryTest::captionsInEnglish()
{
    Summary summary(en, { Method::Pmv }, [](MethodResults &r) { r.RIVM = 1, r.AcIVM = -0.0005; },
        { { Field::Metabolismo, "260" } });
    const std::pair<const char *, const char *> captions[] = {
        { "Label8", "Index" },
        { "Label10", "PMV" },
        { "p2", " Not selected." },
        { "Label14", "WCI" },
        { "Label17", "Application interval" },
        { "Label1", "THERMAL BALANCE" },
        { "Label16", "THERMAL BALANCE" },
        { "Label18", "ACUMULATED HEAT:" },
        { "ISOgraf_0", "(Based on ISO 7730 (Fanger's PMV))" },
        { "Metab", "M = 260.00 W/m²\nVery high" },
        { "equilibrio", "Balance" },
        { "acumulado", "A = 0.00 W/m²" },
    };
    for (const auto &[name, text] : captions)
        QCOMPARE(summary.line(name), utf8(text));

    auto *view = control<QChartView>(&summary.window, "MSChart1");
    auto *axis = qobject_cast<QBarCategoryAxis *>(view->chart()->axes(Qt::Vertical).value(0));
    QVERIFY(axis);
    QCOMPARE(axis->categories().value(0), QStringLiteral("Rate of change in body heat"));
    QCOMPARE(axis->categories().value(6), QStringLiteral("Metabolic power"));
    QVERIFY(
        view->accessibleDescription().startsWith(QStringLiteral("Metabolic power: -260.00 W/m²")));
}

void SummaryTest::chartAndReadingsReadTopDownAlike()
{
    Summary summary(es, { Method::SwReq },
        [](MethodResults &r) {
            r.RSW = 20, r.CSW = 10, r.CresSW = 1.5, r.EresSW = 6.5, r.ESW = 112;
        },
        { { Field::Metabolismo, "150" } });
    summary.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&summary.window));
    const auto top
        = [&summary](QWidget *widget) { return widget->mapTo(&summary.window, QPoint()).y(); };

    // The chart's terms from the top down in the order of the readings beside it.
    auto *view = control<QChartView>(&summary.window, "MSChart1");
    auto *series = view->chart()->series().value(0);
    auto *axis = qobject_cast<QBarCategoryAxis *>(view->chart()->axes(Qt::Vertical).value(0));
    QVERIFY(series && axis);
    const char *terms[]
        = { "Energía metabólica", "Radiación", "Convección", "Convección respiratoria",
              "Evaporación respiratoria", "Evaporación del sudor", "Calor Acumulado " };
    const char *readings[] = { "Metab", "rad", "conv", "cresp", "eresp", "ev", "acumulado" };
    qreal above = -1;
    for (const char *term : terms) {
        const qsizetype index = axis->categories().indexOf(utf8(term));
        QVERIFY2(index >= 0, term);
        const qreal y = view->chart()->mapToPosition(QPointF(0, qreal(index)), series).y();
        QVERIFY2(y > above, term);
        above = y;
    }
    int readingAbove = -1;
    for (const char *reading : readings) {
        QVERIFY2(top(control(&summary.window, reading)) > readingAbove, reading);
        readingAbove = top(control(&summary.window, reading));
    }

    // Each caption level with the first line of its value.
    for (const char *caption :
        { "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label18" }) {
        auto *label = control<QLabel>(&summary.window, caption);
        auto *value = qobject_cast<QLabel *>(label->buddy());
        QVERIFY2(value, caption);
        const auto firstLine = [&top](QLabel *shown) {
            return top(shown) + shown->contentsRect().top() + shown->margin();
        };
        QVERIFY2(std::abs(firstLine(label) - firstLine(value)) <= 1, caption);
    }
}

void SummaryTest::windowTitleLegendsAndLeaving()
{
    {
        FormDriver driver(en);
        QWidget *summary = openSummary(driver, { "Método_4" });
        QCOMPARE(summary->windowTitle(), QStringLiteral("Results"));
        QCOMPARE(control<QLabel>(summary, "Label22")->text(), QStringLiteral("In rank"));
        QCOMPARE(control<QLabel>(summary, "Label24")->text(), QStringLiteral("Rango"));
        QCOMPARE(accessibleName(control(summary, "Picture9")), QStringLiteral("Print"));
        press(summary, "salir");
        FormDriver::settle();
        QVERIFY(!driver.windows.isOpen(WindowId::ResultsSummary));
        QVERIFY(driver.windows.isOpen(WindowId::Hub));
    }
    FormDriver driver(es);
    QWidget *summary = openSummary(driver, { "Método_4" });
    QSignalSpy closed(&driver.windows, &Windows::closed);
    MessageRecorder yes(QMessageBox::Yes);
    driver.click(summary, QStringLiteral("Picture2"));
    QCOMPARE(yes.count(), 1);
    QList<WindowId> order;
    for (const QList<QVariant> &signal : closed)
        order << signal.at(0).value<WindowId>();
    QCOMPARE(
        order, (QList<WindowId> { WindowId::InputForm, WindowId::Hub, WindowId::ResultsSummary }));
}

void SummaryTest::printsToAOnePagePdf()
{
    FormDriver driver(es);
    QWidget *summary = openSummary(driver, { "Método_0", "Método_2" });
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("resultados.pdf"));
    QString error;
    QVERIFY2(saveWindowImageAsPdf(*summary, path, &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    // One page object (the page tree is "/Type /Pages"), carrying the window's picture.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    QCOMPARE(QString::fromLatin1(pdf).count(page), 1);
    QVERIFY(pdf.contains("/Subtype /Image"));
    QVERIFY(pdf.size() > 10000);
    driver.windows.close(WindowId::ResultsSummary);
}

QTEST_MAIN(SummaryTest)
#include "summary_test.moc"
