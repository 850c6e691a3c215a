// The parameters report: the inputs as typed with the input form's captions and enabled states,
// the common parameters and the method blocks, greyed and empty for methods not ticked, the
// balance and exposure rows, and its buttons.

#include "form_driver.h"

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
    void inputsAsTypedWithTheInputFormsCaptions_data();
    void inputsAsTypedWithTheInputFormsCaptions();
    void resultRows_data();
    void resultRows();
    void buttonsCloseAndAskToExit();
};

void ReportWindowTest::windChillAloneGreysTheMethodBlocks()
{
    FormDriver driver(model::Language::Spanish);
    driver.perform({ "Método_4" });
    driver.load();
    driver.click(driver.hub(), QStringLiteral("observaciones"));
    QWidget *report = driver.windows.window(WindowId::Form14);
    QVERIFY(report);
    QCOMPARE(report->windowTitle(), QString::fromUtf8("Parámetros"));

    // Relative air velocity 0.15 + 0.0052·(85 − 58) m/s.
    expectTexts(report,
        { "varp=0.29", "Tradmedp=", "HRp=", "pap=", "Metabolismo=85", "Taseco=18", "vaire=0.15",
            "Iclo=", "tglobo=", "humedad=" });
    for (const QString &name : { "var_0", "var_1", "Label2", "Label8", "Label19", "Label20",
             "Label21", "Label22", "Label1", "Label18" })
        QVERIFY2(labelOf(report, name)->isEnabled(), qPrintable(name));
    QStringList greyed { "TradMed_0", "TradMed_1", "HR_0", "HR_1", "pa_0", "pa_1", "Label6",
        "Label10", "Label11", "Label16" };
    greyed << arrayNames("SW", 28) << arrayNames("ISC", 10) << arrayNames("IVM", 15)
           << arrayNames("IReQ", 17);
    for (const QString &name : greyed)
        QVERIFY2(!labelOf(report, name)->isEnabled(), qPrintable(name));
    for (const QString &name :
        arrayNames("SWp", 15) + arrayNames("ISCp", 5) + arrayNames("IVMP", 8) + arrayNames("IREQP", 9))
        QVERIFY2(labelOf(report, name)->text().isEmpty(), qPrintable(name));
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
        << QStringList { "Label10=TRM:", "tglobo=20", "Label2=Metabolic power (M):",
               "Label16=Relative Humidity" };
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
    QTest::newRow("Spanish indoors, seated")
        << es << QStringList { "Método_2", "Método_3" }
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
    QWidget *report = driver.windows.window(WindowId::Form14);
    QVERIFY(report);
    expectTexts(report, expected);
}

void ReportWindowTest::resultRows_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::addColumn<QStringList>("expected");

    // Balance: the heat storage is practically zero within 0.001 W/m², on either side.
    QTest::newRow("sweat rate, A −0.0005")
        << es << "Método_3" << "AcSW" << -0.0005 << QStringList { "SWp_0=SI" };
    QTest::newRow("sweat rate, A 0.001")
        << en << "Método_3" << "AcSW" << 0.001 << QStringList { "SWp_0=NO" };
    QTest::newRow("sweat rate, A −5")
        << es << "Método_3" << "AcSW" << -5.0 << QStringList { "SWp_0=NO", "SWp_6=-5.00" };
    QTest::newRow("PMV, A −0.0005")
        << en << "Método_0" << "AcIVM" << -0.0005 << QStringList { "IVMP_0=SI" };
    QTest::newRow("IREQ, A −12.3")
        << es << "Método_5" << "AcIREQ" << -12.3 << QStringList { "IREQP_0=NO", "IREQP_6=-12.30" };
    // Exposure: only the mark −1 reads as unlimited, without its unit.
    QTest::newRow("DLE −1, Spanish")
        << es << "Método_3" << "DLEnaa" << -1.0 << QStringList { "SWp_13=Ilimitada", "SW_26=" };
    QTest::newRow("DLE −1, English")
        << en << "Método_3" << "DLEnaa" << -1.0 << QStringList { "SWp_13=Ilimitada", "SW_26=" };
    QTest::newRow("DLE 0")
        << es << "Método_3" << "DLEnaa" << 0.0 << QStringList { "SWp_13=0.00", "SW_26=min" };
    QTest::newRow("DLE 1234.567")
        << en << "Método_3" << "DLEnaa" << 1234.567 << QStringList { "SWp_13=1,234.57", "SW_26=min" };
    // The mean radiant temperature with one decimal, the other common values with two.
    QTest::newRow("TRM 35.26")
        << es << "Método_1" << "TRM" << 35.26
        << QStringList { "Tradmedp=35.3", "varp=0.29", "pap=1.34", "HRp=65.00" };
    // Evaporation rate: wettedness 0.5 times the maximal evaporation 123.4 W/m².
    QTest::newRow("evaporation rate")
        << en << "Método_3" << "wpnaa" << 0.5 << QStringList { "SWp_10=0.50", "SWp_12=61.70" };
}

void ReportWindowTest::resultRows()
{
    QFETCH(int, language);
    QFETCH(QString, method);
    QFETCH(QString, field);
    QFETCH(double, value);
    QFETCH(QStringList, expected);
    FormDriver driver { model::Language(language) };
    driver.perform({ method });
    driver.load();
    // The values under test written into the record the report reads.
    model::MethodResults &results = driver.state.results();
    results.EmaxSW = 123.4;
    const std::pair<const char *, double *> fields[] = { { "AcSW", &results.AcSW },
        { "AcIVM", &results.AcIVM }, { "AcIREQ", &results.AcIREQ },
        { "DLEnaa", &results.DLEnaa }, { "TRM", &results.TRM }, { "wpnaa", &results.wpnaa } };
    for (const auto &[name, target] : fields)
        if (field == QLatin1String(name))
            *target = value;
    driver.click(driver.hub(), QStringLiteral("observaciones"));
    QWidget *report = driver.windows.window(WindowId::Form14);
    QVERIFY(report);
    expectTexts(report, expected);
}

void ReportWindowTest::buttonsCloseAndAskToExit()
{
    FormDriver driver(model::Language::English);
    driver.perform({ "Método_4" });
    driver.load();
    driver.click(driver.hub(), QStringLiteral("param"));
    QWidget *report = driver.windows.window(WindowId::Form14);
    QVERIFY(report);
    QCOMPARE(report->windowTitle(), QStringLiteral("Parameters"));
    {
        MessageRecorder no(QMessageBox::No);
        driver.click(report, QStringLiteral("Picture2"));
        QCOMPARE(no.count(), 1);
    }
    QVERIFY(driver.windows.isOpen(WindowId::Form14));
    driver.click(report, QStringLiteral("salir"));
    QVERIFY(!driver.windows.isOpen(WindowId::Form14));
    QVERIFY(driver.windows.isOpen(WindowId::Form2));
}

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
