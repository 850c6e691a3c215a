// The credits splash and the start screen through real clicks: the way to the start screen, the
// language captions, the start of the input form and leaving from the start screen.

#include "test_support.h"
#include "ui/input/register.h"
#include "ui/shell/app_state.h"
#include "ui/shell/control_name.h"
#include "ui/shell/picture_button.h"
#include "ui/shell/shell_windows.h"
#include "ui/shell/windows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace kalvora::ui;
using kalvora::model::Language;

namespace {

struct Run
{
    AppState state;
    Windows windows;
    explicit Run(bool withInputForm)
    {
        registerShellWindows(state, windows);
        if (withInputForm)
            registerInputForm(state, windows);
    }
    QWidget *startScreen() { return windows.open(WindowId::StartScreen); }
};

template <class T> T *control(QWidget *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

void click(QWidget *window, const QString &name)
{
    if (QWidget *widget = control<QWidget>(window, name))
        QTest::mouseClick(widget, Qt::LeftButton);
}

QAccessibleInterface *accessibleChild(
    QAccessibleInterface *parent, QAccessible::Role role, const QString &name)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        if (child->role() == role && child->text(QAccessible::Name) == name)
            return child;
        if (QAccessibleInterface *deeper = accessibleChild(child, role, name))
            return deeper;
    }
    return nullptr;
}

} // namespace

class StartScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }
    void splashClickShowsTheStartScreenAndGoes();
    void controlsAreAccessibleByName();
    void languageClicksSetTheCaptions_data();
    void languageClicksSetTheCaptions();
    void englishStartOpensTheInputFormInEnglish();
    void startWithoutAnInputFormKeepsTheStartScreen();
    void everyWayOfChoosingTheLanguageCounts_data();
    void everyWayOfChoosingTheLanguageCounts();
    void exitQuestionSpeaksTheLanguageChosen_data();
    void exitQuestionSpeaksTheLanguageChosen();
    void yesOnTheStartScreenEndsTheProgram();
    void hiddenStartScreenDoesNotOutliveTheInputForm();
};

void StartScreenTest::splashClickShowsTheStartScreenAndGoes()
{
    Run run(false);
    QPointer<QWidget> splash = run.windows.open(WindowId::CreditsSplash);
    QCOMPARE(splash->windowTitle(), QStringLiteral("Kalvora 3.0"));
    // The picture built into the program is there, at its full size.
    const auto *picture = splash->findChild<QAbstractButton *>(QStringLiteral("Picture1"));
    QVERIFY(picture && !picture->icon().isNull());
    QCOMPARE(picture->icon().pixmap(QSize(480, 300)).size(), QSize(480, 300));

    click(splash, QStringLiteral("Picture1"));

    QWidget *start = run.windows.window(WindowId::StartScreen);
    QVERIFY(start && start->isVisible());
    QCOMPARE(start->windowTitle(), QStringLiteral("Selección de Idioma"));
    QVERIFY(control<QRadioButton>(start, controlName("Idioma", 0))->isChecked());
    QVERIFY(!run.windows.isOpen(WindowId::CreditsSplash));
    QTRY_VERIFY(splash.isNull());
}

void StartScreenTest::controlsAreAccessibleByName()
{
    Run run(false);
    QWidget *splash = run.windows.open(WindowId::CreditsSplash);
    QAccessibleInterface *splashAccess = QAccessible::queryAccessibleInterface(splash);
    QAccessibleInterface *picture = accessibleChild(splashAccess, QAccessible::Button,
        QStringLiteral("Kalvora 3.0 – pulse para continuar / click to continue"));
    QVERIFY(picture);
    QVERIFY(picture->text(QAccessible::Description)
                .contains(QStringLiteral("Kalvora development team")));

    QWidget *start = run.startScreen();
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(start);
    QVERIFY(accessibleChild(
        access, QAccessible::StaticText, QStringLiteral("VALORACION DEL CONFORT TERMICO")));
    QVERIFY(accessibleChild(access, QAccessible::Grouping, QStringLiteral("Idioma / Language")));
    QAccessibleInterface *spanish
        = accessibleChild(access, QAccessible::RadioButton, QStringLiteral("Español"));
    QVERIFY(spanish && spanish->state().checked);
    QAccessibleInterface *english
        = accessibleChild(access, QAccessible::RadioButton, QStringLiteral("English"));
    QVERIFY(english && !english->state().checked);
    QCOMPARE(english->object()->objectName(), QStringLiteral("Idioma_1"));
    QAccessibleInterface *inicio
        = accessibleChild(access, QAccessible::Button, QStringLiteral("Iniciar"));
    QVERIFY(inicio);
    QCOMPARE(inicio->object()->objectName(), QStringLiteral("Inicio"));
    QAccessibleInterface *salir
        = accessibleChild(access, QAccessible::Button, QStringLiteral("Salir"));
    QVERIFY(salir);
    QCOMPARE(salir->object()->objectName(), QStringLiteral("salir"));
    QVERIFY(accessibleChild(
        access, QAccessible::StaticText, QStringLiteral("Kalvora development team")));
}

void StartScreenTest::languageClicksSetTheCaptions_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("inicio");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("language");

    const QString es = controlName("Idioma", 0);
    const QString en = controlName("Idioma", 1);
    const int spanish = int(Language::Spanish);
    const int english = int(Language::English);
    QTest::newRow("as shown") << QStringList {} << "Iniciar"
                              << "VALORACION DEL CONFORT TERMICO"
                              << "Selección de Idioma" << spanish;
    QTest::newRow("English") << QStringList { en } << "Start"
                             << "EVALUATION OF THERMAL COMFORT"
                             << "Thermal comfort" << english;
    QTest::newRow("English, then Español") << QStringList { en, es } << "Iniciar"
                                           << "VALORACION DEL CONFORT TERMICO"
                                           << "Selección de Idioma" << spanish;
    QTest::newRow("Español again") << QStringList { es } << "Iniciar"
                                   << "VALORACION DEL CONFORT TERMICO"
                                   << "Selección de Idioma" << spanish;
    QTest::newRow("English twice") << QStringList { en, es, en, en } << "Start"
                                   << "EVALUATION OF THERMAL COMFORT"
                                   << "Thermal comfort" << english;
}

void StartScreenTest::languageClicksSetTheCaptions()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, inicio);
    QFETCH(QString, heading);
    QFETCH(QString, title);
    QFETCH(int, language);

    Run run(false);
    QWidget *start = run.startScreen();
    for (const QString &option : clicks)
        click(start, option);

    QCOMPARE(control<QPushButton>(start, QStringLiteral("Inicio"))->text(), inicio);
    QCOMPARE(control<QLabel>(start, QStringLiteral("Label1"))->text(), heading);
    QCOMPARE(start->windowTitle(), title);
    QCOMPARE(int(run.state.language()), language);
    // The option and frame captions do not depend on the language.
    QCOMPARE(
        control<QRadioButton>(start, controlName("Idioma", 0))->text(), QStringLiteral("Español"));
    QCOMPARE(
        control<QRadioButton>(start, controlName("Idioma", 1))->text(), QStringLiteral("English"));
}

void StartScreenTest::englishStartOpensTheInputFormInEnglish()
{
    Run run(true);
    QWidget *start = run.startScreen();
    click(start, controlName("Idioma", 1));
    click(start, QStringLiteral("Inicio"));

    QWidget *input = run.windows.window(WindowId::InputForm);
    QVERIFY(input && input->isVisible());
    QCOMPARE(input->windowTitle(), QStringLiteral("Thermal comfort"));
    QCOMPARE(control<PictureButton>(input, QStringLiteral("Cargar_datos"))->drawnCaption(),
        QStringLiteral("  LOAD VALUES "));
    // Hidden, not closed: the start screen keeps the language of the run.
    QVERIFY(run.windows.isOpen(WindowId::StartScreen));
    QVERIFY(!start->isVisible());
    QCOMPARE(run.state.language(), Language::English);
}

void StartScreenTest::startWithoutAnInputFormKeepsTheStartScreen()
{
    Run run(false);
    QWidget *start = run.startScreen();
    click(start, QStringLiteral("Inicio"));
    QVERIFY(start->isVisible());
}

void StartScreenTest::everyWayOfChoosingTheLanguageCounts_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("screen reader toggles English") << "toggle";
    QTest::newRow("arrow key from Español") << "arrow";
}

void StartScreenTest::everyWayOfChoosingTheLanguageCounts()
{
    QFETCH(QString, way);
    Run run(true);
    QWidget *start = run.startScreen();
    auto *english = control<QRadioButton>(start, controlName("Idioma", 1));
    if (way == QStringLiteral("toggle")) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(english);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    } else {
        start->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(start));
        QWidget *spanish = control<QWidget>(start, controlName("Idioma", 0));
        spanish->setFocus();
        QVERIFY(spanish->hasFocus());
        QTest::keyClick(spanish, Qt::Key_Right);
    }
    QVERIFY(english->isChecked());
    QCOMPARE(start->windowTitle(), QStringLiteral("Thermal comfort"));
    QCOMPARE(
        control<QPushButton>(start, QStringLiteral("Inicio"))->text(), QStringLiteral("Start"));
    click(start, QStringLiteral("Inicio"));
    QWidget *input = run.windows.window(WindowId::InputForm);
    QVERIFY(input);
    QCOMPARE(control<PictureButton>(input, QStringLiteral("Cargar_datos"))->drawnCaption(),
        QStringLiteral("  LOAD VALUES "));
}

void StartScreenTest::exitQuestionSpeaksTheLanguageChosen_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("buttons");
    const QString es = controlName("Idioma", 0);
    const QString en = controlName("Idioma", 1);
    const QStringList siNo { "No", "Sí" };
    QTest::newRow("Spanish at start")
        << QStringList {} << "¿Está seguro de que desea salir del programa?" << siNo;
    QTest::newRow("English") << QStringList { en } << "Do you really want to exit?"
                             << QStringList { "No", "Yes" };
    QTest::newRow("English, then Español")
        << QStringList { en, es } << "¿Está seguro de que desea salir del programa?" << siNo;
}

void StartScreenTest::exitQuestionSpeaksTheLanguageChosen()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, question);
    QFETCH(QStringList, buttons);
    Run run(false);
    QWidget *start = run.startScreen();
    for (const QString &option : clicks)
        click(start, option);

    test::MessageRecorder messages(QMessageBox::No);
    click(start, QStringLiteral("salir"));

    QCOMPARE(messages.count(), 1);
    const test::Message &box = messages.seen().front();
    QCOMPARE(box.title, QStringLiteral("Salir del programa"));
    QCOMPARE(box.text, question);
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QStringList shown = box.buttonTexts;
    shown.sort();
    QCOMPARE(shown, buttons);
    // No: the start screen stays as it was.
    QVERIFY(run.windows.isOpen(WindowId::StartScreen));
    QVERIFY(start->isVisible());
}

void StartScreenTest::yesOnTheStartScreenEndsTheProgram()
{
    Run run(false);
    QWidget *start = run.startScreen();
    QSignalSpy closed(&run.windows, &Windows::closed);
    test::MessageRecorder messages(QMessageBox::Yes);
    const int status = test::runUntilTheEnd([start] { click(start, QStringLiteral("salir")); });
    QCOMPARE(status, 0);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).value<WindowId>(), WindowId::StartScreen);
}

void StartScreenTest::hiddenStartScreenDoesNotOutliveTheInputForm()
{
    Run run(true);
    QWidget *start = run.startScreen();
    click(start, QStringLiteral("Inicio"));
    QWidget *input = run.windows.window(WindowId::InputForm);
    QVERIFY(input);
    // The user closes the input form with the title bar's close box; the start screen is hidden.
    const int status = test::runUntilTheEnd([input] { input->close(); });
    QCOMPARE(status, 0);
    QVERIFY(!run.windows.isOpen(WindowId::InputForm));
}

QTEST_MAIN(StartScreenTest)
#include "start_screen_test.moc"
