// The input form through the user's hands: the enabling rule, option groups, help links, the load
// step's refusals, English captions, accessible names, and any text at all in any field.

#include "form_driver.h"
#include "ui/shell/picture_button.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;

namespace {

const QStringList kBoxes { "Metabolismo", "Taseco", "Iclo", "vaire", "tglobo", "TRMedia", "tbhn",
    "HR", "tbh", "pa" };
const QStringList kFrames { "Rad", "Frame2", "Frame3", "Frame4" };

/// Caption and unit label of each box that has them; the option boxes' labels follow their group.
struct Labels
{
    const char *box;
    const char *caption;
    const char *unit;
};
constexpr Labels kLabels[] = {
    { "Metabolismo", "Label2", "Label3" },
    { "Taseco", "Label4", "Label5" },
    { "Iclo", "Label6", "Label7" },
    { "vaire", "Label8", "Label9" },
    { "tbhn", "Label12", "Label13" },
};

QString spanish(const char *text)
{
    return QString::fromUtf8(text);
}

/// Performs an assistive technology's action on a control.
void doAccessibleAction(QWidget *widget, const QString &action)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(action);
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

/// Help pages of the request, as the viewer would read them.
QStringList helpPages(const AppState &state)
{
    QStringList pages;
    for (int i = 0; i < state.helpRequest().npag; ++i)
        pages << QString::fromStdString(state.helpRequest().pagina[i]);
    return pages;
}

} // namespace

class InputFormTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void freshFormOffersOnlyTheMethods();
    void enablingRuleFollowsTheTickedMethods_data();
    void enablingRuleFollowsTheTickedMethods();
    void selectedOptionsSurviveMethodChanges();
    void typingReachesTheInputSet();
    void helpLinksReactOnlyWhileEnabled_data();
    void helpLinksReactOnlyWhileEnabled();
    void loadRefusesContradictoryTemperatures_data();
    void loadRefusesContradictoryTemperatures();
    void englishCaptions();
    void accessibleNamesAreTheCaptions();
    void anyTextInAnyFieldLoadsWithoutCrashing();
    void exitAsksFirst();
    void everyWayOfTickingRunsTheRule_data();
    void everyWayOfTickingRunsTheRule();
    void textSetWithoutTypingIsEvaluated_data();
    void textSetWithoutTypingIsEvaluated();
    void enterOnAFocusedPictureActivatesIt_data();
    void enterOnAFocusedPictureActivatesIt();
    void captionLinksAnswerTheScreenReader();
    void standardOnItsOwnLineAndOneBoxWidth();
    void leftColumnBoxesStandInOneColumn();
};

void InputFormTest::freshFormOffersOnlyTheMethods()
{
    FormDriver driver(model::Language::Spanish);
    QWidget *form = driver.form();
    const QStringList startTexts { "85", "18", "0.7", "0.15", "20", "20", "16", "65", "17", "1.5" };
    for (int i = 0; i < kBoxes.size(); ++i) {
        auto *box = control<QLineEdit>(form, kBoxes[i]);
        QVERIFY2(!box->isEnabled(), qPrintable(kBoxes[i]));
        QCOMPARE(box->text(), startTexts[i]);
    }
    for (int i = 0; i < model::kMethodCount; ++i) {
        auto *method = control<QCheckBox>(form, spanish("Método_") + QString::number(i));
        QVERIFY(method->isEnabled());
        QVERIFY(!method->isChecked());
    }
    for (const QString &frame : kFrames)
        QVERIFY2(!control(form, frame)->isEnabled(), qPrintable(frame));
    for (const Labels &labels : kLabels) {
        QVERIFY(!control(form, labels.caption)->isEnabled());
        QVERIFY(!control(form, labels.unit)->isEnabled());
    }
    QVERIFY(control(form, "Label1")->isEnabled());
    for (const char *selected : { "Radiacion_0", "humedad_0", "Radsolar_1", "postura_1" })
        QVERIFY2(control<QRadioButton>(form, selected)->isChecked(), selected);
}

void InputFormTest::enablingRuleFollowsTheTickedMethods_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("enabledBoxes");
    QTest::addColumn<QStringList>("enabledFrames");

    const QString base = "Metabolismo,Taseco,vaire";
    QTest::newRow("wind chill alone")
        << QStringList { "Método_4" } << base.split(',') << QStringList {};
    QTest::newRow("WBGT alone") << QStringList { "Método_2" } << (base + ",tglobo,tbhn").split(',')
                                << QStringList { "Rad", "Frame2" };
    QTest::newRow("PMV alone") << QStringList { "Método_0" }
                               << (base + ",Iclo,tglobo,HR").split(',')
                               << QStringList { "Rad", "Frame3" };
    QTest::newRow("sweat rate alone")
        << QStringList { "Método_3" } << (base + ",Iclo,tglobo,HR").split(',')
        << QStringList { "Rad", "Frame3", "Frame4" };
    QTest::newRow("HSI and wind chill")
        << QStringList { "Método_1", "Método_4" } << (base + ",Iclo,tglobo,HR").split(',')
        << QStringList { "Rad", "Frame3" };
    QTest::newRow("last method off")
        << QStringList { "Método_5", "Método_2", "Método_5", "Método_2" } << QStringList {}
        << QStringList {};
    QTest::newRow("humidity group off, then on with pa")
        << QStringList { "Método_3", "humedad_2", "Método_3" } << QStringList {} << QStringList {};
    QTest::newRow("sweat rate again: pa only")
        << QStringList { "Método_3", "humedad_2", "Método_3", "Método_3" }
        << (base + ",Iclo,tglobo,pa").split(',') << QStringList { "Rad", "Frame3", "Frame4" };
}

void InputFormTest::enablingRuleFollowsTheTickedMethods()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, enabledBoxes);
    QFETCH(QStringList, enabledFrames);
    FormDriver driver(model::Language::Spanish);
    driver.perform(actions);
    QWidget *form = driver.form();

    for (const QString &box : kBoxes)
        QVERIFY2(control(form, box)->isEnabled() == enabledBoxes.contains(box), qPrintable(box));
    for (const Labels &labels : kLabels) {
        const bool enabled = enabledBoxes.contains(QString::fromUtf8(labels.box));
        QVERIFY2(control(form, labels.caption)->isEnabled() == enabled, labels.caption);
        QVERIFY2(control(form, labels.unit)->isEnabled() == enabled, labels.unit);
    }
    for (const QString &frame : kFrames) {
        const bool enabled = enabledFrames.contains(frame);
        QVERIFY2(control(form, frame)->isEnabled() == enabled, qPrintable(frame));
        for (QRadioButton *option : control(form, frame)->findChildren<QRadioButton *>())
            QVERIFY2(option->isEnabled() == enabled, qPrintable(option->objectName()));
    }
    // The radiation units follow the group, whichever box is the input.
    for (const char *unit : { "Label11", "Label15" })
        QVERIFY2(control(form, unit)->isEnabled() == enabledFrames.contains("Rad"), unit);
    // The rule never touches texts.
    QCOMPARE(control<QLineEdit>(form, "pa")->text(), QStringLiteral("1.5"));
}

void InputFormTest::selectedOptionsSurviveMethodChanges()
{
    FormDriver driver(model::Language::Spanish);
    QWidget *form = driver.form();
    driver.perform({ "Método_0", "Radiacion_1", "Método_2" });
    QVERIFY(control(form, "TRMedia")->isEnabled());
    QVERIFY(!control(form, "tglobo")->isEnabled());
    driver.perform({ "Método_0" }); // WBGT keeps the radiation group on
    QVERIFY(control(form, "TRMedia")->isEnabled());
    QVERIFY(!control(form, "tglobo")->isEnabled());
    QCOMPARE(driver.state.input().selected(model::OptionGroup::Radiacion), 1);

    driver.perform({ "Método_2", "Método_3", "humedad_1" });
    QVERIFY(control(form, "tbh")->isEnabled());
    QVERIFY(!control(form, "HR")->isEnabled());
    QCOMPARE(driver.state.input().selected(model::OptionGroup::humedad), 1);
}

void InputFormTest::typingReachesTheInputSet()
{
    FormDriver driver(model::Language::Spanish);
    driver.perform({ "Método_0", "Taseco=25,5 x" });
    QCOMPARE(driver.state.input().text(model::Field::Taseco), std::string("25,5 x"));
    driver.perform({ "Método_0" });
    QVERIFY(!control(driver.form(), "Taseco")->isEnabled());
    QCOMPARE(control<QLineEdit>(driver.form(), "Taseco")->text(), QStringLiteral("25,5 x"));

    // A text written into the set by another window (the clothing selector) shows on the form.
    driver.state.setText(model::Field::Iclo, "1.3");
    QCOMPARE(control<QLineEdit>(driver.form(), "Iclo")->text(), QStringLiteral("1.3"));
}

void InputFormTest::helpLinksReactOnlyWhileEnabled_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("opens");
    QTest::addColumn<QStringList>("pages");

    const int help = int(WindowId::HelpViewer);
    QTest::newRow("air temperature") << "Método_4"
                                     << "Label4" << help << QStringList { "taire1.doc" };
    QTest::newRow("metabolic power")
        << "Método_4"
        << "Label2" << help
        << QStringList { "Metabolismo1.doc", "Metabolismo2.doc", "Metabolismo3.doc" };
    QTest::newRow("radiation frame")
        << "Método_1"
        << "Rad" << help << QStringList { "tglobo1.doc", "tglobo2.doc" };
    QTest::newRow("natural wet bulb") << "Método_2"
                                      << "Label12" << help << QStringList { "tbhn.doc" };
    QTest::newRow("clothing") << "Método_5"
                              << "Label6" << int(WindowId::ClothingSelector) << QStringList {};
}

void InputFormTest::helpLinksReactOnlyWhileEnabled()
{
    QFETCH(QString, method);
    QFETCH(QString, link);
    QFETCH(int, opens);
    QFETCH(QStringList, pages);
    FormDriver driver(model::Language::Spanish);
    int built = 0;
    driver.windows.registerFactory(WindowId(opens), [&built] {
        ++built;
        return new QWidget;
    });

    driver.click(driver.form(), link);
    QCOMPARE(built, 0);
    QCOMPARE(driver.state.helpRequest().npag, 0);

    driver.perform({ method });
    driver.click(driver.form(), link);
    QCOMPARE(built, 1);
    QVERIFY(driver.windows.isOpen(WindowId(opens)));
    if (!pages.isEmpty())
        QCOMPARE(helpPages(driver.state), pages);
    driver.windows.close(WindowId(opens));
}

void InputFormTest::loadRefusesContradictoryTemperatures_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("refusals");

    const QString globe
        = "La temperatura de globo (tg) no puede ser menor que la temperatura del aire seco.";
    const QString naturalWetBulb
        = "La temperatura de bulbo húmedo natural (tbhn) no puede ser mayor que la "
          "temperatura del aire seco.";
    const QString wetBulb = "La temperatura de bulbo húmedo (tbh) no puede ser mayor que la "
                            "temperatura del aire seco.";
    const int es = int(model::Language::Spanish);
    const int en = int(model::Language::English);

    QTest::newRow("no method: no check")
        << es << QStringList { "Método_0", "tglobo=10", "Método_0" } << QStringList {};
    QTest::newRow("start values") << es << QStringList { "Método_0" } << QStringList {};
    QTest::newRow("tg 17.9 below ta 18")
        << es << QStringList { "Método_0", "tglobo=17.9" } << QStringList { globe };
    QTest::newRow("tg equal to ta")
        << es << QStringList { "Método_0", "tglobo=18" } << QStringList {};
    QTest::newRow("tr given: tg not checked")
        << es << QStringList { "Método_0", "tglobo=17.9", "Radiacion_1" } << QStringList {};
    QTest::newRow("WBGT: globe, then natural wet bulb")
        << es << QStringList { "Método_2", "tbhn=19", "tglobo=17" }
        << QStringList { globe, naturalWetBulb };
    QTest::newRow("wet bulb above ta while HR given")
        << es << QStringList { "Método_0", "humedad_1", "tbh=25", "humedad_0" } << QStringList {};
    QTest::newRow("wet bulb above ta while tw given")
        << es << QStringList { "Método_0", "humedad_1", "tbh=25" } << QStringList { wetBulb };
    QTest::newRow("all three, in order")
        << es
        << QStringList { "Método_2", "Método_3", "humedad_1", "tbh=19", "tbhn=19", "tglobo=17" }
        << QStringList { globe, naturalWetBulb, wetBulb };
    QTest::newRow("English texts")
        << en << QStringList { "Método_2", "tglobo=17", "tbhn=19" }
        << QStringList {
               "The globe temperature(tg) can't be lower than the air dry temperature (ta).",
               "The natural wet-bulb temperature (tnw) can't be higher than the air dry "
               "temperature (ta)."
           };
}

void InputFormTest::loadRefusesContradictoryTemperatures()
{
    QFETCH(int, language);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, refusals);
    FormDriver driver { model::Language(language) };
    driver.perform(actions);

    MessageRecorder messages;
    driver.load();
    QCOMPARE(messages.texts(), refusals);
    for (const Message &message : messages.seen()) {
        QCOMPARE(message.title, spanish("Parámetro erróneo"));
        QCOMPARE(message.icon, QMessageBox::Warning);
        QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(driver.windows.isOpen(WindowId::Hub), refusals.isEmpty());
    QVERIFY(driver.form()->isVisible());
}

void InputFormTest::englishCaptions()
{
    FormDriver driver(model::Language::English);
    QWidget *form = driver.form();
    QCOMPARE(form->windowTitle(), QStringLiteral("Thermal comfort"));
    QCOMPARE(control<QGroupBox>(form, "Frame1")->title(), QStringLiteral("Index"));
    const QStringList methods { "Fanger's predicted mean vote (PVM) (ISO 7730)",
        "Heat stress index (HSI)", "Wet bulb globe temperature (WBGT-Index) (ISO 7243)",
        "Required sweat rate (SWreq) (ISO 7933)", "Wind chill index (WCI)     (ISO 11079)",
        "Required clothing insulation (IREQ)(ISO 11079)" };
    // The caption as written names the box; the box shows the standard on a line of its own.
    for (int i = 0; i < methods.size(); ++i)
        QCOMPARE(
            accessibleName(control(form, spanish("Método_") + QString::number(i))), methods[i]);
    QCOMPARE(control<QLabel>(form, "Label1")->text(), QStringLiteral("Parameters"));
    QCOMPARE(
        control<QLabel>(form, "Label4")->text(), QStringLiteral("Ambient air temperature (ta):"));
    QCOMPARE(control<QGroupBox>(form, "Rad")->title(), QStringLiteral("Radiation"));
    QCOMPARE(control<QRadioButton>(form, "humedad_2")->text(),
        QStringLiteral("Ambient water vapour pression (pa, in KPa):"));
    QCOMPARE(control<PictureButton>(form, "Cargar_datos")->drawnCaption(),
        QStringLiteral("  LOAD VALUES "));
    const std::pair<const char *, const char *> units[] = {
        { "Label3", "W/m2" },
        { "Label5", "°C" },
        { "Label7", "clo" },
        { "Label9", "m/s" },
        { "Label11", "°C" },
        { "Label13", "°C" },
        { "Label15", "°C" },
    };
    for (const auto &[name, unit] : units)
        QCOMPARE(control<QLabel>(form, name)->text(), spanish(unit));
}

void InputFormTest::accessibleNamesAreTheCaptions()
{
    FormDriver driver(model::Language::Spanish);
    QWidget *form = driver.form();
    QCOMPARE(form->windowTitle(), spanish("Confort Térmico"));
    const std::pair<const char *, const char *> names[] = {
        { "Taseco", "Temperatura seca del aire (ta)" },
        { "Metabolismo", "Metabolismo (M)" },
        { "tbhn", "Temperatura de bulbo húmedo natural (THN)" },
        { "tglobo", "Temperatura de globo (tg)" },
        { "pa", "Presión parcial del vapor de agua (pa, en kPa)" },
        { "Método_3", " Indice de sudoración requerida (SWreq)       (ISO 7933)" },
        { "Método_0",
            "Indice de valoración medio de Fanger (IVM)                              (ISO 7730)" },
        { "Cargar_datos", "CARGAR DATOS" },
        { "salir", "Salir del programa" },
    };
    for (const auto &[widget, name] : names)
        QCOMPARE(accessibleName(control(form, spanish(widget))), spanish(name));
    QCOMPARE(control<PictureButton>(form, "Cargar_datos")->drawnCaption(),
        QStringLiteral(" CARGAR DATOS"));
}

void InputFormTest::anyTextInAnyFieldLoadsWithoutCrashing()
{
    FormDriver driver(model::Language::Spanish);
    for (int i = 0; i < model::kMethodCount; ++i)
        driver.perform({ spanish("Método_") + QString::number(i) });
    // Every box in turn: the option boxes need their option selected.
    const QStringList reach { "", "", "", "", "Radiacion_0", "Radiacion_1", "", "humedad_0",
        "humedad_1", "humedad_2" };
    QString longText;
    while (longText.size() < 5000)
        longText += QStringLiteral("12,5e3 abc ");
    longText.truncate(5000);

    for (const QString &text : { QStringLiteral("abc"), QStringLiteral(",,1,5"),
             QStringLiteral("1e999"), QStringLiteral("-1e999"), QStringLiteral("&H"), longText }) {
        for (int i = 0; i < kBoxes.size(); ++i) {
            if (!reach[i].isEmpty())
                driver.perform({ reach[i] });
            auto *box = control<QLineEdit>(driver.form(), kBoxes[i]);
            box->selectAll();
            box->insert(text); // as a paste
            QCOMPARE(QString::fromStdString(driver.state.input().text(model::Field(i))), text);
            MessageRecorder messages;
            driver.load();
            if (driver.hub())
                driver.click(driver.hub(), "modif");
            FormDriver::settle();
            QVERIFY(!driver.windows.isOpen(WindowId::Hub));
        }
    }
}

void InputFormTest::exitAsksFirst()
{
    FormDriver driver(model::Language::English);
    {
        MessageRecorder no(QMessageBox::No);
        driver.click(driver.form(), "salir");
        QCOMPARE(no.count(), 1);
        QVERIFY(driver.windows.isOpen(WindowId::InputForm));
    }
    MessageRecorder yes(QMessageBox::Yes);
    driver.click(driver.form(), "salir");
    QCOMPARE(yes.count(), 1);
    QCOMPARE(yes.seen().front().title, spanish("Salir del programa"));
    QVERIFY(!driver.windows.isOpen(WindowId::InputForm));
}

void InputFormTest::everyWayOfTickingRunsTheRule_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("enabledBoxes");
    const QStringList windChill { "Metabolismo", "Taseco", "vaire" };
    QTest::newRow("screen reader toggles a method") << "toggle"
                                                    << "Método_4" << windChill;
    QTest::newRow("Space on a focused method") << "space"
                                               << "Método_4" << windChill;
    QTest::newRow("screen reader toggles a humidity option")
        << "toggle"
        << "humedad_2" << QStringList { "Metabolismo", "Taseco", "Iclo", "vaire", "tglobo", "pa" };
    QTest::newRow("arrow key moves the humidity option")
        << "down"
        << "humedad_0" << QStringList { "Metabolismo", "Taseco", "Iclo", "vaire", "tglobo", "tbh" };
}

void InputFormTest::everyWayOfTickingRunsTheRule()
{
    QFETCH(QString, way);
    QFETCH(QString, control);
    QFETCH(QStringList, enabledBoxes);
    FormDriver driver(model::Language::Spanish);
    QWidget *form = driver.form();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    // The option groups need a method that uses them.
    if (control.startsWith(QStringLiteral("humedad")))
        driver.perform({ "Método_0" });
    QWidget *target = ui::test::control(form, control);
    QSignalSpy rule(&driver.state, &AppState::enablingChanged);
    if (way == QStringLiteral("toggle")) {
        doAccessibleAction(target, QAccessibleActionInterface::toggleAction());
    } else {
        target->setFocus();
        QTest::keyClick(target, way == QStringLiteral("space") ? Qt::Key_Space : Qt::Key_Down);
    }
    QCOMPARE(rule.count(), 1); // the rule runs once per change
    for (const QString &box : kBoxes)
        QVERIFY2(ui::test::control(form, box)->isEnabled() == enabledBoxes.contains(box),
            qPrintable(box));
    if (control == QStringLiteral("Método_4")) {
        // Loaded, the hub lets the user open the method just ticked.
        driver.load();
        QVERIFY(driver.hub());
        QVERIFY(ui::test::control(driver.hub(), "BIVF")->isEnabled());
    }
}

void InputFormTest::textSetWithoutTypingIsEvaluated_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("set by the program") << "setText";
    QTest::newRow("set by assistive technology") << "accessible";
    QTest::newRow("pasted") << "insert";
}

void InputFormTest::textSetWithoutTypingIsEvaluated()
{
    QFETCH(QString, way);
    FormDriver driver(model::Language::English);
    driver.perform({ "Método_4" });
    auto *box = control<QLineEdit>(driver.form(), "Metabolismo");
    if (way == QStringLiteral("setText")) {
        box->setText(QStringLiteral("300"));
    } else if (way == QStringLiteral("accessible")) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible && accessible->editableTextInterface());
        accessible->editableTextInterface()->replaceText(0, box->text().size(), "300");
    } else {
        box->selectAll();
        box->insert(QStringLiteral("300"));
    }
    QCOMPARE(box->text(), QStringLiteral("300"));
    QCOMPARE(driver.state.input().text(model::Field::Metabolismo), std::string("300"));
    driver.load();
    QCOMPARE(control<QLabel>(driver.hub(), "Metabolismo")->text(), QStringLiteral("300"));
    QCOMPARE(driver.state.input().value(model::Field::Metabolismo), 300.0);
}

void InputFormTest::enterOnAFocusedPictureActivatesIt_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("key");
    QTest::newRow("load, Return") << "Cargar_datos" << int(Qt::Key_Return);
    QTest::newRow("load, keypad Enter") << "Cargar_datos" << int(Qt::Key_Enter);
    QTest::newRow("exit, Return") << "salir" << int(Qt::Key_Return);
    QTest::newRow("exit, Space") << "salir" << int(Qt::Key_Space);
}

void InputFormTest::enterOnAFocusedPictureActivatesIt()
{
    QFETCH(QString, picture);
    QFETCH(int, key);
    FormDriver driver(model::Language::Spanish);
    driver.form()->show();
    driver.form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(driver.form()));
    driver.perform({ "Método_4" });
    QWidget *target = control(driver.form(), picture);
    target->setFocus();
    QVERIFY(target->hasFocus());
    MessageRecorder messages(QMessageBox::No);
    QTest::keyClick(target, Qt::Key(key));
    if (picture == QStringLiteral("Cargar_datos")) {
        QVERIFY(driver.windows.isOpen(WindowId::Hub));
        QCOMPARE(messages.count(), 0);
    } else {
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.seen().front().title, spanish("Salir del programa"));
    }
}

void InputFormTest::captionLinksAnswerTheScreenReader()
{
    FormDriver driver(model::Language::Spanish);
    int opened = 0;
    for (const WindowId window : { WindowId::HelpViewer, WindowId::ClothingSelector })
        driver.windows.registerFactory(window, [&opened] {
            ++opened;
            return new QWidget;
        });
    driver.perform({ "Método_5" });
    QWidget *form = driver.form();
    for (const char *name : { "Label2", "Label4", "Label6" }) {
        QAccessibleInterface *accessible
            = QAccessible::queryAccessibleInterface(control(form, name));
        QCOMPARE(accessible->role(), QAccessible::Link);
        QVERIFY(accessible->state().focusable);
    }
    doAccessibleAction(control(form, "Label4"), QAccessibleActionInterface::pressAction());
    QCOMPARE(helpPages(driver.state), QStringList { "taire1.doc" });
    doAccessibleAction(control(form, "Label6"), QAccessibleActionInterface::pressAction());
    QVERIFY(driver.windows.isOpen(WindowId::ClothingSelector));
    QCOMPARE(opened, 2);
}

void InputFormTest::standardOnItsOwnLineAndOneBoxWidth()
{
    for (const auto language : { model::Language::Spanish, model::Language::English }) {
        FormDriver driver(language);
        QWidget *form = driver.form();
        form->show();
        const std::pair<const char *, const char *> secondLines[] = {
            { "Método_0", "(ISO 7730)" },
            { "Método_2", "(ISO 7243)" },
            { "Método_3", "(ISO 7933)" },
            { "Método_4", "(ISO 11079)" },
            { "Método_5", "(ISO 11079)" },
        };
        for (const auto &[name, standard] : secondLines) {
            const QStringList lines = control<QCheckBox>(form, spanish(name))->text().split('\n');
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[1], QString::fromUtf8(standard));
            QVERIFY2(!lines[0].contains(QStringLiteral("  ")), qPrintable(lines[0]));
            QVERIFY(!lines[0].startsWith(' ') && !lines[0].endsWith(' '));
        }
        QVERIFY(!control<QCheckBox>(form, spanish("Método_1"))->text().contains('\n'));
        const int width = control(form, "Metabolismo")->width();
        for (const QString &box : kBoxes)
            QCOMPARE(control(form, box)->width(), width);
    }
}

void InputFormTest::leftColumnBoxesStandInOneColumn()
{
    for (const auto language : { model::Language::Spanish, model::Language::English }) {
        FormDriver driver(language);
        QWidget *form = driver.form();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const auto left = [form](const char *name) {
            QWidget *widget = control(form, spanish(name));
            return widget->mapTo(form, QPoint()).x();
        };
        const auto right
            = [&](const char *name) { return left(name) + control(form, name)->width(); };
        // The radiation frame's boxes in line with the boxes above and below the frame, each a
        // gutter clear of its caption; the right column a gutter clear of the left one's units.
        for (const char *box : { "Taseco", "tglobo", "TRMedia", "tbhn", "vaire" })
            QVERIFY2(left(box) == left("Metabolismo"), box);
        const int gutter = form->fontMetrics().averageCharWidth();
        for (const auto &[caption, box] : { std::pair { "Label12", "tbhn" },
                 std::pair { "Radiacion_1", "TRMedia" }, std::pair { "Label6", "Iclo" } })
            QVERIFY2(left(box) - right(caption) >= gutter, caption);
        for (const char *unit : { "Label3", "Label11", "Label9" })
            QVERIFY2(left("Label6") - right(unit) >= 2 * gutter, unit);
    }
}

QTEST_MAIN(InputFormTest)
#include "input_form_test.moc"
