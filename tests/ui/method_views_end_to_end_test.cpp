// From a fresh input form: all six methods ticked, values typed, LOAD VALUES, and each method
// view opened from the hub's buttons. Every number a view shows must be what the command line
// prints for the same point, rounded to two decimals as the view rounds it. The command line is
// a separate process reading its own options, so a view that shows a wrong field, or a value
// from an earlier evaluation, disagrees with it.

#include "form_driver.h"
#include "ui/results/register.h"
#include "ui/shell/control_name.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QTest>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;

namespace {

// A cold, windy indoor point inside the PMV range at which every method runs to its end and
// the worn clothing (0.8 clo) is below both IREQ requirements, so its exposures are limited.
const QStringList kTyped { "Metabolismo=80", "Taseco=10", "Iclo=0.8", "vaire=0.8", "tglobo=11",
    "tbhn=6", "HR=60" };
const QStringList kCliOptions { "--M", "80", "--ta", "10", "--clo", "0.8", "--va", "0.8", "--tg",
    "11", "--tnw", "6", "--rh", "60", "--solar", "indoor", "--posture", "seated" };

QJsonObject cliResults()
{
    QProcess cli;
    cli.start(QStringLiteral(KALVORA_CLI),
        QStringList { "evaluate", "--methods", "all", "--format", "json" } + kCliOptions);
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        qFatal("the command line failed: %s", cli.readAllStandardError().constData());
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object()["results"].toObject();
}

/// What a view writes for a number: two decimals, grouped, in the pinned English locale.
QString twoDecimals(double value)
{
    return QLocale().toString(value, 'f', 2);
}

struct Door
{
    const char *button;
    WindowId view;
};

} // namespace

class MethodViewsEndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void everyViewShowsWhatTheCommandLinePrints();
};

void MethodViewsEndToEndTest::everyViewShowsWhatTheCommandLinePrints()
{
    const QJsonObject cli = cliResults();
    const auto value = [&cli](const char *field) {
        if (!cli.contains(QLatin1String(field)))
            qFatal("the command line gave no %s", field);
        return twoDecimals(cli[QLatin1String(field)].toDouble());
    };

    FormDriver driver(model::Language::English);
    registerMethodViews(driver.state, driver.windows);
    QStringList actions;
    for (int method = 0; method < model::kMethodCount; ++method)
        actions << controlName("Método", method);
    driver.perform(actions + kTyped);
    driver.load();
    QVERIFY(driver.hub());

    // The expected line of every value area, per view.
    const QMap<WindowId, QStringList> expected {
        { WindowId::WbgtView, { "indice=WBGT = " + value("WBGT") + "°C", "M=M = 80.00 W/m²" } },
        { WindowId::PmvView,
            { "PicIVM=PMV = " + value("IVM"), "PicPPI=PPD = " + value("PPI") + " %" } },
        { WindowId::WindChillView,
            { "CalculoWCI=WCI = " + value("WCI") + "W/m²",
                "Calculotch=Tch = " + value("tch") + "°C" } },
        // Negative: the exposure is not limited.
        { WindowId::HsiView, { "IISC=" + value("ISC") + "%", "ITEP=Ilimitado" } },
        { WindowId::SweatRateView,
            { "pwpnaa=" + value("wpnaa"), "pSWpap=" + value("SWpap"),
                "pEpaa=" + twoDecimals(cli["wpaa"].toDouble() * cli["EmaxSW"].toDouble()),
                "pDnap=" + twoDecimals(cli["SWpnap"].toDouble() * 2.6), "pDLEnaa=Ulimited" } },
        { WindowId::IreqView,
            { "IREQ1=" + value("IREQ1"), "IREQ2=" + value("IREQ2"), "Iclod=0.80",
                "PDLEmin=" + value("DLE3"), "PDLEneut=" + value("DLE4") } },
    };
    const Door kDoors[] = { { "BWBGT", WindowId::WbgtView }, { "BIVM", WindowId::PmvView },
        { "BIVF", WindowId::WindChillView }, { "BISC", WindowId::HsiView },
        { "BSWreq", WindowId::SweatRateView }, { "BIREQ", WindowId::IreqView } };
    for (const Door &door : kDoors) {
        QVERIFY2(control(driver.hub(), door.button)->isEnabled(), door.button);
        driver.click(driver.hub(), QString::fromUtf8(door.button));
        QWidget *view = driver.windows.window(door.view);
        QVERIFY2(view && view->isVisible(), door.button);
        for (const QString &pair : expected[door.view])
            QCOMPARE(control<QLabel>(view, pair.section('=', 0, 0))->text(), pair.section('=', 1));
        driver.windows.close(door.view);
    }
}

QTEST_MAIN(MethodViewsEndToEndTest)
#include "method_views_end_to_end_test.moc"
