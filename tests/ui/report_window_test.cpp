// The parameters report: the inputs as typed with the input form's captions and enabled states,
// the common parameters and the method blocks, greyed and empty for methods not ticked, the
// balance and exposure rows, and its buttons.

#include "form_driver.h"
#include "pdf_output.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;

namespace {

constexpr int es = int(model::Language::Spanish);
constexpr int en = int(model::Language::English);

QLabel *labelOf(QWidget *report, const QString &name)
{
    return control<QLabel>(report, name);
}

/// Checks "name=text" pairs of labels and value areas.
void expectTexts(QWidget *report, const QStringList &expected)
{
    for (const QString &pair : expected) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        const QString name = pair.left(equals);
        QVERIFY2(labelOf(report, name)->text() == pair.mid(equals + 1),
            qPrintable(name + QStringLiteral(" shows \"") + labelOf(report, name)->text()
                + QLatin1Char('"')));
    }
}

QStringList arrayNames(const char *array, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i);
    return names;
}

} // namespace

class ReportWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void windChillAloneGreysTheMethodBlocks();
    void relativeAirVelocityOfTheEvaluation_data();
    void relativeAirVelocityOfTheEvaluation();
    void inputsAsTypedWithTheInputFormsCaptions_data();
    void inputsAsTypedWithTheInputFormsCaptions();
    void resultRows_data();
    void resultRows();
    void aMethodStoppedByAFaultShowsNoValues();
    void buttonsCloseAndAskToExit();
};

void ReportWindowTest::windChillAloneGreysTheMethodBlocks()
{
    FormDriver driver(model::Language::Spanish);
    driver.perform({ "Método_4" });
    driver.load();
    driver.click(driver.hub(), QStringLiteral("observaciones"));
    QWidget *report = driver.windows.window(WindowId::ParametersReport);
    QVERIFY(report);
    QCOMPARE(report->windowTitle(), QString::fromUtf8("Parámetros"));

    // Relative air velocity 0.15 + 0.0052·(85 − 58) m/s.
    expectTexts(report,
        { "varp=0.29", "Tradmedp=", "HRp=", "pap=", "Metabolismo=85", "Taseco=18", "vaire=0.15",
            "Iclo=", "tglobo=", "humedad=" });
    for (const QString name : { "var_0", "var_1", "Label2", "Label8", "Label19", "Label20",
             "Label21", "Label22", "Label1", "Label18" })
        QVERIFY2(labelOf(report, name)->isEnabled(), qPrintable(name));
    QStringList greyed { "TradMed_0", "TradMed_1", "HR_0", "HR_1", "pa_0", "pa_1", "Label6",
        "Label10", "Label11", "Label16" };
    greyed << arrayNames("SW", 28) << arrayNames("ISC", 10) << arrayNames("IVM", 15)
           << arrayNames("IReQ", 17);
    for (const QString &name : greyed)
        QVERIFY2(!labelOf(report, name)->isEnabled(), qPrintable(name));
    for (const QString &name : arrayNames("SWp", 15) + arrayNames("ISCp", 5) + arrayNames("IVMP", 8)
            + arrayNames("IREQP", 9))
        QVERIFY2(labelOf(report, name)->text().isEmpty(), qPrintable(name));
    // The empty areas beside greyed captions look and read disabled; those with values do not.
    const auto disabled = [report](const QString &name) {
        return QAccessible::queryAccessibleInterface(labelOf(report, name))->state().disabled;
    };
    for (const QString name : { "Iclo", "tglobo", "tbhn", "Radsolar", "postura", "humedad",
             "Tradmedp", "HRp", "pap", "SWp_0", "IREQP_8" })
        QVERIFY2(disabled(name), qPrintable(name));
    for (const QString name : { "Metabolismo", "Taseco", "vaire", "varp" })
        QVERIFY2(!disabled(name), qPrintable(name));
}

void ReportWindowTest::relativeAirVelocityOfTheEvaluation_data()
{
    QTest::addColumn<QStringList>("evaluated"); // actions on the input form before loading
    QTest::addColumn<QStringList>("since"); // actions on the input form after loading
    QTest::addColumn<bool>("captionEnabled"); // var(0), var(1), as the input form stands now
    QTest::addColumn<QString>("varp");

    // The relative air velocity is the hub's, of its evaluation: shown when the hub's air
    // velocity caption was enabled then, whatever the input form holds now. 0.15 + 0.0052·(85 −
    // 58) m/s.
    QTest::newRow("PMV alone, switched off for its range") << QStringList { "Método_0", "Taseco=35",
        "tglobo=35" } << QStringList {} << false << "0.29";
    QTest::newRow("wind chill, unticked since")
        << QStringList { "Método_4" } << QStringList { "Método_4" } << false << "0.29";
    QTest::newRow("no method, wind chill ticked since")
        << QStringList {} << QStringList { "Método_4" } << true << "";
    QTest::newRow("wind chill throughout")
        << QStringList { "Método_4" } << QStringList {} << true << "0.29";
}

void ReportWindowTest::relativeAirVelocityOfTheEvaluation()
{
    QFETCH(QStringList, evaluated);
    QFETCH(QStringList, since);
    QFETCH(bool, captionEnabled);
    QFETCH(QString, varp);
    FormDriver driver(model::Language::English);
    driver.perform(evaluated);
    {
        MessageRecorder messages; // PMV's range message
        driver.load();
    }
    driver.perform(since);
    driver.click(driver.hub(), QStringLiteral("param"));
    QWidget *report = driver.windows.window(WindowId::ParametersReport);
    QVERIFY(report);
    QCOMPARE(labelOf(report, "varp")->text(), varp);
    for (const char *caption : { "var_0", "var_1", "Label8" })
        QVERIFY2(labelOf(report, caption)->isEnabled() == captionEnabled, caption);
}

void ReportWindowTest::inputsAsTypedWithTheInputFormsCaptions_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("Spanish, typed mean radiant temperature")
        << es << QStringList { "Método_0", "Radiacion_1", "TRMedia=22.5", "Iclo=1.50" }
        << QStringList { "Label10=TRM:", "tglobo=22.5", "Iclo=1.50",
               "Label6=Aislamiento de la ropa (clo)", "Label16=Humedad relativa", "Label17=%",
               "humedad=65" };
    QTest::newRow("English, typed mean radiant temperature")
        << en << QStringList { "Método_1", "Radiacion_1" }
        << QStringList { "Label10=TRM:", "tglobo=20",
               "Label2=Metabolic power (M):", "Label16=Relative Humidity" };
    QTest::newRow("English, globe temperature")
        << en << QStringList { "Método_0" }
        << QStringList { "Label10=Globe Temperature:", "tglobo=20", "Label14=Solar load",
               "Radsolar=" };
    QTest::newRow("Spanish, globe temperature keeps the stored caption")
        << es << QStringList { "Método_0", "Metabolismo=90 " }
        << QStringList { "Label10=Temperatura de globo (Tg):", "Metabolismo=90 " };
    QTest::newRow("vapour pressure as typed")
        << es << QStringList { "Método_3", "humedad_2", "pa= 1,70x" }
        << QStringList { "Label16=Presión parcial de vapor de agua", "Label17=kPa",
               "humedad= 1,70x" };
    QTest::newRow("English wet bulb")
        << en << QStringList { "Método_5", "humedad_1", "tbh=12" }
        << QStringList { "Label16=Wet bulb Temperature", "Label17=°C", "humedad=12" };
    QTest::newRow("English outdoors, crouching")
        << en << QStringList { "Método_2", "Método_3", "Radsolar_0", "postura_2" }
        << QStringList { "Radsolar=YES", "postura=Crouching", "tbhn=16",
               "Label12=Natural wet-bulb temperature (tnw):", "Label15=Posture" };
    QTest::newRow("Spanish indoors, seated") << es << QStringList { "Método_2", "Método_3" }
                                             << QStringList { "Radsolar=NO", "postura=Sentado" };
}

void ReportWindowTest::inputsAsTypedWithTheInputFormsCaptions()
{
    QFETCH(int, language);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, expected);
    FormDriver driver { model::Language(language) };
    driver.perform(actions);
    driver.load();
    driver.click(driver.hub(), QStringLiteral("param"));
    QWidget *report = driver.windows.window(WindowId::ParametersReport);
    QVERIFY(report);
    expectTexts(report, expected);
}

void ReportWindowTest::resultRows_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("notExpected");

    // Cool air, light work: the body loses 6.11 W/m² without sweating; no exposure limit, shown
    // without its unit.
    QTest::newRow("sweat rate, cool, Spanish")
        << es << QStringList { "Método_3" }
        << QStringList { "SWp_0=NO", "SWp_6=-6.11", "SWp_13=Ilimitada", "SW_26=" }
        << QStringList {};
    QTest::newRow("sweat rate, cool, English")
        << en << QStringList { "Método_3" }
        << QStringList { "SWp_0=NO", "SWp_13=Ilimitada", "SW_26=", "SW_0=Thermal balance:" }
        << QStringList {};
    // Warm air: sweating evaporates what the body must lose, the storage is zero.
    QTest::newRow("sweat rate, warm")
        << es << QStringList { "Método_3", "Taseco=30", "tglobo=32", "HR=40" }
        << QStringList { "SWp_0=SI", "SWp_6=0.00" } << QStringList {};
    // Hot and humid work: sweating cannot keep up, the body stores heat and the exposure is
    // limited, shown in minutes.
    QTest::newRow("sweat rate, hot")
        << en << QStringList { "Método_3", "Metabolismo=200", "Taseco=40", "tglobo=50", "HR=60" }
        << QStringList { "SWp_0=NO", "SW_26=min" } << QStringList { "SWp_13=Ilimitada" };
    QTest::newRow("PMV, cool")
        << es << QStringList { "Método_0" }
        << QStringList { "IVMP_0=NO",
               "IVM_13=" + QString::fromUtf8("Coeficiente de transferencia por convección (hc):") }
        << QStringList {};
    // The mean radiant temperature with one decimal, the other common values with two.
    QTest::newRow("TRM 35.26") << es << QStringList { "Método_1", "Radiacion_1", "TRMedia=35.26" }
                               << QStringList { "Tradmedp=35.3", "varp=0.29", "pap=1.34",
                                      "HRp=65.00" }
                               << QStringList {};
}

void ReportWindowTest::resultRows()
{
    QFETCH(int, language);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, notExpected);
    FormDriver driver { model::Language(language) };
    driver.perform(actions);
    driver.load();
    driver.click(driver.hub(), QStringLiteral("observaciones"));
    QWidget *report = driver.windows.window(WindowId::ParametersReport);
    QVERIFY(report);
    expectTexts(report, expected);
    for (const QString &pair : notExpected) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        QVERIFY(labelOf(report, pair.left(equals))->text() != pair.mid(equals + 1));
    }
}

void ReportWindowTest::aMethodStoppedByAFaultShowsNoValues()
{
    // At 5.6 kPa of vapour pressure the skin cannot evaporate: the heat stress index divides by
    // zero and the evaluation stops there. Its block must not show the values of the record.
    FormDriver driver(model::Language::Spanish);
    driver.perform({ "Método_1", "humedad_2", "pa=5.6" });
    {
        MessageRecorder fault;
        driver.load();
        QCOMPARE(fault.count(), 1);
    }
    driver.click(driver.hub(), QStringLiteral("observaciones"));
    QWidget *report = driver.windows.window(WindowId::ParametersReport);
    QVERIFY(report);
    for (const QString &name : arrayNames("ISC", 10))
        QVERIFY2(!labelOf(report, name)->isEnabled(), qPrintable(name));
    for (const QString &name : arrayNames("ISCp", 5))
        QVERIFY2(labelOf(report, name)->text().isEmpty(), qPrintable(name));
    QCOMPARE(labelOf(report, "pap")->text(), QStringLiteral("5.60"));
}

void ReportWindowTest::buttonsCloseAndAskToExit()
{
    FormDriver driver(model::Language::English);
    driver.perform({ "Método_4" });
    driver.load();
    driver.click(driver.hub(), QStringLiteral("param"));
    QWidget *report = driver.windows.window(WindowId::ParametersReport);
    QVERIFY(report);
    QCOMPARE(report->windowTitle(), QStringLiteral("Parameters"));
    {
        MessageRecorder no(QMessageBox::No);
        driver.click(report, QStringLiteral("Picture2"));
        QCOMPARE(no.count(), 1);
    }
    QVERIFY(driver.windows.isOpen(WindowId::ParametersReport));
    QCOMPARE(
        control(report, QStringLiteral("Picture4"))->accessibleName(), QStringLiteral("Print"));
    expectPdfOfWindow(*report, QStringLiteral("report.pdf"));
    driver.click(report, QStringLiteral("salir"));
    QVERIFY(!driver.windows.isOpen(WindowId::ParametersReport));
    QVERIFY(driver.windows.isOpen(WindowId::Hub));
}

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
