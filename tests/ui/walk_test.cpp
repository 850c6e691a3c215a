// A new user's walk through the program, with the windows built exactly as the executable builds
// them: splash, language, start, two methods ticked, load, the hub, back to modify a value (first
// a refused one), load again with fresh results, a look at every window the hub leads to, a hot
// and a cold workplace with every method, and leaving with Yes, which ends the program. With
// KALVORA_SCREENSHOTS set to a folder, every window met on the way is saved there as a picture.

#include "app/program.h"
#include "method_views_walk.h"
#include "survey_program.h"
#include "test_support.h"
#include "ui/shell/app_state.h"
#include "ui/shell/control_name.h"
#include "ui/shell/windows.h"
#include "walk_clothing_and_help.h"
#include "walk_hot_and_cold.h"
#include "walk_results.h"
#include "walk_survey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

using namespace kalvora::ui;
using kalvora::model::Language;

namespace {

class Walk
{
public:
    explicit Walk(const QString &language)
        : m_language(language)
        , m_folder(qEnvironmentVariable("KALVORA_SCREENSHOTS"))
    {
        registerProgramWindows(m_state, m_windows);
    }

    AppState &state() { return m_state; }
    Windows &windows() { return m_windows; }

    QWidget *window(WindowId id)
    {
        QWidget *open = m_windows.window(id);
        if (!open)
            qWarning("window %d is not open", int(id));
        return open;
    }

    template <class T = QWidget> T *control(WindowId id, const QString &name)
    {
        QWidget *open = window(id);
        T *found = open ? open->findChild<T *>(name) : nullptr;
        if (!found)
            qWarning("no control %s in window %d", qPrintable(name), int(id));
        return found;
    }

    void click(WindowId id, const QString &name)
    {
        if (QWidget *widget = control(id, name))
            QTest::mouseClick(widget, Qt::LeftButton);
    }

    void type(WindowId id, const QString &box, const QString &text)
    {
        if (auto *edit = control<QLineEdit>(id, box)) {
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, text);
        }
    }

    /// Saves the window's picture as <language>_<step>_<what>.png when a folder is given.
    void snap(WindowId id, const QString &what)
    {
        QWidget *open = window(id);
        if (!open)
            return;
        QApplication::processEvents();
        const QPixmap picture = open->grab();
        if (picture.isNull())
            qWarning("window %d gave no picture", int(id));
        save(picture, what);
    }

    /// Saves a picture as <language>_<step>_<what>.png when a folder is given.
    void save(const QPixmap &picture, const QString &what)
    {
        if (m_folder.isEmpty())
            return;
        QDir().mkpath(m_folder);
        const QString file = QStringLiteral("%1/%2_%3_%4.png")
                                 .arg(m_folder, m_language)
                                 .arg(++m_step, 2, 10, QLatin1Char('0'))
                                 .arg(what);
        picture.save(file);
    }

private:
    AppState m_state;
    Windows m_windows;
    QString m_language;
    QString m_folder;
    int m_step = 0;
};

struct HubDoor
{
    const char *control;
    WindowId opens;
    const char *what;
};

// What the hub leads to, by the control a user clicks.
constexpr HubDoor kHubDoors[] = {
    { "BIVM", WindowId::PmvView, "pmv_view" },
    { "BWBGT", WindowId::WbgtView, "wbgt_view" },
    { "Picture1", WindowId::ResultsSummary, "summary" },
    { "observaciones", WindowId::ParametersReport, "report" },
    { "Picture3", WindowId::SweepWindow, "sweep" },
};

// Indoors, WBGT = 0.7·tnw + 0.3·tg (°C): with tnw 16, 0.7·16 + 0.3·20 and then 0.3·26.
constexpr double kWbgtFirst = 17.2;
constexpr double kWbgtAfterGlobe26 = 19.0;

} // namespace

class WalkTest : public QObject
{
    Q_OBJECT
private slots:
    /// Recent surveys and recovery files apart from a user's, none left from an earlier walk.
    void initTestCase() { test::useTestFolders(); }
    void newUserWalk_data();
    void newUserWalk();
};

void WalkTest::newUserWalk_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("inputTitle");
    QTest::newRow("Español") << "es"
                             << "Confort Térmico";
    QTest::newRow("English") << "en"
                             << "Thermal comfort";
}

void WalkTest::newUserWalk()
{
    QFETCH(QString, language);
    QFETCH(QString, inputTitle);
    QLocale::setDefault(
        QLocale(language == QLatin1String("en") ? QLocale::English : QLocale::Spanish,
            language == QLatin1String("en") ? QLocale::UnitedStates : QLocale::Spain));
    const bool english = language == QLatin1String("en");

    Walk walk(language);
    startProgram(walk.windows());
    walk.snap(WindowId::CreditsSplash, QStringLiteral("splash"));

    walk.click(WindowId::CreditsSplash, QStringLiteral("Picture1"));
    QVERIFY(!walk.windows().isOpen(WindowId::CreditsSplash));
    if (english)
        walk.click(WindowId::StartScreen, controlName("Idioma", 1));
    walk.snap(WindowId::StartScreen, QStringLiteral("start"));

    walk.click(WindowId::StartScreen, QStringLiteral("Inicio"));
    QWidget *input = walk.window(WindowId::InputForm);
    QVERIFY(input && input->isVisible());
    QVERIFY(!walk.window(WindowId::StartScreen)->isVisible());
    QCOMPARE(input->windowTitle(), inputTitle);
    walk.snap(WindowId::InputForm, QStringLiteral("input_fresh"));

    walk.click(WindowId::InputForm, controlName("Método", 0));
    walk.click(WindowId::InputForm, controlName("Método", 2));
    QVERIFY(walk.control(WindowId::InputForm, QStringLiteral("tbhn"))->isEnabled());
    walk.snap(WindowId::InputForm, QStringLiteral("input_pmv_wbgt"));
    test::walkClothingAndHelp(
        walk.windows(), [&walk](WindowId id, const QString &what) { walk.snap(id, what); });

    walk.click(WindowId::InputForm, QStringLiteral("Cargar_datos"));
    QWidget *hub = walk.window(WindowId::Hub);
    QVERIFY(hub && hub->isVisible());
    QVERIFY(input->isVisible());
    QVERIFY(walk.control(WindowId::Hub, QStringLiteral("BIVM"))->isEnabled());
    QVERIFY(walk.control(WindowId::Hub, QStringLiteral("BWBGT"))->isEnabled());
    QVERIFY(!walk.control(WindowId::Hub, QStringLiteral("BISC"))->isEnabled());
    QCOMPARE(walk.control<QLabel>(WindowId::Hub, QStringLiteral("tglobo"))->text(),
        QStringLiteral("20"));
    QCOMPARE(
        walk.control<QLabel>(WindowId::Hub, QStringLiteral("tbhn"))->text(), QStringLiteral("16"));
    QVERIFY(std::abs(walk.state().results().WBGT - kWbgtFirst) < 1e-9);
    const double firstVote = walk.state().results().IVM;
    QVERIFY(firstVote < 0); // 18 °C air, light work, light clothing: on the cool side
    walk.snap(WindowId::Hub, QStringLiteral("hub"));

    walk.click(WindowId::Hub, QStringLiteral("modificar"));
    QVERIFY(!walk.windows().isOpen(WindowId::Hub));
    QVERIFY(input->isVisible());

    // A globe colder than the air is refused with a warning, and nothing opens.
    walk.type(WindowId::InputForm, QStringLiteral("tglobo"), QStringLiteral("15"));
    {
        test::MessageRecorder refusals;
        walk.click(WindowId::InputForm, QStringLiteral("Cargar_datos"));
        QCOMPARE(refusals.count(), 1);
        const test::Message &refusal = refusals.seen().front();
        QCOMPARE(refusal.title, QStringLiteral("Parámetro erróneo"));
        QCOMPARE(refusal.icon, QMessageBox::Warning);
        QVERIFY(!walk.windows().isOpen(WindowId::Hub));
    }

    walk.type(WindowId::InputForm, QStringLiteral("tglobo"), QStringLiteral("26"));
    walk.snap(WindowId::InputForm, QStringLiteral("input_modified"));
    walk.click(WindowId::InputForm, QStringLiteral("Cargar_datos"));
    QVERIFY(walk.windows().isOpen(WindowId::Hub));
    QCOMPARE(walk.control<QLabel>(WindowId::Hub, QStringLiteral("tglobo"))->text(),
        QStringLiteral("26"));
    QVERIFY(std::abs(walk.state().results().WBGT - kWbgtAfterGlobe26) < 1e-9);
    QVERIFY(walk.state().results().IVM > firstVote);
    walk.snap(WindowId::Hub, QStringLiteral("hub_again"));

    // Every door opens its window; a door whose window the program does not build yet opens
    // nothing and leaves the hub working.
    for (const HubDoor &door : kHubDoors) {
        const bool built = walk.windows().canOpen(door.opens);
        walk.click(WindowId::Hub, QString::fromUtf8(door.control));
        QVERIFY2(walk.windows().isOpen(door.opens) == built, door.what);
        QVERIFY2(walk.windows().isOpen(WindowId::Hub), door.what);
        if (!built)
            continue;
        walk.snap(door.opens, QString::fromUtf8(door.what));
        for (const test::OnwardDoor &onward : test::onwardDoors(door.opens)) {
            walk.click(onward.from, QString::fromUtf8(onward.control));
            QVERIFY2(walk.windows().isOpen(onward.opens), onward.what);
            walk.snap(onward.opens, QString::fromUtf8(onward.what));
            walk.windows().close(onward.opens);
        }
        walk.windows().close(door.opens);
    }

    const test::WalkActions actions {
        [&walk](WindowId id, const QString &name) { walk.click(id, name); },
        [&walk](WindowId id, const QString &what) { walk.snap(id, what); },
    };
    test::walkThroughMethodViews(walk.windows(), actions);
    test::walkHotAndCold(walk.windows(), actions);

    test::walkSurvey(
        walk.windows(), [&walk](WindowId id, const QString &what) { walk.snap(id, what); });

    // Leaving from the hub closes the start screen, the input form and the hub: the end.
    QSignalSpy closed(&walk.windows(), &Windows::closed);
    test::MessageRecorder questions(QMessageBox::Yes);
    const auto leave = [&walk] { walk.click(WindowId::Hub, QStringLiteral("Picture2")); };
    QCOMPARE(test::runUntilTheEnd(leave), 0);
    QCOMPARE(questions.count(), 1);
    QCOMPARE(questions.seen().front().text,
        english ? QStringLiteral("Do you really want to exit?")
                : QStringLiteral("¿Está seguro de que desea salir del programa?"));
    QStringList answers = questions.seen().front().buttonTexts;
    answers.sort();
    QCOMPARE(answers,
        english ? QStringList({ "No", "Yes" }) : QStringList({ "No", QStringLiteral("Sí") }));
    walk.save(questions.seen().front().picture, QStringLiteral("exit_question"));
    QCOMPARE(closed.count(), 3);
    QCOMPARE(closed.at(0).at(0).value<WindowId>(), WindowId::StartScreen);
    QCOMPARE(closed.at(1).at(0).value<WindowId>(), WindowId::InputForm);
    QCOMPARE(closed.at(2).at(0).value<WindowId>(), WindowId::Hub);
}

QTEST_MAIN(WalkTest)
#include "walk_test.moc"
