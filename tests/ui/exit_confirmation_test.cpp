// The exit question and the chain of windows it closes, in its order, for every kind of caller.

#include "test_support.h"
#include "ui/shell/app_state.h"
#include "ui/shell/exit_confirmation.h"
#include "ui/shell/windows.h"

#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <optional>

using namespace kalvora::ui;
using Ids = QList<int>;

namespace {

constexpr WindowId kEveryWindow[] = {
    WindowId::FormVelsa,
    WindowId::Form0,
    WindowId::Form1,
    WindowId::Form2,
    WindowId::Form3,
    WindowId::Form4,
    WindowId::Form5,
    WindowId::Form6,
    WindowId::Form7,
    WindowId::Form8,
    WindowId::Form10,
    WindowId::Form11,
    WindowId::Form12,
    WindowId::Form13,
    WindowId::Form14,
    WindowId::FormIREQ,
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
            windows.hide(WindowId::Form0);
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
    void levelsOfTheCallers();
    void yesClosesTheChainInOrder_data();
    void yesClosesTheChainInOrder();
    void noLeavesEveryWindow_data();
    void noLeavesEveryWindow();
    void windowWithoutExitPictureAsksNothing();
    void titleStaysSpanishInEnglish();
};

void ExitConfirmationTest::levelsOfTheCallers()
{
    // The table of callers: the window's number for the windows opened from the hub, 12 for the
    // IREQ view; the method views hand on the summary's flag, nobody else does.
    struct Row
    {
        WindowId caller;
        std::optional<int> level;
        bool handsOnFlag;
    };
    const Row rows[] = {
        { WindowId::Form0, 0, false },
        { WindowId::Form1, 1, false },
        { WindowId::Form2, 2, false },
        { WindowId::Form3, 3, true },
        { WindowId::Form4, 4, true },
        { WindowId::Form5, 5, true },
        { WindowId::Form6, 6, true },
        { WindowId::Form7, 7, true },
        { WindowId::Form10, 10, false },
        { WindowId::Form11, 11, false },
        { WindowId::FormIREQ, 12, true },
        { WindowId::Form14, 14, false },
        { WindowId::FormVelsa, std::nullopt, false },
        { WindowId::Form8, std::nullopt, false },
        { WindowId::Form12, std::nullopt, false },
        { WindowId::Form13, std::nullopt, false },
    };
    for (const Row &row : rows) {
        QCOMPARE(exitLevel(row.caller), row.level);
        QCOMPARE(handsOnSummaryFlag(row.caller), row.handsOnFlag);
    }
}

void ExitConfirmationTest::yesClosesTheChainInOrder_data()
{
    QTest::addColumn<int>("caller");
    QTest::addColumn<int>("cont");
    QTest::addColumn<Ids>("open");
    QTest::addColumn<Ids>("closedInOrder");

    const int f0 = id(WindowId::Form0), f1 = id(WindowId::Form1), f2 = id(WindowId::Form2);
    const int f3 = id(WindowId::Form3), f4 = id(WindowId::Form4), f5 = id(WindowId::Form5);
    const int f6 = id(WindowId::Form6), f7 = id(WindowId::Form7), f8 = id(WindowId::Form8);
    const int f10 = id(WindowId::Form10), f11 = id(WindowId::Form11), f12 = id(WindowId::Form12);
    const int f13 = id(WindowId::Form13), f14 = id(WindowId::Form14), ireq = id(WindowId::FormIREQ);

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
        QCOMPARE(run.windows.window(window)->isVisible(), window != WindowId::Form0);
}

void ExitConfirmationTest::windowWithoutExitPictureAsksNothing()
{
    Ids everything;
    for (const WindowId window : kEveryWindow)
        everything.push_back(id(window));
    for (const WindowId window :
        { WindowId::FormVelsa, WindowId::Form8, WindowId::Form12, WindowId::Form13 }) {
        Run run(everything);
        test::MessageRecorder messages(QMessageBox::Yes);
        ConfirmExit(run.state, run.windows, window);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(run.openWindows(), sorted(everything));
    }
}

void ExitConfirmationTest::titleStaysSpanishInEnglish()
{
    Run run({ id(WindowId::Form0), id(WindowId::Form1), id(WindowId::Form2) });
    run.state.setLanguage(kalvora::model::Language::English);
    test::MessageRecorder messages(QMessageBox::No);
    ConfirmExit(run.state, run.windows, WindowId::Form2);
    QCOMPARE(messages.count(), 1);
    const test::Message &question = messages.seen().front();
    QCOMPARE(question.title, QStringLiteral("Salir del programa"));
    QCOMPARE(question.text, QStringLiteral("Do you really want to exit?"));
    QCOMPARE(question.icon, QMessageBox::NoIcon);
}

QTEST_MAIN(ExitConfirmationTest)
#include "exit_confirmation_test.moc"
