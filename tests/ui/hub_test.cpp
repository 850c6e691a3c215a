// The evaluation hub as the input form opens it: the input summary, the method buttons, what
// one evaluation reports (PMV out of its range, arithmetic faults), and its links.

#include "form_driver.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <map>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;

namespace {

const QStringList kMethodButtons { "BIVM", "BISC", "BWBGT", "BSWreq", "BIVF", "BIREQ" };
const QStringList kValueAreas { "Metabolismo", "Taseco", "Iclo", "vaire", "tglobo", "tbhn",
    "Radsolar", "postura", "humedad" };

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

QString shown(QWidget *hub, const QString &name)
{
    return control<QLabel>(hub, name)->text();
}

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QStringList enabledButtons(QWidget *hub)
{
    QStringList enabled;
    for (const QString &name : kMethodButtons)
        if (control(hub, name)->isEnabled())
            enabled << name;
    return enabled;
}

} // namespace

class HubTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void summaryCopiesTheInputForm_data();
    void summaryCopiesTheInputForm();
    void captionsAndAccessibleNames();
    void pmvOutOfRangeSwitchesPmvOff_data();
    void pmvOutOfRangeSwitchesPmvOff();
    void faultIsReportedAndTheHubStaysUsable_data();
    void faultIsReportedAndTheHubStaysUsable();
    void modifyThenLoadEvaluatesAfresh_data();
    void modifyThenLoadEvaluatesAfresh();
    void loadingWhileOpenOnlyRaisesTheHub();
    void controlsOpenTheirWindows_data();
    void controlsOpenTheirWindows();
    void exitClosesTheChain();
    void valueAreasAreNamedByTheirCaptions_data();
    void valueAreasAreNamedByTheirCaptions();
    void enterOnAFocusedPictureActivatesIt_data();
    void enterOnAFocusedPictureActivatesIt();
};

void HubTest::summaryCopiesTheInputForm_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("expected"); // "name=text" of labels and value areas
    QTest::addColumn<QStringList>("disabled"); // labels and value areas

    const int es = int(model::Language::Spanish);
    const int en = int(model::Language::English);
    // Labels and (empty) value areas of the inputs that PMV, HSI and IREQ leave out: natural wet
    // bulb, solar load, posture.
    const QStringList withoutWbgtAndSweat { "Label12", "Label13", "Label14", "Label15", "tbhn",
        "Radsolar", "postura" };
    QStringList everyLabel;
    for (int label = 2; label <= 16; ++label)
        everyLabel << QStringLiteral("Label%1").arg(label);
    QTest::newRow("English, globe temperature given")
        << en << QStringList { "Método_0" }
        << QStringList { "Label2=Metabolic power (M):", "Metabolismo=85",
               "Label4=Ambient air temperature (ta):", "Taseco=18", "Iclo=0.7", "vaire=0.15",
               "Label10=Globe Temperature (tg):", "tglobo=20",
               "Label16=Relative humidity (%):", "Label17=%", "humedad=65",
               "tbhn=", "Radsolar=", "postura=", "Label14=Solar load", "Label15=Posture" }
        << withoutWbgtAndSweat;
    QTest::newRow("Spanish, mean radiant temperature given")
        << es << QStringList { "Método_0", "Radiacion_1", "TRMedia=22.5" }
        << QStringList { "Label10=Temperatura radiante media (TRM):", "tglobo=22.5", "Label11=°C" }
        << withoutWbgtAndSweat;
    QTest::newRow("English, mean radiant temperature given")
        << en << QStringList { "Método_1", "Radiacion_1" }
        << QStringList { "Label10=Mean radiant temperature (tr):", "tglobo=20" }
        << withoutWbgtAndSweat;
    QTest::newRow("Spanish, globe keeps the stored caption")
        << es << QStringList { "Método_2" }
        << QStringList { "Label10=Temperatura de globo (Tg):", "tglobo=20", "tbhn=16",
               "Radsolar=NO", "Label14=Carga solar",
               "Label12=Temperatura de bulbo húmedo natural (THN)",
               "Iclo=", "humedad=", "Label16=Humedad", "Label17=" }
        << QStringList { "Label6", "Label7", "Label15", "Label16", "Iclo", "postura", "humedad" };
    QTest::newRow("vapour pressure as typed")
        << es << QStringList { "Método_1", "humedad_2", "pa= 1,70x", "Metabolismo=90 " }
        << QStringList { "Label16=Presión parcial del vapor de agua (pa, en kPa)", "Label17=kPa",
               "humedad= 1,70x", "Metabolismo=90 " }
        << withoutWbgtAndSweat;
    QTest::newRow("wet bulb temperature")
        << en << QStringList { "Método_5", "humedad_1", "tbh=12" }
        << QStringList { "Label16=Wet-bulb temperature(tw, in °C):", "Label17=°C", "humedad=12" }
        << withoutWbgtAndSweat;
    QTest::newRow("English outdoors, crouching")
        << en << QStringList { "Método_2", "Método_3", "Radsolar_0", "postura_2" }
        << QStringList { "Radsolar=YES", "postura=Crouching", "Label15=Posture" } << QStringList {};
    QTest::newRow("Spanish outdoors, standing")
        << es << QStringList { "Método_2", "Método_3", "Radsolar_0", "postura_0" }
        << QStringList { "Radsolar=SI", "postura=De pie", "Label15=Postura" } << QStringList {};
    QTest::newRow("radiation group off")
        << es << QStringList { "Método_4" } << QStringList { "tglobo=", "Metabolismo=85", "Iclo=" }
        << QStringList { "Label6", "Label7", "Label10", "Label11", "Label12", "Label13", "Label14",
               "Label15", "Label16", "Iclo", "tglobo", "tbhn", "Radsolar", "postura", "humedad" };
    QTest::newRow("no method") << es << QStringList {}
                               << QStringList { "Metabolismo=", "Taseco=",
                                      "Label2=Metabolismo (M)" }
                               << everyLabel + kValueAreas;
}

void HubTest::summaryCopiesTheInputForm()
{
    QFETCH(int, language);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, disabled);
    FormDriver driver { model::Language(language) };
    driver.perform(actions);
    MessageRecorder messages;
    driver.load();
    QCOMPARE(messages.count(), 0);
    QWidget *hub = driver.hub();
    QVERIFY(hub);

    for (const QString &entry : expected) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        QCOMPARE(shown(hub, entry.left(equals)), entry.mid(equals + 1));
    }
    for (int label = 2; label <= 17; ++label) {
        const QString name = QStringLiteral("Label%1").arg(label);
        QVERIFY2(control(hub, name)->isEnabled() != disabled.contains(name), qPrintable(name));
    }
    // An area left empty beside a greyed caption looks, and reads, disabled too.
    for (const QString &area : kValueAreas)
        QVERIFY2(QAccessible::queryAccessibleInterface(control(hub, area))->state().disabled
                == disabled.contains(area),
            qPrintable(area));
}

void HubTest::captionsAndAccessibleNames()
{
    {
        FormDriver driver(model::Language::Spanish);
        driver.perform({ "Método_2" });
        driver.load();
        QWidget *hub = driver.hub();
        QCOMPARE(hub->windowTitle(), utf8("Métodos"));
        QCOMPARE(shown(hub, "Label1"), utf8("Parámetros:"));
        QCOMPARE(control<QPushButton>(hub, "BIVM")->text(), QStringLiteral("IVM"));
        QCOMPARE(shown(hub, "infv"), QStringLiteral("INFLUENCIA DE LA VELOCIDAD DEL AIRE"));
        QCOMPARE(accessibleName(control(hub, "Picture1")), QStringLiteral("RESULTADOS"));
        QCOMPARE(accessibleName(control(hub, "tglobo")), utf8("Temperatura de globo (Tg): 20"));
        QCOMPARE(accessibleName(control(hub, "BWBGT")), QStringLiteral("WBGT"));
        // Only the selected method's view can be opened.
        QCOMPARE(enabledButtons(hub), QStringList { "BWBGT" });
    }
    FormDriver driver(model::Language::English);
    driver.load();
    QWidget *hub = driver.hub();
    QCOMPARE(hub->windowTitle(), QStringLiteral(" "));
    const std::pair<const char *, const char *> captions[] = {
        { "Label1", "Parameters" },
        { "result", "RESULTS" },
        { "param", "PARAMETERS" },
        { "infv", "INFLUENCE OF AIR VELOCITY" },
        { "modif", "MODIFY VALUES" },
    };
    for (const auto &[name, caption] : captions)
        QCOMPARE(shown(hub, name), utf8(caption));
    const QStringList buttons { "Fanger's PMV", "ISC", "WBGT", "SWreq", "WCI", "IREQ" };
    for (int i = 0; i < kMethodButtons.size(); ++i)
        QCOMPARE(control<QPushButton>(hub, kMethodButtons[i])->text(), buttons[i]);
    QCOMPARE(accessibleName(control(hub, "modificar")), QStringLiteral("MODIFY VALUES"));
    QCOMPARE(accessibleName(control(hub, "Picture2")), QStringLiteral("Exit the program"));
    QVERIFY(enabledButtons(hub).isEmpty());
}

void HubTest::pmvOutOfRangeSwitchesPmvOff_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("outOfRange");

    const int es = int(model::Language::Spanish);
    const int en = int(model::Language::English);
    QTest::newRow("M 45.9") << es << QStringList { "Metabolismo=45.9" } << true;
    QTest::newRow("M 46, bound included") << es << QStringList { "Metabolismo=46" } << false;
    // var = va + 0.0052·(M − 58) stays below 1 m/s only in nearly still air.
    QTest::newRow("M 232, bound included")
        << es << QStringList { "Metabolismo=232", "vaire=0.05" } << false;
    QTest::newRow("Icl 2.01, English") << en << QStringList { "Iclo=2.01" } << true;
    QTest::newRow("Icl 2, bound included") << en << QStringList { "Iclo=2" } << false;
}

void HubTest::pmvOutOfRangeSwitchesPmvOff()
{
    QFETCH(int, language);
    QFETCH(QStringList, edits);
    QFETCH(bool, outOfRange);
    FormDriver driver { model::Language(language) };
    driver.perform(QStringList { "Método_0", "Método_2" } + edits);
    MessageRecorder messages;
    // The registry records the hub before its load evaluates and raises the message.
    int messagesWhenRecorded = -1;
    QObject::connect(&driver.windows, &Windows::opened, &driver.windows, [&](WindowId id) {
        if (id == WindowId::Hub)
            messagesWhenRecorded = messages.count();
    });
    driver.load();
    QWidget *hub = driver.hub();
    QVERIFY(hub);

    QCOMPARE(messagesWhenRecorded, 0);
    QCOMPARE(messages.count(), outOfRange ? 1 : 0);
    const EvaluationSession &session = driver.state.session();
    QVERIFY(session.hasRun());
    QCOMPARE(session.last().pmvOutOfRange, outOfRange);
    QCOMPARE(session.scope().finished(model::Method::Pmv), !outOfRange);
    QVERIFY(session.scope().finished(model::Method::Wbgt));
    QVERIFY(!session.last().fault);
    QCOMPARE(control<QCheckBox>(driver.form(), utf8("Método_0"))->isChecked(), !outOfRange);
    QCOMPARE(driver.state.input().method(model::Method::Pmv), !outOfRange);
    // With WBGT alone left on, the clothing and humidity inputs are disabled again.
    QCOMPARE(control(driver.form(), "Iclo")->isEnabled(), !outOfRange);
    QCOMPARE(control(driver.form(), "Frame3")->isEnabled(), !outOfRange);
    QCOMPARE(control(hub, "BIVM")->isEnabled(), !outOfRange);
    QVERIFY(control(hub, "BWBGT")->isEnabled());
    QCOMPARE(driver.state.results().WBGT, 0.7 * 16 + 0.3 * 20); // indoors: 0.7 tnw + 0.3 tg
    if (!outOfRange)
        return;
    const Message &message = messages.seen().front();
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    if (language == int(model::Language::Spanish)) {
        QCOMPARE(message.title, utf8("Parámetros fuera del rango del IVM"));
        QVERIFY(message.text.startsWith(
            utf8("Alguno de los parámetros introducidos está fuera del rango")));
    } else {
        QCOMPARE(message.title, QStringLiteral("Parameters out of PMV rank"));
        QCOMPARE(message.text,
            QStringLiteral("Some of the introduced parameters are out of Fanger's Method "
                           "application rank. Fanger's Method is automatically turned off."));
    }
}

void HubTest::faultIsReportedAndTheHubStaysUsable_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("named"); // words the message must contain
    QTest::addColumn<QStringList>("enabledAfter");

    const int es = int(model::Language::Spanish);
    const int en = int(model::Language::English);
    QTest::newRow("air velocity beyond a double")
        << es << QStringList { "Método_2", "Método_4", "vaire=1e999" }
        << QStringList { utf8("«Velocidad del aire (va)»") } << QStringList {};
    QTest::newRow("metabolic power beyond a double, English")
        << en << QStringList { "Método_4", "Metabolismo=1e999" }
        << QStringList { utf8("«Metabolic power (M)»") } << QStringList {};
    QTest::newRow("wind chill overflow") << en << QStringList { "Método_4", "Taseco=-1e307" }
                                         << QStringList { "WCI", "overflow" } << QStringList {};
    QTest::newRow("wind chill overflow after WBGT ran, Spanish")
        << es
        << QStringList { "Método_2", "Método_4", "Radiacion_1", "Taseco=-1e307", "tbhn=-1e307" }
        << QStringList { "IVF", "WCI" } << QStringList { "BWBGT" };
}

void HubTest::faultIsReportedAndTheHubStaysUsable()
{
    QFETCH(int, language);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, named);
    QFETCH(QStringList, enabledAfter);
    FormDriver driver { model::Language(language) };
    driver.perform(actions);
    MessageRecorder messages;
    driver.load();

    QCOMPARE(messages.count(), 1);
    const Message &message = messages.seen().front();
    QCOMPARE(message.title,
        language == int(model::Language::English) ? QStringLiteral("Arithmetic fault")
                                                  : utf8("Error aritmético"));
    for (const QString &word : named)
        QVERIFY2(message.text.contains(word), qPrintable(message.text));
    QVERIFY(!message.text.contains(QStringLiteral("inf"))
        && !message.text.contains(QStringLiteral("nan")));

    QVERIFY(driver.state.session().last().fault);
    QCOMPARE(driver.state.session().scope().finished(model::Method::Wbgt),
        enabledAfter.contains("BWBGT"));
    QVERIFY(!driver.state.session().scope().finished(model::Method::Wci));

    // Only the views of methods that ran to the end can be opened; the hub goes on working.
    QWidget *hub = driver.hub();
    QVERIFY(hub && hub->isVisible());
    QCOMPARE(enabledButtons(hub), enabledAfter);
    driver.click(hub, "modif");
    FormDriver::settle();
    QVERIFY(!driver.windows.isOpen(WindowId::Hub));
    driver.perform({ "vaire=0.15", "Metabolismo=85", "Taseco=18", "tbhn=16" });
    messages.clear();
    driver.load();
    QCOMPARE(messages.count(), 0);
    QVERIFY(enabledButtons(driver.hub()).contains("BIVF"));
    QVERIFY(!driver.state.session().last().fault);
    QVERIFY(driver.state.session().scope().finished(model::Method::Wci));
}

void HubTest::modifyThenLoadEvaluatesAfresh_data()
{
    QTest::addColumn<QString>("back");
    QTest::newRow("label") << "modif";
    QTest::newRow("picture") << "modificar";
}

void HubTest::modifyThenLoadEvaluatesAfresh()
{
    QFETCH(QString, back);
    FormDriver driver(model::Language::Spanish);
    driver.perform({ "Método_2" });
    driver.load();
    QCOMPARE(driver.state.results().WBGT, 0.7 * 16 + 0.3 * 20);

    driver.click(driver.hub(), back);
    FormDriver::settle();
    QVERIFY(!driver.windows.isOpen(WindowId::Hub));
    QVERIFY(driver.form()->isVisible());
    QCOMPARE(driver.state.results().WBGT, 0.7 * 16 + 0.3 * 20); // the record outlives the window

    driver.perform({ "tglobo=30" });
    driver.load();
    QCOMPARE(shown(driver.hub(), "tglobo"), QStringLiteral("30"));
    QCOMPARE(driver.state.results().WBGT, 0.7 * 16 + 0.3 * 30);
}

void HubTest::loadingWhileOpenOnlyRaisesTheHub()
{
    FormDriver driver(model::Language::Spanish);
    driver.perform({ "Método_2" });
    driver.load();
    QWidget *hub = driver.hub();
    const double wbgt = driver.state.results().WBGT;

    driver.perform({ "tglobo=30", "Método_0" });
    MessageRecorder messages;
    driver.load();
    QCOMPARE(messages.count(), 0);
    QCOMPARE(driver.hub(), hub);
    QCOMPARE(shown(hub, "tglobo"), QStringLiteral("20"));
    QCOMPARE(driver.state.results().WBGT, wbgt);
    QVERIFY(!control(hub, "BIVM")->isEnabled());
}

void HubTest::controlsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("opens");

    const std::tuple<const char *, const char *, WindowId> rows[] = {
        { "Método_0", "BIVM", WindowId::PmvView },
        { "Método_1", "BISC", WindowId::HsiView },
        { "Método_2", "BWBGT", WindowId::WbgtView },
        { "Método_3", "BSWreq", WindowId::SweatRateView },
        { "Método_4", "BIVF", WindowId::WindChillView },
        { "Método_5", "BIREQ", WindowId::IreqView },
        { "Método_4", "result", WindowId::ResultsSummary },
        { "Método_4", "Picture1", WindowId::ResultsSummary },
        { "Método_4", "param", WindowId::ParametersReport },
        { "Método_4", "observaciones", WindowId::ParametersReport },
        { "Método_4", "infv", WindowId::SweepWindow },
        { "Método_4", "Picture3", WindowId::SweepWindow },
    };
    for (const auto &[method, name, opens] : rows)
        QTest::newRow(name) << utf8(method) << QString::fromLatin1(name) << int(opens);
}

void HubTest::controlsOpenTheirWindows()
{
    QFETCH(QString, method);
    QFETCH(QString, control);
    QFETCH(int, opens);
    FormDriver driver(model::Language::Spanish);
    driver.perform({ method });
    driver.load();
    QWidget *hub = driver.hub();

    // Until the window exists the click does nothing; the windows the hub's own folder builds
    // exist already.
    if (!driver.windows.canOpen(WindowId(opens))) {
        driver.click(hub, control);
        QVERIFY(!driver.windows.isOpen(WindowId(opens)));
        driver.windows.registerFactory(WindowId(opens), [] { return new QWidget; });
    }
    driver.click(hub, control);
    QVERIFY(driver.windows.isOpen(WindowId(opens)));
    QVERIFY(driver.windows.isOpen(WindowId::Hub));
    driver.windows.close(WindowId(opens));
}

void HubTest::exitClosesTheChain()
{
    FormDriver driver(model::Language::Spanish);
    driver.load();
    {
        MessageRecorder no(QMessageBox::No);
        driver.click(driver.hub(), "Picture2");
        QCOMPARE(no.count(), 1);
        QVERIFY(driver.windows.isOpen(WindowId::Hub));
    }
    MessageRecorder yes(QMessageBox::Yes);
    driver.click(driver.hub(), "Picture2");
    QCOMPARE(yes.count(), 1);
    QVERIFY(!driver.windows.isOpen(WindowId::Hub));
    QVERIFY(!driver.windows.isOpen(WindowId::InputForm));
}

void HubTest::valueAreasAreNamedByTheirCaptions_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("names"); // "area=accessible name"
    QTest::addColumn<QStringList>("outOfTabOrder");
    QTest::newRow("English, PMV") << int(model::Language::English) << QStringList { "Método_0" }
                                  << QStringList { "Metabolismo=Metabolic power (M): 85",
                                         "Taseco=Ambient air temperature (ta): 18",
                                         "Iclo=Clothing Insulation (Iclo): 0.7",
                                         "vaire=Air velocity (va): 0.15",
                                         "tglobo=Globe Temperature (tg): 20",
                                         "humedad=Relative humidity (%): 65",
                                         "tbhn=Natural wet-bulb temperature (tnw)" }
                                  << QStringList { "tbhn", "Radsolar", "postura" };
    QTest::newRow("Spanish, WBGT with the wet-bulb option")
        << int(model::Language::Spanish) << QStringList { "Método_2", "Método_3", "humedad_1" }
        << QStringList { "tbhn=Temperatura de bulbo húmedo natural (THN): 16",
               "Radsolar=Carga solar: NO", "postura=Postura: Sentado",
               "humedad=Temperatura de bulbo húmedo (tbh, en °C): 17" }
        << QStringList {};
}

void HubTest::valueAreasAreNamedByTheirCaptions()
{
    QFETCH(int, language);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, names);
    QFETCH(QStringList, outOfTabOrder);
    FormDriver driver { model::Language(language) };
    driver.perform(actions);
    driver.load();
    QWidget *hub = driver.hub();
    for (const QString &entry : names) {
        const QString area = entry.section('=', 0, 0);
        QCOMPARE(accessibleName(control(hub, area)), entry.section('=', 1));
    }
    for (const char *area : { "Metabolismo", "Taseco", "Iclo", "vaire", "tglobo", "tbhn",
             "Radsolar", "postura", "humedad" }) {
        const bool tabbable = control(hub, area)->focusPolicy() & Qt::TabFocus;
        QVERIFY2(tabbable != outOfTabOrder.contains(area), area);
    }
}

void HubTest::enterOnAFocusedPictureActivatesIt_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("opens"); // -1: the exit question
    QTest::newRow("results") << "Picture1" << int(WindowId::ResultsSummary);
    QTest::newRow("report") << "observaciones" << int(WindowId::ParametersReport);
    QTest::newRow("sweep") << "Picture3" << int(WindowId::SweepWindow);
    QTest::newRow("exit") << "Picture2" << -1;
}

void HubTest::enterOnAFocusedPictureActivatesIt()
{
    QFETCH(QString, picture);
    QFETCH(int, opens);
    FormDriver driver(model::Language::Spanish);
    driver.load();
    QWidget *hub = driver.hub();
    if (opens >= 0)
        driver.windows.registerFactory(WindowId(opens), [] { return new QWidget; });
    hub->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(hub));
    QWidget *target = control(hub, picture);
    target->setFocus();
    QVERIFY(target->hasFocus());
    MessageRecorder messages(QMessageBox::No);
    QTest::keyClick(target, Qt::Key_Return);
    if (opens >= 0) {
        QVERIFY(driver.windows.isOpen(WindowId(opens)));
        driver.windows.close(WindowId(opens));
    } else {
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.seen().front().buttonTexts.size(), 2);
    }
}

QTEST_MAIN(HubTest)
#include "hub_test.moc"
