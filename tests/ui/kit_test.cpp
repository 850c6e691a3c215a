// The shared pieces of the result windows: positions in twips, the scale marker, the rating
// light, the row of view pictures, and the registry's build-then-load order.

#include "test_support.h"
#include "ui/shell/app_state.h"
#include "ui/shell/exit_confirmation.h"
#include "ui/shell/loads_on_open.h"
#include "ui/shell/messages.h"
#include "ui/shell/picture_button.h"
#include "ui/shell/rating_light.h"
#include "ui/shell/scale_marker.h"
#include "ui/shell/twips.h"
#include "ui/shell/view_picture_row.h"
#include "ui/shell/windows.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <functional>

using namespace kalvora::ui;
using Direction = ScaleMarker::Direction;

namespace {

// Qt's offscreen screen reports 96 logical dots per inch: 1440 twips are 96 pixels.
constexpr int kOffscreenDpi = 96;

bool isColour(const QImage &image, QPoint at, QColor colour)
{
    return image.pixelColor(at).rgb() == colour.rgb() && image.pixelColor(at).alpha() == 255;
}

/// A window that does its work at load, as a result window does.
class LoadingWindow : public QWidget, public LoadsOnOpen
{
public:
    explicit LoadingWindow(std::function<void()> onLoad)
        : m_onLoad(std::move(onLoad))
    {
    }
    void load() override { m_onLoad(); }

private:
    std::function<void()> m_onLoad;
};

/// A view with the picture row wired the usual way.
QWidget *viewWithPictures(AppState &state, Windows &windows, WindowId self, const char *print)
{
    auto *view = new QWidget;
    view->setWindowTitle(QStringLiteral("Influencia  de la velocidad del aire"));
    auto *row = new ViewPictureRow(*view, { .print = print });
    row->setObjectName(QStringLiteral("pictures"));
    row->applyCaptions(state.language());
    connectViewActions(*row, state, windows, self);
    auto *layout = new QVBoxLayout(view);
    layout->addWidget(new QLabel(QStringLiteral("WBGT = 25.00"), view));
    layout->addWidget(row);
    return view;
}

} // namespace

class KitTest : public QObject
{
    Q_OBJECT
private slots:
    void placesByTwips();
    void markerPointsWhereItIsTurned_data();
    void markerPointsWhereItIsTurned();
    void lightShowsTheRecordColoursAndSaysTheVerdict();
    void clickableLightAnswersEveryRoad();
    void lightThatIsNotClickableStaysQuiet();
    void pictureRowBackExitAndEsc();
    void pictureRowPrintsOnlyWhereAsked();
    void registryKnowsTheWindowBeforeItsLoad();
    void loadThatClosesItsWindowOpensNothing();
};

void KitTest::placesByTwips()
{
    QWidget panel;
    if (panel.logicalDpiX() != kOffscreenDpi || panel.logicalDpiY() != kOffscreenDpi)
        QSKIP("the pixel figures below are worked out for 96 dots per inch");
    auto *label = new QLabel(&panel);
    label->resize(40, 20);

    // The PMV arrow's column (6360) and the scale step 0 (2700): 6360 / 15 = 424, 2700 / 15 = 180.
    placeAtTwips(*label, 6360, 2700);
    QCOMPARE(label->pos(), QPoint(424, 180));
    placeAtTwips(*label, 1440, 1440, TwipsAnchor::Centre);
    QCOMPARE(label->pos(), QPoint(96 - 20, 96 - 10));
    // Half a pixel rounds away from zero: 7.5 twips is 0.5 px.
    QCOMPARE(twipsToPixelsX(panel, 7.5), 1);
    QCOMPARE(twipsToPixelsY(panel, -255), -17);

    resizeToTwips(*label, 255 * 4, 255);
    QCOMPARE(label->size(), QSize(68, 17));
}

void KitTest::markerPointsWhereItIsTurned_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("head");
    QTest::addColumn<QPoint>("tail");
    QTest::addColumn<QPoint>("besideTail");

    // A point of the head's wide part outside the shaft, the shaft's far end in the middle of the
    // breadth, and a corner beside the tail (the shaft is narrower than the head).
    QTest::newRow("right") << int(Direction::Right) << QSize(60, 20) << QPoint(40, 4)
                           << QPoint(1, 10) << QPoint(1, 1);
    QTest::newRow("left") << int(Direction::Left) << QSize(60, 20) << QPoint(19, 15)
                          << QPoint(58, 10) << QPoint(58, 18);
    QTest::newRow("down") << int(Direction::Down) << QSize(20, 60) << QPoint(15, 40)
                          << QPoint(10, 1) << QPoint(1, 1);
    QTest::newRow("up") << int(Direction::Up) << QSize(20, 60) << QPoint(4, 19) << QPoint(10, 58)
                        << QPoint(18, 58);
}

void KitTest::markerPointsWhereItIsTurned()
{
    QFETCH(int, direction);
    QFETCH(QSize, size);
    QFETCH(QPoint, head);
    QFETCH(QPoint, tail);
    QFETCH(QPoint, besideTail);

    ScaleMarker marker { Direction(direction) };
    marker.setColour(Qt::blue);
    marker.resize(size);
    const QImage image = marker.grab().toImage();
    QVERIFY(isColour(image, head, Qt::blue));
    QVERIFY(isColour(image, tail, Qt::blue));
    QVERIFY(!isColour(image, besideTail, Qt::blue));
    // The same point mirrored to the tail's end lies outside the shaft.
    const QPoint mirrored(size.width() - 1 - head.x(), size.height() - 1 - head.y());
    QVERIFY(!isColour(image, mirrored, Qt::blue));
}

void KitTest::lightShowsTheRecordColoursAndSaysTheVerdict()
{
    struct Row
    {
        std::int16_t rating;
        QColor colour;
        const char *verdict;
    };
    // The record's colours: green (0, 128, 0), orange (255, 128, 0), red (255, 0, 0).
    const Row rows[] = {
        { 0, QColor(0, 128, 0), "Confortable" },
        { 1, QColor(255, 128, 0), "Disconfort moderado" },
        { 2, QColor(255, 0, 0), "Riesgo" },
    };
    for (const Row &row : rows) {
        RatingLight light(QStringLiteral("s1"));
        light.resize(20, 20);
        light.setRating(row.rating, QString::fromUtf8(row.verdict));
        const QImage image = light.grab().toImage();
        QCOMPARE(image.pixelColor(10, 10), row.colour);
        QCOMPARE(light.accessibleName(), QString::fromUtf8(row.verdict));
        QCOMPARE(QAccessible::queryAccessibleInterface(&light)->text(QAccessible::Name),
            QString::fromUtf8(row.verdict));
    }
    RatingLight cleared(QStringLiteral("s2"));
    cleared.setRating(2, QStringLiteral("Riesgo"));
    cleared.clearRating();
    QVERIFY(cleared.accessibleName().isEmpty());
    QVERIFY(cleared.colour() != QColor(255, 0, 0));
}

void KitTest::clickableLightAnswersEveryRoad()
{
    QWidget window;
    auto *before = new QLabel(QStringLiteral("x"), &window);
    before->setFocusPolicy(Qt::StrongFocus);
    auto *light = new RatingLight(QStringLiteral("s1"), &window);
    light->setClickable(true);
    light->setRating(1, QStringLiteral("Moderado"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(before);
    layout->addWidget(light);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy activated(light, &RatingLight::activated);

    QTest::mouseClick(light, Qt::LeftButton);
    QCOMPARE(activated.count(), 1);
    QTest::mouseClick(light, Qt::RightButton);
    QCOMPARE(activated.count(), 1);

    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), light);
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space })
        QTest::keyClick(light, key);
    QCOMPARE(activated.count(), 4);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(light);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QAccessibleActionInterface *actions = accessible->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(activated.count(), 5);

    light->setEnabled(false);
    QTest::mouseClick(light, Qt::LeftButton);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(activated.count(), 5);
}

void KitTest::lightThatIsNotClickableStaysQuiet()
{
    RatingLight light(QStringLiteral("s1"));
    light.setRating(0, QStringLiteral("Bien"));
    light.resize(20, 20);
    QSignalSpy activated(&light, &RatingLight::activated);
    QTest::mouseClick(&light, Qt::LeftButton);
    QTest::keyClick(&light, Qt::Key_Space);
    light.activate();
    QCOMPARE(activated.count(), 0);
    QCOMPARE(light.focusPolicy(), Qt::NoFocus);
    QVERIFY(
        !QAccessible::queryAccessibleInterface(&light)->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
}

void KitTest::pictureRowBackExitAndEsc()
{
    AppState state;
    state.setLanguage(kalvora::model::Language::English);
    Windows windows;
    windows.registerFactory(WindowId::WbgtView,
        [&] { return viewWithPictures(state, windows, WindowId::WbgtView, nullptr); });
    windows.registerFactory(WindowId::Hub, [] { return new QWidget; });

    // Back, by the picture and by Esc, closes the view alone.
    for (const bool byEscape : { false, true }) {
        windows.open(WindowId::Hub);
        QWidget *view = windows.open(WindowId::WbgtView);
        QVERIFY(QTest::qWaitForWindowActive(view));
        auto *row = view->findChild<ViewPictureRow *>();
        QCOMPARE(row->backPicture()->objectName(), QStringLiteral("salir"));
        QCOMPARE(row->backPicture()->accessibleName(), QStringLiteral("Back"));
        if (byEscape)
            QTest::keyClick(view, Qt::Key_Escape);
        else
            QTest::mouseClick(row->backPicture(), Qt::LeftButton);
        QVERIFY(!windows.isOpen(WindowId::WbgtView));
        QVERIFY(windows.isOpen(WindowId::Hub));
    }

    // Exit asks the one exit question for this window; yes closes the chain down to it.
    windows.open(WindowId::Hub);
    QWidget *view = windows.open(WindowId::WbgtView);
    auto *row = view->findChild<ViewPictureRow *>();
    QCOMPARE(row->exitPicture()->objectName(), QStringLiteral("Picture2"));
    QCOMPARE(row->exitPicture()->accessibleName(), QStringLiteral("Exit the program"));
    test::MessageRecorder messages(QMessageBox::Yes);
    QTest::mouseClick(row->exitPicture(), Qt::LeftButton);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.seen().front().title, QStringLiteral("Salir del programa"));
    QVERIFY(!windows.isOpen(WindowId::WbgtView));
    QVERIFY(!windows.isOpen(WindowId::Hub));
}

void KitTest::pictureRowPrintsOnlyWhereAsked()
{
    QWidget plain;
    const ViewPictureRow withoutPrint(plain, {});
    QCOMPARE(withoutPrint.printPicture(), nullptr);

    QWidget sweep;
    ViewPictureRow row(sweep, { .exit = "Picture3", .print = "Picture4" });
    row.applyCaptions(kalvora::model::Language::Spanish);
    QCOMPARE(row.exitPicture()->objectName(), QStringLiteral("Picture3"));
    QVERIFY(row.printPicture());
    QCOMPARE(row.printPicture()->objectName(), QStringLiteral("Picture4"));
    QCOMPARE(row.printPicture()->accessibleName(), QStringLiteral("Imprimir"));
    QSignalSpy print(&row, &ViewPictureRow::printRequested);
    row.printPicture()->click();
    QCOMPARE(print.count(), 1);
}

void KitTest::registryKnowsTheWindowBeforeItsLoad()
{
    Windows windows;
    int loads = 0;
    bool openAtLoad = false;
    bool visibleAtLoad = true;
    windows.registerFactory(WindowId::PmvView, [&] {
        return new LoadingWindow([&] {
            ++loads;
            openAtLoad = windows.isOpen(WindowId::PmvView);
            visibleAtLoad = windows.window(WindowId::PmvView)->isVisible();
            showWarning(
                windows.window(WindowId::PmvView), QStringLiteral("t"), QStringLiteral("m"));
        });
    });
    test::MessageRecorder messages;
    QWidget *view = windows.open(WindowId::PmvView);
    QVERIFY(view && view->isVisible());
    QCOMPARE(loads, 1);
    QVERIFY(openAtLoad);
    QVERIFY(!visibleAtLoad); // loaded, then shown
    QCOMPARE(messages.count(), 1);

    // Bringing the open window to the front does not load it again.
    QCOMPARE(windows.open(WindowId::PmvView), view);
    QCOMPARE(loads, 1);
}

void KitTest::loadThatClosesItsWindowOpensNothing()
{
    AppState state;
    Windows windows;
    windows.registerFactory(WindowId::StartScreen, [] { return new QWidget; });
    windows.registerFactory(WindowId::WbgtView,
        [&] { return new LoadingWindow([&] { windows.close(WindowId::WbgtView); }); });
    windows.registerFactory(WindowId::PmvView,
        [&] { return new LoadingWindow([&] { ConfirmExit(state, windows, WindowId::PmvView); }); });
    windows.open(WindowId::StartScreen);
    QCOMPARE(windows.open(WindowId::WbgtView), nullptr);
    QVERIFY(!windows.isOpen(WindowId::WbgtView));

    // A question asked while loading comes up once the window is open; yes closes the chain.
    test::MessageRecorder messages(QMessageBox::Yes);
    QVERIFY(windows.open(WindowId::PmvView));
    QCOMPARE(messages.count(), 1);
    QVERIFY(!windows.isOpen(WindowId::PmvView));
    QVERIFY(!windows.isOpen(WindowId::StartScreen));
}

QTEST_MAIN(KitTest)
#include "kit_test.moc"
