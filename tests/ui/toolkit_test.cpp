// The desktop toolkit: number display, the window registry with the quit rule, picture buttons,
// link captions, value areas, message boxes and the toolkit's own language.

#include "test_support.h"
#include "ui/shell/app_state.h"
#include "ui/shell/links.h"
#include "ui/shell/messages.h"
#include "ui/shell/number_format.h"
#include "ui/shell/picture_button.h"
#include "ui/shell/pictures.h"
#include "ui/shell/qt_translations.h"
#include "ui/shell/value_area.h"
#include "ui/shell/windows.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <limits>
#include <vector>

using namespace kalvora::ui;

namespace {

QWidget *plainWindow(const QString &name)
{
    auto *window = new QWidget;
    window->setObjectName(name);
    return window;
}

std::vector<WindowId> closedOrder(const QSignalSpy &spy)
{
    std::vector<WindowId> order;
    for (const QList<QVariant> &call : spy)
        order.push_back(call.at(0).value<WindowId>());
    return order;
}

} // namespace

class ToolkitTest : public QObject
{
    Q_OBJECT
private slots:
    void formatsWithTheLocaleSeparators_data();
    void formatsWithTheLocaleSeparators();
    void openingAnOpenWindowRaisesTheSameOne();
    void closingHidesThenDestroysAndForgets();
    void closeBoxOfTheWindowManagerIsSeen();
    void hiddenWindowDoesNotKeepTheProgramAlive();
    void pictureButtonNamesItselfByItsTooltip();
    void drawnCaptionIsKeptAndNamesTheButton();
    void valueAreaExposesItsText();
    void everyActivationKeyActivates_data();
    void everyActivationKeyActivates();
    void linkCaptionIsALinkThatCanBePressed();
    void valueAreaIsNamedByItsCaption_data();
    void valueAreaIsNamedByItsCaption();
    void pressReturnsBeforeTheQuestionIsAnswered();
    void queuedBoxesComeUpOneAfterTheOther();
    void boxOfAClosedWindowIsDropped();
    void toolkitButtonsSpeakTheLanguageOfTheRun_data();
    void toolkitButtonsSpeakTheLanguageOfTheRun();
    void textChangeIsAnnouncedOnlyWhenTheTextChanges();
};

void ToolkitTest::formatsWithTheLocaleSeparators_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("expected");

    const int grouped2 = int(NumberPattern::Grouped2);
    const int grouped1 = int(NumberPattern::Grouped1);
    const int plain1 = int(NumberPattern::Plain1);
    QTest::newRow("en grouped") << "en_US" << 1234.5 << grouped2 << "1,234.50";
    QTest::newRow("es grouped, four digits") << "es_ES" << 1234.5 << grouped2 << "1.234,50";
    QTest::newRow("es millions") << "es_ES" << -1234567.891 << grouped2 << "-1.234.567,89";
    QTest::newRow("en one decimal") << "en_US" << 98765.44 << grouped1 << "98,765.4";
    QTest::newRow("en no grouping") << "en_US" << 12345.66 << plain1 << "12345.7";
    QTest::newRow("es no grouping") << "es_ES" << -12345.66 << plain1 << "-12345,7";
    QTest::newRow("small negative") << "en_US" << -0.25 << grouped2 << "-0.25";
    QTest::newRow("three digits") << "en_US" << -999.0 << grouped1 << "-999.0";
    QTest::newRow("rounds up into a group") << "en_US" << 999.999 << grouped2 << "1,000.00";
    QTest::newRow("de grouped") << "de_DE" << 1234.5 << grouped1 << "1.234,5";
    // A value that shows as zero shows no sign, whatever the pattern and the separators.
    QTest::newRow("rounds to zero from below") << "en_US" << -0.004 << grouped2 << "0.00";
    QTest::newRow("es rounds to zero from below") << "es_ES" << -0.004 << grouped2 << "0,00";
    QTest::newRow("one decimal, zero from below") << "es_ES" << -0.04 << plain1 << "0,0";
    QTest::newRow("negative zero") << "en_US" << -0.0 << grouped1 << "0.0";
    QTest::newRow("smallest shown negative keeps its sign")
        << "en_US" << -0.005001 << grouped2 << "-0.01";
    // The general form: the sweep's velocities as they are written, with the locale's point.
    const int general = int(NumberPattern::General);
    QTest::newRow("general, smallest velocity") << "en_US" << 0.05 << general << "0.05";
    QTest::newRow("general, tenth") << "en_US" << 0.1 << general << "0.1";
    QTest::newRow("general, es") << "es_ES" << 2.5 << general << "2,5";
    QTest::newRow("general, whole") << "en_US" << 1.0 << general << "1";
    QTest::newRow("general, no grouping") << "en_US" << 1234.5 << general << "1234.5";
    QTest::newRow("general, negative zero") << "es_ES" << -0.0 << general << "0";
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("infinity") << "en_US" << inf << grouped2 << "–";
    QTest::newRow("minus infinity") << "es_ES" << -inf << plain1 << "–";
    QTest::newRow("not a number") << "en_US" << std::numeric_limits<double>::quiet_NaN() << grouped1
                                  << "–";
}

void ToolkitTest::formatsWithTheLocaleSeparators()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(int, pattern);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(formatNumber(value, NumberPattern(pattern)), expected);
    QLocale::setDefault(QLocale::c());
}

void ToolkitTest::openingAnOpenWindowRaisesTheSameOne()
{
    Windows windows;
    int built = 0;
    windows.registerFactory(WindowId::WbgtView, [&built] {
        ++built;
        return plainWindow(QStringLiteral("WbgtView"));
    });
    QVERIFY(!windows.canOpen(WindowId::PmvView));
    QCOMPARE(windows.open(WindowId::PmvView), nullptr);

    QSignalSpy opened(&windows, &Windows::opened);
    QWidget *first = windows.open(WindowId::WbgtView);
    QVERIFY(first && first->isVisible() && first->isWindow());
    QCOMPARE(first->parentWidget(), nullptr);
    QCOMPARE(first->windowModality(), Qt::NonModal);

    first->hide();
    QCOMPARE(windows.open(WindowId::WbgtView), first);
    QVERIFY(first->isVisible());
    QCOMPARE(built, 1);
    QCOMPARE(opened.count(), 1);
    windows.close(WindowId::WbgtView);
}

void ToolkitTest::closingHidesThenDestroysAndForgets()
{
    Windows windows;
    windows.registerFactory(
        WindowId::WindChillView, [] { return plainWindow(QStringLiteral("WindChillView")); });
    QSignalSpy closed(&windows, &Windows::closed);

    windows.close(WindowId::WindChillView); // not open: nothing
    QCOMPARE(closed.count(), 0);

    QPointer<QWidget> window = windows.open(WindowId::WindChillView);
    windows.close(WindowId::WindChillView);
    QVERIFY(!windows.isOpen(WindowId::WindChillView));
    QVERIFY(!window || !window->isVisible());
    QTRY_VERIFY(window.isNull());
    QCOMPARE(closedOrder(closed), std::vector { WindowId::WindChillView });

    // Opened again, it is a new window.
    QVERIFY(windows.open(WindowId::WindChillView) != nullptr);
    QVERIFY(windows.isOpen(WindowId::WindChillView));
    windows.close(WindowId::WindChillView);
    QCOMPARE(closed.count(), 2);
}

void ToolkitTest::closeBoxOfTheWindowManagerIsSeen()
{
    Windows windows;
    windows.registerFactory(
        WindowId::HelpViewer, [] { return plainWindow(QStringLiteral("HelpViewer")); });
    QSignalSpy closed(&windows, &Windows::closed);
    QPointer<QWidget> window = windows.open(WindowId::HelpViewer);

    window->close(); // what the title bar's close box does
    QVERIFY(!windows.isOpen(WindowId::HelpViewer));
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(window.isNull());
    QCOMPARE(closed.count(), 1);

    QWidget *fresh = windows.open(WindowId::HelpViewer);
    QVERIFY(fresh && fresh->isVisible());
    windows.close(WindowId::HelpViewer);
}

void ToolkitTest::hiddenWindowDoesNotKeepTheProgramAlive()
{
    Windows windows;
    windows.registerFactory(
        WindowId::StartScreen, [] { return plainWindow(QStringLiteral("StartScreen")); });
    windows.registerFactory(
        WindowId::InputForm, [] { return plainWindow(QStringLiteral("InputForm")); });
    windows.open(WindowId::StartScreen);
    QWidget *form1 = windows.open(WindowId::InputForm);
    windows.hide(WindowId::StartScreen);
    QVERIFY(windows.isOpen(WindowId::StartScreen));

    // The program runs until the input form, the last visible window, is closed by its close box.
    QSignalSpy ended(qApp, &QCoreApplication::aboutToQuit);
    QCOMPARE(test::runUntilTheEnd([form1] { form1->close(); }), 0);
    QCOMPARE(ended.count(), 1);
}

void ToolkitTest::pictureButtonNamesItselfByItsTooltip()
{
    PictureButton button(QStringLiteral("salir"), QString::fromLatin1(pictures::kExit));
    button.setDescription(QStringLiteral("Salir"));
    QCOMPARE(button.objectName(), QStringLiteral("salir"));
    QCOMPARE(button.toolTip(), QStringLiteral("Salir"));
    QVERIFY(!button.icon().isNull());
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&button);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Salir"));
    QCOMPARE(accessible->role(), QAccessible::Button);
}

void ToolkitTest::drawnCaptionIsKeptAndNamesTheButton()
{
    PictureButton button(QStringLiteral("Cargar_datos"), QString::fromLatin1(pictures::kLoad));
    button.setDrawnCaption(QStringLiteral("  LOAD VALUES "));
    QCOMPARE(button.drawnCaption(), QStringLiteral("  LOAD VALUES "));
    QCOMPARE(QAccessible::queryAccessibleInterface(&button)->text(QAccessible::Name),
        QStringLiteral("LOAD VALUES"));
    // The picture holds three blank lines and the caption line, and the caption's width.
    const QFontMetrics metrics(button.font());
    QVERIFY(button.iconSize().height() >= 4 * metrics.lineSpacing());
    QVERIFY(button.iconSize().width() > metrics.horizontalAdvance(button.drawnCaption()));
    QVERIFY(!button.grab().isNull());
}

void ToolkitTest::valueAreaExposesItsText()
{
    ValueArea area(QStringLiteral("Metabolismo"));
    area.setLines({ QStringLiteral("IVM = 0,52"), QStringLiteral("PPI = 10,7 %") });
    QCOMPARE(area.text(), QStringLiteral("IVM = 0,52\nPPI = 10,7 %"));
    QVERIFY(area.textInteractionFlags() & Qt::TextSelectableByMouse);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&area);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), area.text());
}

void ToolkitTest::everyActivationKeyActivates_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<int>("key");
    for (const bool link : { false, true })
        for (const auto &[name, key] : { std::pair { "Return", Qt::Key_Return },
                 std::pair { "Enter", Qt::Key_Enter }, std::pair { "Space", Qt::Key_Space } })
            QTest::addRow("%s, %s", link ? "link caption" : "picture", name) << link << int(key);
}

void ToolkitTest::everyActivationKeyActivates()
{
    QFETCH(bool, link);
    QFETCH(int, key);
    QWidget window;
    auto *picture
        = new PictureButton(QStringLiteral("salir"), QString::fromLatin1(pictures::kExit), &window);
    auto *caption = new LinkLabel(QStringLiteral("Label2"), &window);
    caption->setText(QStringLiteral("Metabolismo (M)"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget *target = link ? static_cast<QWidget *>(caption) : picture;
    QSignalSpy clicked(target, link ? SIGNAL(clicked()) : SIGNAL(clicked(bool)));
    // Tab reaches it, and the key activates it once.
    QTest::keyClick(&window, Qt::Key_Tab);
    if (!target->hasFocus())
        QTest::keyClick(&window, Qt::Key_Tab);
    QVERIFY(target->hasFocus());
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(clicked.count(), 1);
    // A disabled control does not react.
    target->setEnabled(false);
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(clicked.count(), 1);
}

void ToolkitTest::linkCaptionIsALinkThatCanBePressed()
{
    LinkLabel caption(QStringLiteral("Label6"));
    caption.setText(QStringLiteral("Aislamiento de la ropa (clo)"));
    QSignalSpy clicked(&caption, &LinkLabel::clicked);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&caption);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Link);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Aislamiento de la ropa (clo)"));
    QVERIFY(accessible->state().focusable);
    QAccessibleActionInterface *actions = accessible->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
    caption.setEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
}

void ToolkitTest::valueAreaIsNamedByItsCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inTabOrder");
    QTest::newRow("English caption ends with a colon") << "Metabolic power (M):"
                                                       << "85"
                                                       << "Metabolic power (M): 85" << true;
    QTest::newRow("Spanish caption") << "Velocidad del aire (va)"
                                     << "0.15"
                                     << "Velocidad del aire (va): 0.15" << true;
    QTest::newRow("text as typed") << "TRM:"
                                   << "21,5abc"
                                   << "TRM: 21,5abc" << true;
    QTest::newRow("empty area") << "Postura"
                                << ""
                                << "Postura" << false;
}

void ToolkitTest::valueAreaIsNamedByItsCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, value);
    QFETCH(QString, name);
    QFETCH(bool, inTabOrder);
    ValueArea area(QStringLiteral("Metabolismo"));
    area.setCaption(caption);
    area.setLines({ value });
    QCOMPARE(QAccessible::queryAccessibleInterface(&area)->text(QAccessible::Name), name);
    QCOMPARE(bool(area.focusPolicy() & Qt::TabFocus), inTabOrder);
}

void ToolkitTest::pressReturnsBeforeTheQuestionIsAnswered()
{
    QWidget window;
    auto *picture
        = new PictureButton(QStringLiteral("salir"), QString::fromLatin1(pictures::kExit), &window);
    int yes = 0;
    connect(picture, &PictureButton::clicked, &window, [&] {
        askYesNo(&window, QStringLiteral("Salir del programa"), QStringLiteral("¿Salir?"),
            [&yes] { ++yes; });
    });
    test::MessageRecorder messages(QMessageBox::Yes);
    // Seen right after the action has returned: nothing answered yet.
    int answeredWhenTheActionReturned = -1;
    connect(picture, &PictureButton::clicked, &window,
        [&] { answeredWhenTheActionReturned = messages.answeredSoFar(); });
    window.show();

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(picture);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(answeredWhenTheActionReturned, 0);
    QCOMPARE(yes, 0);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(yes, 1);
}

void ToolkitTest::queuedBoxesComeUpOneAfterTheOther()
{
    QWidget window;
    window.show();
    test::MessageRecorder messages(QMessageBox::Yes);
    int openAtOnce = 0;
    QTimer watch;
    connect(&watch, &QTimer::timeout, &window, [&] {
        openAtOnce = std::max<int>(openAtOnce, window.findChildren<QMessageBox *>().size());
    });
    watch.start(1);
    showWarning(&window, QStringLiteral("Parámetro erróneo"), QStringLiteral("first"));
    askYesNo(&window, QStringLiteral("t"), QStringLiteral("second"), [&window] {
        showWarning(&window, QStringLiteral("t"), QStringLiteral("fourth, asked by the answer"));
    });
    showWarning(&window, QStringLiteral("t"), QStringLiteral("third"));
    QCOMPARE(messages.texts(),
        QStringList({ "first", "second", "third", "fourth, asked by the answer" }));
    QCOMPARE(openAtOnce, 1);
}

void ToolkitTest::boxOfAClosedWindowIsDropped()
{
    test::MessageRecorder messages(QMessageBox::Yes);
    bool answered = false;
    auto *window = new QWidget;
    askYesNo(window, QStringLiteral("t"), QStringLiteral("gone"), [&answered] { answered = true; });
    delete window;
    QCOMPARE(messages.count(), 0);
    QVERIFY(!answered);
}

void ToolkitTest::toolkitButtonsSpeakTheLanguageOfTheRun_data()
{
    QTest::addColumn<bool>("spanish");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("Spanish") << true << QStringList { "Sí", "No", "Aceptar" };
    QTest::newRow("English") << false << QStringList { "Yes", "No", "OK" };
}

void ToolkitTest::toolkitButtonsSpeakTheLanguageOfTheRun()
{
    QFETCH(bool, spanish);
    QFETCH(QStringList, buttons);
    using kalvora::model::Language;
    QVERIFY(useQtTranslations(spanish ? Language::Spanish : Language::English));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("q"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
    QStringList shown;
    for (const QMessageBox::StandardButton button :
        { QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok })
        shown << box.button(button)->text().remove(QLatin1Char('&'));
    QCOMPARE(shown, buttons);
    useQtTranslations(Language::English);
}

void ToolkitTest::textChangeIsAnnouncedOnlyWhenTheTextChanges()
{
    using kalvora::model::Field;
    AppState state;
    QSignalSpy texts(&state, &AppState::textChanged);
    QSignalSpy enabling(&state, &AppState::enablingChanged);
    state.setText(Field::Taseco, "31,5");
    state.setText(Field::Taseco, "31,5");
    QCOMPARE(texts.count(), 1);
    QCOMPARE(state.input().text(Field::Taseco), std::string("31,5"));
    state.setMethod(kalvora::model::Method::Wbgt, true);
    state.select(kalvora::model::OptionGroup::humedad, 2);
    QCOMPARE(enabling.count(), 2);
    QVERIFY(state.input().method(kalvora::model::Method::Wbgt));
    QCOMPARE(state.input().selected(kalvora::model::OptionGroup::humedad), 2);
}

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
