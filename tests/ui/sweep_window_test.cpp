// The air-velocity sweep as the hub opens it: cell texts of the worked rows, the dashes of the
// methods that take no part, the row colours, the balance column, English captions, the copied
// table and the window's buttons.

#include "form_driver.h"
#include "model/presentation/sweep_cells.h"
#include "pdf_output.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;
using model::SweepColumn;

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

/// Ticks and types on the input form, loads, and opens the sweep through the hub's picture.
QWidget *openSweep(FormDriver &driver, const QStringList &actions)
{
    driver.perform(actions);
    driver.load();
    driver.click(driver.hub(), QStringLiteral("Picture3"));
    return driver.windows.window(WindowId::SweepWindow);
}

QTableWidgetItem *item(QWidget *sweep, int row, SweepColumn column)
{
    return control<QTableWidget>(sweep, QStringLiteral("tabla"))->item(row, int(column));
}

QString cell(QWidget *sweep, int row, SweepColumn column)
{
    return item(sweep, row, column)->text();
}

/// The colour a cell's text was given; invalid when it keeps the table's own.
QColor colourOf(QWidget *sweep, int row, SweepColumn column)
{
    const QBrush brush = item(sweep, row, column)->foreground();
    return brush.style() == Qt::NoBrush ? QColor() : brush.color();
}

constexpr SweepColumn kResultColumns[] = { SweepColumn::PIVM, SweepColumn::PPPI, SweepColumn::PISC,
    SweepColumn::PTEP, SweepColumn::Pwp, SweepColumn::PSWp, SweepColumn::PDLE, SweepColumn::peq,
    SweepColumn::PAc, SweepColumn::PWCI, SweepColumn::Ptch, SweepColumn::PWBGT, SweepColumn::Imin,
    SweepColumn::Ineut };

// A cold store: −5 °C air and walls, dry air, 0.5 m/s, 1.5 clo worn at 100 W/m². IREQmin is
// above the worn insulation at every velocity.
const QStringList kColdStore { "Método_5", "Radiacion_1", "humedad_2", "Metabolismo=100",
    "Taseco=-5", "TRMedia=-5", "pa=0.3", "vaire=0.5", "Iclo=1.5" };

} // namespace

class SweepWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void workedRows_data();
    void workedRows();
    void methodsTakingNoPartShowDashesAndGreenRows();
    void wbgtAloneIsTheSameInEveryRow();
    void insulationBelowTheMinimumMakesTheVelocityRed();
    void nothingIsSweptAfterAnEvaluationAFaultStopped();
    void balanceColumnSaysNoWhileTheBodyLosesHeat_data();
    void balanceColumnSaysNoWhileTheBodyLosesHeat();
    void englishCaptions();
    void copiesTheWholeTable_data();
    void copiesTheWholeTable();
    void nothingIsHighlightedUntilTheKeyboardMoves();
    void buttonsCloseAndAskToExit();
};

void SweepWindowTest::workedRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected"); // velocity, PMV, PPD, WCI, tch
    QTest::addColumn<bool>("velocityRed");
    // Start inputs, globe 20 °C, relative humidity 65 %: published rows of the sweep.
    QTest::newRow("0.05 m/s") << 0 << QStringList { "0.05", "-0.64", "13.6", "254.4", "23.0" }
                              << false;
    QTest::newRow("0.15 m/s") << 2 << QStringList { "0.15", "-0.79", "18.2", "270.5", "22.4" }
                              << false;
    QTest::newRow("1.0 m/s") << 12 << QStringList { "1", "-1.32", "41.2", "347.8", "19.4" }
                             << false;
    QTest::newRow("2.5 m/s") << 15 << QStringList { "2.5", "-1.64", "58.6", "418.6", "16.6" }
                             << true;
}

void SweepWindowTest::workedRows()
{
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    QFETCH(bool, velocityRed);
    FormDriver driver(model::Language::Spanish);
    QWidget *sweep = openSweep(driver, { "Método_0", "Método_4" });
    QVERIFY(sweep);

    const SweepColumn columns[] = { SweepColumn::pv, SweepColumn::PIVM, SweepColumn::PPPI,
        SweepColumn::PWCI, SweepColumn::Ptch };
    for (int i = 0; i < 5; ++i)
        QCOMPARE(cell(sweep, row, columns[i]), expected[i]);
    QCOMPARE(cell(sweep, row, SweepColumn::PISC), QStringLiteral("  -"));
    QCOMPARE(cell(sweep, row, SweepColumn::PAc), QStringLiteral("    -"));
    QCOMPARE(cell(sweep, row, SweepColumn::Imin), QString());
    // PMV below −1.5 (red) only at 2.5 m/s; the other rows rate 1 and keep their colours.
    QCOMPARE(colourOf(sweep, row, SweepColumn::pv), velocityRed ? kRed : QColor());
    QCOMPARE(colourOf(sweep, row, SweepColumn::PIVM), QColor());
    // The verdict is also in words, for whoever cannot tell the colours apart.
    QVERIFY(!item(sweep, row, SweepColumn::pv)
                 ->data(Qt::AccessibleDescriptionRole)
                 .toString()
                 .isEmpty());
}

void SweepWindowTest::methodsTakingNoPartShowDashesAndGreenRows()
{
    FormDriver driver(model::Language::Spanish);
    QWidget *sweep = openSweep(driver, {});
    QVERIFY(sweep);
    const QStringList dashes { "   -", "  -", "  -", "  -", "  -", "    -", "  -", "  -", "    -",
        "     -", "   -", "  -", "", "" };
    for (int row = 0; row < model::kSweepRowsShown; ++row) {
        QCOMPARE(colourOf(sweep, row, SweepColumn::pv), kGreen);
        for (std::size_t i = 0; i < std::size(kResultColumns); ++i) {
            QCOMPARE(cell(sweep, row, kResultColumns[i]), dashes[qsizetype(i)]);
            QCOMPARE(colourOf(sweep, row, kResultColumns[i]), kGreen);
        }
    }
}

void SweepWindowTest::wbgtAloneIsTheSameInEveryRow()
{
    FormDriver driver(model::Language::Spanish);
    QWidget *sweep = openSweep(driver, { "Método_2" });
    QVERIFY(sweep);
    // Indoors 0.7·tnw + 0.3·tg = 0.7·16 + 0.3·20 °C, below the first limit at 85 W/m²: green.
    for (int row = 0; row < model::kSweepRowsShown; ++row) {
        QCOMPARE(cell(sweep, row, SweepColumn::PWBGT), QStringLiteral("17.20"));
        QCOMPARE(colourOf(sweep, row, SweepColumn::pv), kGreen);
    }
}

void SweepWindowTest::insulationBelowTheMinimumMakesTheVelocityRed()
{
    FormDriver driver(model::Language::Spanish);
    QWidget *sweep = openSweep(driver, kColdStore);
    QVERIFY(sweep);
    for (int row = 0; row < model::kSweepRowsShown; ++row) {
        QVERIFY(cell(sweep, row, SweepColumn::Imin).toDouble() > 1.5);
        QVERIFY(!cell(sweep, row, SweepColumn::Ineut).isEmpty());
        QCOMPARE(colourOf(sweep, row, SweepColumn::pv), kRed);
        QCOMPARE(colourOf(sweep, row, SweepColumn::Imin), QColor());
    }
}

void SweepWindowTest::nothingIsSweptAfterAnEvaluationAFaultStopped()
{
    // Still warm air at rest: the hub's IREQ stops without convergence after PMV has run. The
    // sweep reads that evaluation's shared values, so it computes nothing and says why.
    FormDriver driver(model::Language::English);
    driver.perform({ "Método_0", "Método_5", "Metabolismo=46", "Taseco=28", "tglobo=33", "Iclo=1",
        "vaire=0.05" });
    {
        MessageRecorder fault;
        driver.load();
        QCOMPARE(fault.count(), 1);
    }
    MessageRecorder again;
    driver.click(driver.hub(), QStringLiteral("Picture3"));
    QWidget *sweep = driver.windows.window(WindowId::SweepWindow);
    QVERIFY(sweep);
    QCOMPARE(again.count(), 1);
    QVERIFY(again.texts().value(0).startsWith(QStringLiteral("Arithmetic fault in IREQ")));
    for (int row = 0; row < model::kSweepRowsShown; ++row) {
        QVERIFY(!cell(sweep, row, SweepColumn::pv).isEmpty());
        QCOMPARE(colourOf(sweep, row, SweepColumn::pv), QColor());
        for (const SweepColumn column :
            { SweepColumn::PIVM, SweepColumn::PPPI, SweepColumn::Imin, SweepColumn::Ineut })
            QCOMPARE(cell(sweep, row, column), QString());
        QCOMPARE(cell(sweep, row, SweepColumn::PISC), QStringLiteral("  -"));
    }
    QCOMPARE(cell(sweep, 15, SweepColumn::pv), QStringLiteral("2.5"));
}

void SweepWindowTest::balanceColumnSaysNoWhileTheBodyLosesHeat_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("firstBalanced"); // rows before it lose heat
    QTest::addColumn<QString>("balanced");
    const int es = int(model::Language::Spanish), en = int(model::Language::English);
    // At 18 °C and light work the body loses heat without sweating up to 0.8 m/s (−7.4 W/m² at
    // 0.05 m/s, −0.017 W/m² at 0.8 m/s): not in balance. From 0.9 m/s the storage is zero.
    QTest::newRow("cool, Spanish") << es << QStringList { "Método_3" } << 11 << " SI";
    QTest::newRow("cool, English") << en << QStringList { "Método_3" } << 11 << "YES";
    // In warm air sweating evaporates what the body must lose: in balance at every velocity.
    const QStringList warm { "Método_3", "Taseco=30", "tglobo=32", "HR=40" };
    QTest::newRow("warm, Spanish") << es << warm << 0 << " SI";
    QTest::newRow("warm, English") << en << warm << 0 << "YES";
}

void SweepWindowTest::balanceColumnSaysNoWhileTheBodyLosesHeat()
{
    QFETCH(int, language);
    QFETCH(QStringList, actions);
    QFETCH(int, firstBalanced);
    QFETCH(QString, balanced);
    FormDriver driver { model::Language(language) };
    QWidget *sweep = openSweep(driver, actions);
    QVERIFY(sweep);
    for (int row = 0; row < model::kSweepRowsShown; ++row) {
        const bool losing = row < firstBalanced;
        QCOMPARE(cell(sweep, row, SweepColumn::peq), losing ? QStringLiteral(" NO") : balanced);
        const double stored = cell(sweep, row, SweepColumn::PAc).toDouble();
        QVERIFY(losing ? stored <= 0 : stored == 0);
    }
    if (firstBalanced > 0)
        QCOMPARE(cell(sweep, 0, SweepColumn::PAc), QStringLiteral("-7.4"));
}

void SweepWindowTest::englishCaptions()
{
    FormDriver driver(model::Language::English);
    QWidget *sweep = openSweep(driver, { "Método_3" });
    QVERIFY(sweep);
    QCOMPARE(sweep->windowTitle(), QStringLiteral("Influence of air velocity"));
    QCOMPARE(control<QLabel>(sweep, "Titulo")->text(), QStringLiteral("INFLUENCE OF AIR VELOCITY"));
    QCOMPARE(control<QLabel>(sweep, "TIVM")->text(), QStringLiteral("PMV"));
    QCOMPARE(control<QLabel>(sweep, "Label6")->text(),
        QString::fromUtf8("    Equilibrio (según SWreq)"));
    const QTableWidget *table = control<QTableWidget>(sweep, "tabla");
    const auto header
        = [table](SweepColumn column) { return table->horizontalHeaderItem(int(column))->text(); };
    QCOMPARE(header(SweepColumn::pv), QStringLiteral("Air velocity (m/s)"));
    QCOMPARE(header(SweepColumn::PPPI), QStringLiteral("PPD"));
    QCOMPARE(header(SweepColumn::PISC), QStringLiteral("HSI (%)"));
    QCOMPARE(header(SweepColumn::peq), QStringLiteral("Bal."));
    QCOMPARE(header(SweepColumn::Imin), QStringLiteral("Minim. (clo)"));
    // No sweating in cool air: the exposure is not limited.
    QCOMPARE(cell(sweep, 0, SweepColumn::PDLE), QStringLiteral("Unlim."));
}

void SweepWindowTest::copiesTheWholeTable_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("Ctrl+C") << true;
    QTest::newRow("context menu") << false;
}

void SweepWindowTest::copiesTheWholeTable()
{
    QFETCH(bool, byKeyboard);
    FormDriver driver(model::Language::Spanish);
    QWidget *sweep = openSweep(driver, { "Método_0", "Método_4" });
    QVERIFY(sweep);
    QApplication::clipboard()->clear();
    auto *table = control<QTableWidget>(sweep, "tabla");
    if (byKeyboard) {
        QApplication::setActiveWindow(sweep);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    } else {
        QCOMPARE(table->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(table->actions().size(), 1);
        QAction *copy = table->actions().front();
        QCOMPARE(copy->text(), QStringLiteral("Copiar la tabla"));
        copy->trigger();
    }
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), model::kSweepRowsShown + 2); // header, rows, the final line end
    QCOMPARE(lines[0],
        QString::fromUtf8("Velocidad del aire (m/s)\tIVM\tPPI (%)\tISC (%)\tTEP (min)\twp\t"
                          "SWp (W/m²)\tDLE (min)\tEquil.\tA (W/m²)\tWCI (W/m²)\ttch (°C)\t"
                          "WBGT (°C)\tMínimo (clo)\tNeutral (clo)"));
    QCOMPARE(
        lines[1], QStringLiteral("0.05\t-0.64\t13.6\t-\t-\t-\t-\t-\t-\t-\t254.4\t23.0\t-\t\t"));
}

void SweepWindowTest::nothingIsHighlightedUntilTheKeyboardMoves()
{
    FormDriver driver(model::Language::Spanish);
    QWidget *sweep = openSweep(driver, { "Método_4" });
    QVERIFY(sweep);
    QApplication::setActiveWindow(sweep);
    QVERIFY(QTest::qWaitForWindowActive(sweep));
    auto *table = control<QTableWidget>(sweep, "tabla");
    // Focused as the window opens, the table has no current cell to stand out (and print, since
    // the print picture leaves the focus where it is) until the keyboard moves into it.
    table->setFocus(Qt::TabFocusReason);
    QVERIFY(!table->currentIndex().isValid());
    QVERIFY(table->selectedItems().isEmpty());
    // The first arrow key goes to the first cell, the next ones move on as usual.
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(table->currentColumn(), 0);
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(table->selectedItems().size(), 1);
}

void SweepWindowTest::buttonsCloseAndAskToExit()
{
    FormDriver driver(model::Language::Spanish);
    QWidget *sweep = openSweep(driver, { "Método_4" });
    QVERIFY(sweep);
    {
        MessageRecorder no(QMessageBox::No);
        driver.click(sweep, QStringLiteral("Picture3"));
        QCOMPARE(no.count(), 1);
        QCOMPARE(no.seen().front().title, QStringLiteral("Salir del programa"));
    }
    QVERIFY(driver.windows.isOpen(WindowId::SweepWindow));
    QCOMPARE(
        control(sweep, QStringLiteral("Picture4"))->accessibleName(), QStringLiteral("Imprimir"));
    expectPdfOfWindow(*sweep, QStringLiteral("sweep.pdf"));
    driver.click(sweep, QStringLiteral("salir"));
    QVERIFY(!driver.windows.isOpen(WindowId::SweepWindow));
    QVERIFY(driver.windows.isOpen(WindowId::Hub));
}

QTEST_MAIN(SweepWindowTest)
#include "sweep_window_test.moc"
