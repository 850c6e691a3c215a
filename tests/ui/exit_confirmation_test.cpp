// The exit question and the chain of windows it closes, in its order, for every kind of caller.

#include "test_support.h"
#include "ui/shell/app_state.h"
#include "ui/shell/exit_confirmation.h"
#include "ui/shell/windows.h"

#include <QSignalSpy>
#include <QTest>
#include <algorithm>

using namespace kalvora::ui;
using Ids = QList<int>;

namespace {

constexpr WindowId kEveryWindow[] = {
    WindowId::CreditsSplash,
    WindowId::StartScreen,
    WindowId::InputForm,
    WindowId::Hub,
    WindowId::WbgtView,
    WindowId::PmvView,
    WindowId::WindChillView,
    WindowId::HsiView,
    WindowId::SweatRateView,
    WindowId::HelpViewer,
    WindowId::ResultsSummary,
    WindowId::SweepWindow,
    WindowId::RangesView,
    WindowId::ClothingSelector,
    WindowId::ParametersReport,
    WindowId::IreqView,
};

int id(WindowId window)
{
    return int(window);
}

/// Every window as a plain one, opened as in a run: the start screen hidden behind the others.
struct Run
{
    kalvora::ui::AppState state;
    Windows windows;
    explicit Run(const Ids &open)
    {
        for (const WindowId window : kEveryWindow)
            windows.registerFactory(window, [] { return new QWidget; });
        for (const int window : open)
            windows.open(WindowId(window));
        if (open.size() > 1)
            windows.hide(WindowId::StartScreen);
    }
    Ids openWindows() const
    {
        Ids result;
        for (const WindowId window : kEveryWindow)
            if (windows.isOpen(window))
                result.push_back(id(window));
        return result;
    }
};

Ids sorted(Ids ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

class ExitConfirmationTest : public QObject
{
    Q_OBJECT
private slots:
    void yesClosesTheChainInOrder_data();
    void yesClosesTheChainInOrder();
    void noLeavesEveryWindow_data();
    void noLeavesEveryWindow();
    void windowWithoutExitPictureAsksNothing();
    void titleStaysSpanishInEnglish();
};

void ExitConfirmationTest::yesClosesTheChainInOrder_data()
{
    QTest::addColumn<int>("caller");
    QTest::addColumn<int>("cont");
    QTest::addColumn<Ids>("open");
    QTest::addColumn<Ids>("closedInOrder");

    const int f0 = id(WindowId::StartScreen), f1 = id(WindowId::InputForm), f2 = id(WindowId::Hub);
    const int f3 = id(WindowId::WbgtView), f4 = id(WindowId::PmvView),
              f5 = id(WindowId::WindChillView);
    const int f6 = id(WindowId::HsiView), f7 = id(WindowId::SweatRateView),
              f8 = id(WindowId::HelpViewer);
    const int f10 = id(WindowId::ResultsSummary), f11 = id(WindowId::SweepWindow),
              f12 = id(WindowId::RangesView);
    const int f13 = id(WindowId::ClothingSelector), f14 = id(WindowId::ParametersReport),
              ireq = id(WindowId::IreqView);

    QTest::newRow("start screen") << f0 << 0 << Ids { f0 } << Ids { f0 };
    QTest::newRow("input form, help and clothing stay")
        << f1 << 0 << Ids { f0, f1, f8, f13 } << Ids { f0, f1 };
    QTest::newRow("hub, views stay")
        << f2 << 0 << Ids { f0, f1, f2, f3, f10 } << Ids { f0, f1, f2 };
    QTest::newRow("hub ignores the summary's flag")
        << f2 << 1 << Ids { f0, f1, f2, f10 } << Ids { f0, f1, f2 };
    QTest::newRow("PMV view through the summary")
        << f4 << 1 << Ids { f0, f1, f2, f10, f4 } << Ids { f0, f1, f2, f10, f4 };
    QTest::newRow("PMV view from the hub")
        << f4 << 0 << Ids { f0, f1, f2, f10, f4 } << Ids { f0, f1, f2, f4 };
    QTest::newRow("WBGT view") << f3 << 0 << Ids { f0, f1, f2, f3, f4 } << Ids { f0, f1, f2, f3 };
    QTest::newRow("wind chill view")
        << f5 << 1 << Ids { f0, f1, f2, f10, f5 } << Ids { f0, f1, f2, f10, f5 };
    QTest::newRow("HSI view") << f6 << 0 << Ids { f0, f1, f2, f6 } << Ids { f0, f1, f2, f6 };
    QTest::newRow("sweat rate view, ranges stay")
        << f7 << 1 << Ids { f0, f1, f2, f10, f7, f12 } << Ids { f0, f1, f2, f10, f7 };
    QTest::newRow("summary closes once")
        << f10 << 0 << Ids { f0, f1, f2, f10 } << Ids { f0, f1, f2, f10 };
    QTest::newRow("sweep ignores the summary's flag")
        << f11 << 1 << Ids { f0, f1, f2, f11, f10 } << Ids { f0, f1, f2, f11 };
    QTest::newRow("IREQ view through the summary")
        << ireq << 1 << Ids { f0, f1, f2, f10, ireq, f12 } << Ids { f0, f1, f2, f10, ireq };
    QTest::newRow("report ignores the summary's flag")
        << f14 << 1 << Ids { f0, f1, f2, f10, f14 } << Ids { f0, f1, f2, f14 };
    QTest::newRow("windows not open are skipped")
        << f4 << 1 << Ids { f0, f2, f4 } << Ids { f0, f2, f4 };
}

void ExitConfirmationTest::yesClosesTheChainInOrder()
{
    QFETCH(int, caller);
    QFETCH(int, cont);
    QFETCH(Ids, open);
    QFETCH(Ids, closedInOrder);

    Run run(open);
    run.state.setCont(cont);
    QSignalSpy closed(&run.windows, &Windows::closed);
    test::MessageRecorder messages(QMessageBox::Yes);
    ConfirmExit(run.state, run.windows, WindowId(caller));

    QCOMPARE(messages.count(), 1);
    Ids order;
    for (const QList<QVariant> &call : closed)
        order.push_back(id(call.at(0).value<WindowId>()));
    QCOMPARE(order, closedInOrder);

    Ids remaining = open;
    remaining.removeIf([&](int window) { return closedInOrder.contains(window); });
    QCOMPARE(run.openWindows(), sorted(remaining));
}

void ExitConfirmationTest::noLeavesEveryWindow_data()
{
    QTest::addColumn<int>("caller");
    QTest::addColumn<int>("cont");
    for (const WindowId window : kEveryWindow) {
        if (!exitLevel(window))
            continue;
        QTest::addRow("window %d", id(window)) << id(window) << 0;
        QTest::addRow("window %d from the summary", id(window)) << id(window) << 1;
    }
}

void ExitConfirmationTest::noLeavesEveryWindow()
{
    QFETCH(int, caller);
    QFETCH(int, cont);
    Ids everything;
    for (const WindowId window : kEveryWindow)
        everything.push_back(id(window));
    Run run(everything);
    run.state.setCont(cont);
    QSignalSpy closed(&run.windows, &Windows::closed);

    test::MessageRecorder messages(QMessageBox::No);
    ConfirmExit(run.state, run.windows, WindowId(caller));

    QCOMPARE(messages.count(), 1);
    QCOMPARE(closed.count(), 0);
    QCOMPARE(run.openWindows(), sorted(everything));
    for (const WindowId window : kEveryWindow)
        QCOMPARE(run.windows.window(window)->isVisible(), window != WindowId::StartScreen);
}

void ExitConfirmationTest::windowWithoutExitPictureAsksNothing()
{
    Ids everything;
    for (const WindowId window : kEveryWindow)
        everything.push_back(id(window));
    for (const WindowId window : { WindowId::CreditsSplash, WindowId::HelpViewer,
             WindowId::RangesView, WindowId::ClothingSelector }) {
        Run run(everything);
        test::MessageRecorder messages(QMessageBox::Yes);
        ConfirmExit(run.state, run.windows, window);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(run.openWindows(), sorted(everything));
    }
}

void ExitConfirmationTest::titleStaysSpanishInEnglish()
{
    Run run({ id(WindowId::StartScreen), id(WindowId::InputForm), id(WindowId::Hub) });
    run.state.setLanguage(kalvora::model::Language::English);
    test::MessageRecorder messages(QMessageBox::No);
    ConfirmExit(run.state, run.windows, WindowId::Hub);
    QCOMPARE(messages.count(), 1);
    const test::Message &question = messages.seen().front();
    QCOMPARE(question.title, QStringLiteral("Salir del programa"));
    QCOMPARE(question.text, QStringLiteral("Do you really want to exit?"));
    QCOMPARE(question.icon, QMessageBox::NoIcon);
}

QTEST_MAIN(ExitConfirmationTest)
#include "exit_confirmation_test.moc"
