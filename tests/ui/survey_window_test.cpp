// The survey window inside the whole program: a row says what the hub says for the same point,
// rows read as sentences, every editing step can be undone, unsaved changes are never dropped
// without asking, a file that cannot be read leaves the survey as it was, a crashed run's survey
// is offered back, the report and the CSV files hold every point.

#include "dialog_answerer.h"
#include "model/evaluation.h"
#include "model/presentation/rating_colour.h"
#include "model/presentation/results_summary.h"
#include "model/survey_file.h"
#include "survey_program.h"
#include "test_support.h"
#include "ui/shell/number_format.h"
#include "ui/survey/point_cells.h"
#include "ui/survey/recent_surveys.h"
#include "ui/survey/recovery_file.h"
#include "ui/survey/survey_edits.h"
#include "ui/survey/survey_files.h"
#include "ui/survey/survey_report_window.h"

#include <QAccessible>
#include <QFile>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;
using model::Method;

namespace {

const int es = int(model::Language::Spanish);
const int en = int(model::Language::English);

void pinLocale(model::Language language)
{
    QLocale::setDefault(language == model::Language::English
            ? QLocale(QLocale::English, QLocale::UnitedStates)
            : QLocale(QLocale::Spanish, QLocale::Spain));
}

void add(SurveySession &session, const QList<model::MeasurementPoint> &points)
{
    addPoints(session, session.pointCount(), { points.begin(), points.end() }, SurveyText::UndoAdd);
}

QStringList names(const SurveySession &session)
{
    QStringList names;
    for (int row = 0; row < session.pointCount(); ++row)
        names << QString::fromStdString(session.point(row).name);
    return names;
}

QString cellText(QTableView *table, int row, SurveyColumn column)
{
    return table->model()->index(row, int(column)).data().toString();
}

QColor cellColour(QTableView *table, int row, SurveyColumn column)
{
    return table->model()->index(row, int(column)).data(Qt::DecorationRole).value<QColor>();
}

QString number(double value)
{
    return formatNumber(value, NumberPattern::Grouped2);
}

/// The numbers of the record a method's cell must show.
QList<double> shownValues(Method method, const model::MethodResults &r)
{
    switch (method) {
    case Method::Pmv:
        return { r.IVM, r.PPI };
    case Method::Hsi:
        return { r.ISC };
    case Method::Wbgt:
        return { r.WBGT };
    case Method::SwReq:
        return { r.DLEnaa };
    case Method::Wci:
        return { r.WCI, r.tch };
    case Method::Ireq:
        return { r.IREQ1, r.IREQ2 };
    }
    return {};
}

int pointsIn(const QString &path)
{
    const model::SurveyReading reading = model::ReadSurveyFile(path.toStdString());
    return reading.survey ? int(reading.survey->points.size()) : -1;
}

void pressShortcut(QWidget *window, const QKeySequence &key)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keySequence(window, key);
}

/// A program whose survey was saved to a file with two points, then given a third.
struct ChangedSurvey
{
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("site.kalvora"));
    SurveyProgram program { model::Language::English };

    ChangedSurvey()
    {
        add(program.session(), { point("A", { "Método_2" }), point("B", { "Método_2" }) });
        QCOMPARE(program.session().saveAs(path), std::nullopt);
        add(program.session(), { point("C", { "Método_2" }) });
    }
};

} // namespace

class SurveyWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestFolders(); }
    /// A program left with changes keeps its recovery file, which the next one would offer.
    void init() { QDir(RecoveryFile::folder()).removeRecursively(); }
    void rowsSayWhatTheHubSays_data();
    void rowsSayWhatTheHubSays();
    void rowsReadAsSentences_data();
    void rowsReadAsSentences();
    void editingStepsUndo();
    void sortingFromTheViewMenu();
    void unsavedChangesAskBeforeReplacing_data();
    void unsavedChangesAskBeforeReplacing();
    void unsavedChangesAskBeforeLeaving_data();
    void unsavedChangesAskBeforeLeaving();
    void aFailedSaveKeepsTheChangesAndTheProgram();
    void unreadableFileLeavesTheSurvey_data();
    void unreadableFileLeavesTheSurvey();
    void crashedRunOffersItsSurvey_data();
    void crashedRunOffersItsSurvey();
    void aLiveRunsSurveyIsNotOffered();
    void recentFilesKeepTheNewestFirst_data();
    void recentFilesKeepTheNewestFirst();
    void reportHoldsEveryPoint();
    void csvFilesUseTheCommandLineFormats();
};

void SurveyWindowTest::rowsSayWhatTheHubSays_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("actions");

    const QStringList allMethods { "Método_0", "Método_1", "Método_2", "Método_3", "Método_4",
        "Método_5" };
    // Cold, windy and inside the PMV range: every method runs to its end.
    const QStringList cold = allMethods
        + QStringList { "Metabolismo=80", "Taseco=10", "Iclo=0.8", "vaire=0.8", "tglobo=11",
              "tbhn=6", "HR=60" };
    // Hot and outdoors, in the sun: heat stress, a limited sweating time, PMV above its range.
    const QStringList hot { "Método_0", "Método_1", "Método_2", "Método_3", "Metabolismo=150",
        "Taseco=34", "Iclo=0.6", "vaire=0.3", "tglobo=45", "tbhn=27", "HR=40", "Radsolar=0",
        "postura=0" };
    QTest::newRow("every method, Spanish") << es << cold;
    QTest::newRow("every method, English") << en << cold;
    QTest::newRow("hot, PMV out of its range") << en << hot;
    QTest::newRow("refused: globe below the air")
        << es << QStringList { "Método_2", "Taseco=25", "tglobo=20" };
    QTest::newRow("wind chill overflow") << en << QStringList { "Método_4", "Taseco=-1e307" };
}

void SurveyWindowTest::rowsSayWhatTheHubSays()
{
    QFETCH(int, language);
    QFETCH(QStringList, actions);
    pinLocale(model::Language(language));
    SurveyProgram program { model::Language(language) };
    add(program.session(), { point("P", actions) });
    QTableView *table = program.table();
    QStringList cells;
    QList<QColor> colours;
    for (int column = 0; column < kSurveyColumnCount; ++column) {
        cells << cellText(table, 0, SurveyColumn(column));
        colours << cellColour(table, 0, SurveyColumn(column));
    }

    // The row into the form with Enter, then LOAD VALUES, as a user checks a point in the hub.
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    for (const model::Method method : model::kAllMethods)
        QCOMPARE(program.state.input().method(method),
            actions.contains(QStringLiteral("Método_%1").arg(int(method))));
    QStringList messages;
    {
        MessageRecorder recorder;
        QTest::mouseClick(
            program.form()->findChild<QWidget *>(QStringLiteral("Cargar_datos")), Qt::LeftButton);
        messages = recorder.texts();
    }
    const QString status = cells[int(SurveyColumn::Status)];
    if (!program.windows.isOpen(WindowId::Hub)) { // refused by the loading rules
        QVERIFY(!messages.isEmpty());
        QVERIFY2(status.endsWith(messages.join(QStringLiteral(" | "))), qPrintable(status));
        for (const model::Method method : model::kAllMethods)
            QVERIFY(cells[int(methodColumn(method))].isEmpty());
        return;
    }
    const EvaluationSession &hub = program.state.session();
    const auto fault = hub.last().fault;
    QCOMPARE(status.isEmpty(), !fault.has_value());
    if (fault)
        QVERIFY2(status.endsWith(QString::fromStdString(
                     model::faultMessage(*fault, model::Language(language)))),
            qPrintable(status));
    QCOMPARE(cells[int(SurveyColumn::Pmv)].isEmpty() || !colours[int(SurveyColumn::Pmv)].isValid(),
        !hub.scope().finished(Method::Pmv));
    if (hub.last().pmvOutOfRange)
        QVERIFY(messages.contains(
            QString::fromStdString(model::pmvRangeMessage(model::Language(language)))));
    for (const model::Method method : model::kAllMethods) {
        const int column = int(methodColumn(method));
        const QString where
            = QString::fromStdString(model::methodName(method, model::Language::English))
            + QStringLiteral(": ") + cells[column];
        QVERIFY2(colours[column].isValid() == hub.scope().finished(method), qPrintable(where));
        if (!hub.scope().finished(method))
            continue;
        const model::Rgb rgb = model::ratingColour(
            *model::summaryRating(method, hub.input(), hub.scope(), hub.results()));
        QVERIFY2(colours[column] == QColor(rgb.red, rgb.green, rgb.blue), qPrintable(where));
        for (const double value : shownValues(method, hub.results()))
            if (method != Method::SwReq || value > 0.001)
                QVERIFY2(cells[column].contains(number(value)), qPrintable(where));
    }
}

void SurveyWindowTest::rowsReadAsSentences_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("sentences");
    // Indoors WBGT = 0.7·tnw + 0.3·tg = 0.7·16 + 0.3·20 = 17.2 °C, below the limit for 85 W/m².
    QTest::newRow("Spanish") << es
                             << QStringList { QString::fromUtf8(
                                                  "Punto 1: WBGT 17,20 °C, sin sobrecarga"),
                                    QString::fromUtf8("Punto 2: rechazado: La temperatura de "
                                                      "globo (tg) no puede ser menor que la "
                                                      "temperatura del aire seco.") };
    QTest::newRow("English") << en
                             << QStringList { QString::fromUtf8(
                                                  "Point 1: WBGT 17.20 °C, no strain"),
                                    QString::fromUtf8("Point 2: refused: The globe "
                                                      "temperature(tg) can't be lower than the "
                                                      "air dry temperature (ta).") };
}

void SurveyWindowTest::rowsReadAsSentences()
{
    QFETCH(int, language);
    QFETCH(QStringList, sentences);
    pinLocale(model::Language(language));
    SurveyProgram program { model::Language(language) };
    const QString name = language == es ? QStringLiteral("Punto %1") : QStringLiteral("Point %1");
    add(program.session(),
        { point(name.arg(1), { "Método_2" }), point(name.arg(2), { "Método_2", "tglobo=15" }) });
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(program.table());
    QVERIFY(table && table->tableInterface());
    QCOMPARE(table->text(QAccessible::Name),
        language == es ? QStringLiteral("Puntos de medición")
                       : QStringLiteral("Measurement points"));
    for (int row = 0; row < sentences.size(); ++row)
        QCOMPARE(table->tableInterface()->cellAt(row, 0)->text(QAccessible::Name), sentences[row]);
}

void SurveyWindowTest::editingStepsUndo()
{
    SurveyProgram program { model::Language::English };
    SurveyWindow *window = program.surveyWindow();
    QTableView *table = program.table();
    SurveySession &session = program.session();
    const auto step = [&](const QKeySequence &key) { pressShortcut(window, key); };
    {
        DialogAnswerer answers({ "North wall", "South door", "East door" });
        step(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
        step(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
        QCOMPARE(names(session), QStringList({ "North wall", "South door" }));
        QCOMPARE(window->currentPoint(), 1);
        table->setFocus();
        step(QKeySequence(Qt::CTRL | Qt::Key_D));
        QCOMPARE(names(session), QStringList({ "North wall", "South door", "South door (copy)" }));
        step(QKeySequence(Qt::Key_F2));
        QCOMPARE(names(session), QStringList({ "North wall", "South door", "East door" }));
    }
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    step(QKeySequence::Delete);
    QCOMPARE(names(session), QStringList({ "South door", "East door" }));
    QVERIFY(window->isWindowModified());
    QVERIFY(window->windowTitle().startsWith(QStringLiteral("Untitled")));

    for (int i = 0; i < 5; ++i)
        step(QKeySequence::Undo);
    QCOMPARE(names(session), QStringList());
    QVERIFY(!session.isModified());
    QVERIFY(!window->isWindowModified());
    for (int i = 0; i < 5; ++i)
        step(QKeySequence::Redo);
    QCOMPARE(names(session), QStringList({ "South door", "East door" }));
}

void SurveyWindowTest::sortingFromTheViewMenu()
{
    SurveyProgram program { model::Language::English };
    // WBGT indoors rises with the globe temperature.
    add(program.session(),
        { point("warm", { "Método_2", "tglobo=30" }), point("cool", { "Método_2", "tglobo=20" }),
            point("mild", { "Método_2", "tglobo=25" }) });
    SurveyWindow *window = program.surveyWindow();
    QTableView *table = program.table();
    const auto order = [table] {
        QStringList shown;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            shown << cellText(table, row, SurveyColumn::Name);
        return shown;
    };
    const auto sortBy = [window](const QString &caption) {
        for (QAction *menu : window->menuBar()->actions())
            if (menu->text() == QStringLiteral("&View"))
                for (QAction *sort : menu->menu()->actions())
                    for (QAction *choice : sort->menu()->actions())
                        if (choice->text() == caption)
                            return choice->trigger();
        QFAIL(qPrintable(caption));
    };
    sortBy(QStringLiteral("WBGT"));
    QCOMPARE(order(), QStringList({ "cool", "mild", "warm" }));
    sortBy(QStringLiteral("WBGT"));
    QCOMPARE(order(), QStringList({ "warm", "mild", "cool" }));
    sortBy(QStringLiteral("Point"));
    QCOMPARE(order(), QStringList({ "cool", "mild", "warm" }));
    sortBy(QStringLiteral("the survey's order"));
    QCOMPARE(order(), QStringList({ "warm", "cool", "mild" }));
    // Loading a sorted row loads that point, not the one at its place in the survey.
    sortBy(QStringLiteral("WBGT"));
    table->setCurrentIndex(table->model()->index(0, 0));
    QCOMPARE(window->currentPoint(), 1);
}

void SurveyWindowTest::unsavedChangesAskBeforeReplacing_data()
{
    QTest::addColumn<bool>("open"); // open another survey, or start a new one
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("pointsAfter");
    QTest::addColumn<int>("pointsOnDisk");
    const QStringList changed { "A", "B", "C" };
    QTest::newRow("new, cancel") << false << int(QMessageBox::Cancel) << changed << 2;
    QTest::newRow("new, discard") << false << int(QMessageBox::Discard) << QStringList() << 2;
    QTest::newRow("new, save") << false << int(QMessageBox::Save) << QStringList() << 3;
    QTest::newRow("open, cancel") << true << int(QMessageBox::Cancel) << changed << 2;
    QTest::newRow("open, discard") << true << int(QMessageBox::Discard) << QStringList { "Z" } << 2;
    QTest::newRow("open, save") << true << int(QMessageBox::Save) << QStringList { "Z" } << 3;
}

void SurveyWindowTest::unsavedChangesAskBeforeReplacing()
{
    QFETCH(bool, open);
    QFETCH(int, answer);
    QFETCH(QStringList, pointsAfter);
    QFETCH(int, pointsOnDisk);
    ChangedSurvey changed;
    const QString other = changed.folder.filePath(QStringLiteral("other.kalvora"));
    model::Survey otherSurvey;
    otherSurvey.points.push_back(point("Z", { "Método_2" }));
    QVERIFY(!model::SaveSurveyFile(otherSurvey, other.toStdString()));

    SurveyWindow *window = changed.program.surveyWindow();
    BoxAnswerer answers({ QMessageBox::StandardButton(answer) });
    DialogAnswerer files({ other });
    pressShortcut(window, open ? QKeySequence::Open : QKeySequence::New);
    const QStringList asked = answers.texts();
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked.front().contains(QStringLiteral("site.kalvora")), qPrintable(asked.front()));
    QCOMPARE(names(changed.program.session()), pointsAfter);
    QCOMPARE(changed.program.session().isModified(), answer == QMessageBox::Cancel);
    QCOMPARE(pointsIn(changed.path), pointsOnDisk);
}

void SurveyWindowTest::unsavedChangesAskBeforeLeaving_data()
{
    QTest::addColumn<bool>("exitPicture"); // or the input form's own close box
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("pointsOnDisk");
    for (const bool exitPicture : { true, false }) {
        const char *road = exitPicture ? "exit picture" : "close box";
        QTest::addRow("%s, cancel", road) << exitPicture << int(QMessageBox::Cancel) << 2;
        QTest::addRow("%s, discard", road) << exitPicture << int(QMessageBox::Discard) << 2;
        QTest::addRow("%s, save", road) << exitPicture << int(QMessageBox::Save) << 3;
    }
}

void SurveyWindowTest::unsavedChangesAskBeforeLeaving()
{
    QFETCH(bool, exitPicture);
    QFETCH(int, answer);
    QFETCH(int, pointsOnDisk);
    ChangedSurvey changed;
    SurveyProgram &program = changed.program;
    program.surveyWindow();
    program.desk->recovery().write();
    QVERIFY(QFile::exists(program.desk->recovery().path()));

    QList<QMessageBox::StandardButton> answers { QMessageBox::StandardButton(answer) };
    if (exitPicture)
        answers.prepend(QMessageBox::Yes); // the exit question comes first
    BoxAnswerer boxes(answers);
    if (exitPicture)
        QTest::mouseClick(
            program.form()->findChild<QWidget *>(QStringLiteral("salir")), Qt::LeftButton);
    else
        program.form()->close();
    QCOMPARE(boxes.texts().size(), answers.size());
    const bool kept = answer == QMessageBox::Cancel;
    QCOMPARE(program.windows.isOpen(WindowId::InputForm), kept);
    QCOMPARE(program.windows.isOpen(WindowId::Survey), kept);
    QCOMPARE(program.session().pointCount(), kept ? 3 : 0);
    QCOMPARE(pointsIn(changed.path), pointsOnDisk);
    // Changes saved or discarded leave nothing to recover.
    QCOMPARE(QFile::exists(program.desk->recovery().path()), kept);
}

void SurveyWindowTest::aFailedSaveKeepsTheChangesAndTheProgram()
{
    ChangedSurvey changed;
    SurveyProgram &program = changed.program;
    QVERIFY(QDir(changed.folder.path()).removeRecursively()); // the file's folder is gone
    BoxAnswerer boxes({ QMessageBox::Yes, QMessageBox::Save, QMessageBox::Ok });
    QTest::mouseClick(
        program.form()->findChild<QWidget *>(QStringLiteral("salir")), Qt::LeftButton);
    const QStringList texts = boxes.texts();
    QCOMPARE(texts.size(), 3); // leave?, save the changes?, and why they could not be saved
    QVERIFY2(texts[2].startsWith(QString::fromUtf8("“%1” cannot be saved:\n").arg(changed.path)),
        qPrintable(texts[2]));
    QVERIFY(program.windows.isOpen(WindowId::InputForm));
    QCOMPARE(program.session().pointCount(), 3);
    QVERIFY(program.session().isModified());
}

void SurveyWindowTest::unreadableFileLeavesTheSurvey_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("reason"); // words of the reader's message
    QTest::newRow("not JSON") << QByteArray("points: none") << QString();
    QTest::newRow("newer version")
        << QByteArray(R"({"format": "kalvora-survey", "version": 2, "points": []})")
        << QStringLiteral("version 2");
    QTest::newRow("a point's text is a number")
        << QByteArray(R"({"format": "kalvora-survey", "version": 1, "points": [{"name": "x",
            "methods": ["wbgt"], "inputs": {"M": 85, "ta": "", "clo": "", "va": "", "tg": "",
            "tr": "", "tnw": "", "rh": "", "tw": "", "pa": ""}, "radiation": "tg",
            "humidity": "rh", "solar": "indoor", "posture": "seated"}]})")
        << QStringLiteral("/points/0/inputs/M");
    QTest::newRow("no such file") << QByteArray() << QString();
}

void SurveyWindowTest::unreadableFileLeavesTheSurvey()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    ChangedSurvey changed;
    SurveySession &session = changed.program.session();
    const QString bad = changed.folder.filePath(QStringLiteral("bad.kalvora"));
    if (!content.isEmpty()) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    SurveyWindow *window = changed.program.surveyWindow();
    QStringList messages;
    {
        MessageRecorder recorder;
        changed.program.desk->files().openPath(window, bad);
        messages = recorder.texts();
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.front().startsWith(QString::fromUtf8("“%1” cannot be opened:\n").arg(bad)),
        qPrintable(messages.front()));
    QVERIFY(messages.front().section(QLatin1Char('\n'), 1).size() > 3);
    QVERIFY2(messages.front().contains(reason), qPrintable(messages.front()));
    QCOMPARE(names(session), QStringList({ "A", "B", "C" }));
    QCOMPARE(session.path(), changed.path);
    QVERIFY(session.isModified());
}

void SurveyWindowTest::crashedRunOffersItsSurvey_data()
{
    QTest::addColumn<bool>("restore");
    QTest::newRow("restored") << true;
    QTest::newRow("declined") << false;
}

void SurveyWindowTest::crashedRunOffersItsSurvey()
{
    QFETCH(bool, restore);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plant.kalvora"));
    QString leftBehind;
    {
        SurveyProgram crashing { model::Language::Spanish };
        add(crashing.session(), { point("A", { "Método_2" }) });
        QVERIFY(!crashing.session().saveAs(path));
        add(crashing.session(), { point("B", { "Método_2" }) });
        // The minute's beat, shortened: the changes reach the recovery file on their own.
        auto *beat = crashing.desk->recovery().findChild<QTimer *>();
        QVERIFY(beat && beat->isActive());
        QCOMPARE(beat->interval(), RecoveryFile::kIntervalMs);
        beat->setInterval(10);
        leftBehind = crashing.desk->recovery().path();
        QTRY_VERIFY(QFile::exists(leftBehind));
    } // gone without saving or discarding, as in a crash
    QVERIFY(QFile::exists(leftBehind));

    BoxAnswerer answers({ restore ? QMessageBox::Yes : QMessageBox::No });
    SurveyProgram next { model::Language::Spanish };
    const QStringList asked = answers.texts();
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked.front().contains(QStringLiteral("«plant.kalvora»")), qPrintable(asked.front()));
    QVERIFY(!QFile::exists(leftBehind));
    QCOMPARE(names(next.session()), restore ? QStringList({ "A", "B" }) : QStringList());
    QCOMPARE(next.session().isModified(), restore);
    QCOMPARE(next.session().path(), restore ? path : QString());
    // A restored survey is still unsaved: this run keeps it in its own recovery file.
    QCOMPARE(QFile::exists(next.desk->recovery().path()), restore);
    if (restore) {
        QVERIFY(!next.session().saveAs(path));
        QVERIFY(!QFile::exists(next.desk->recovery().path()));
        QCOMPARE(pointsIn(path), 2);
    }
}

void SurveyWindowTest::aLiveRunsSurveyIsNotOffered()
{
    SurveyProgram running { model::Language::Spanish };
    add(running.session(), { point("A", { "Método_2" }) });
    running.desk->recovery().write();
    QVERIFY(QFile::exists(running.desk->recovery().path()));

    BoxAnswerer answers({ QMessageBox::Yes });
    SurveyProgram second { model::Language::Spanish };
    QVERIFY2(answers.texts().isEmpty(), qPrintable(answers.texts().join(u'\n')));
    QVERIFY(QFile::exists(running.desk->recovery().path()));
    QCOMPARE(names(second.session()), QStringList());
}

void SurveyWindowTest::recentFilesKeepTheNewestFirst_data()
{
    QTest::addColumn<QStringList>("opened"); // in this order
    QTest::addColumn<QStringList>("recent");
    QTest::newRow("newest first") << QStringList { "a", "b", "c" } << QStringList { "c", "b", "a" };
    QTest::newRow("opened again moves up")
        << QStringList { "a", "b", "a" } << QStringList { "a", "b" };
    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten << QStringLiteral("s%1").arg(i);
    QTest::newRow("at most eight")
        << ten << QStringList { "s9", "s8", "s7", "s6", "s5", "s4", "s3", "s2" };
}

void SurveyWindowTest::recentFilesKeepTheNewestFirst()
{
    QFETCH(QStringList, opened);
    QFETCH(QStringList, recent);
    const QTemporaryDir folder;
    // Nothing of an earlier row (the test's own settings, apart from a user's).
    QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear();
    for (const QString &name : opened)
        rememberSurvey(folder.filePath(name + QStringLiteral(".kalvora")));
    QStringList expected;
    for (const QString &name : recent)
        expected << folder.filePath(name + QStringLiteral(".kalvora"));
    QCOMPARE(recentSurveys(), expected);
}

void SurveyWindowTest::reportHoldsEveryPoint()
{
    pinLocale(model::Language::English);
    SurveyProgram program { model::Language::English };
    add(program.session(),
        { point("Oven", { "Método_2", "Taseco=30", "tglobo=40", "tbhn=25" }),
            point("Door", { "Método_2" }) });
    pressShortcut(program.surveyWindow(), QKeySequence::Print);
    auto *report
        = qobject_cast<SurveyReportWindow *>(program.windows.window(WindowId::SurveyReport));
    QVERIFY(report && report->isVisible());
    const QString text = report->findChild<QTextBrowser *>()->toPlainText();
    for (const char *words : { "Oven", "Door", "17.20 °C", "no strain", "WBGT" })
        QVERIFY2(text.contains(QString::fromUtf8(words)), words);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    QCOMPARE(report->saveAsPdf(pdf), std::nullopt);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(5), QByteArray("%PDF-"));
}

void SurveyWindowTest::csvFilesUseTheCommandLineFormats()
{
    SurveyProgram program { model::Language::English };
    SurveyWindow *window = program.surveyWindow();
    QTemporaryDir folder;
    const QString input = folder.filePath(QStringLiteral("points.csv"));
    {
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("name,M,ta,tg,tnw,methods\nNorth,85,25,30,20,wbgt\nSouth,85,22,24,18,wbgt\n");
    }
    const auto choose = [window](const QString &caption) {
        for (QAction *menu : window->menuBar()->actions())
            for (QAction *action : menu->menu()->actions())
                if (action->text() == caption)
                    return action->trigger();
        QFAIL(qPrintable(caption));
    };
    {
        DialogAnswerer files({ input });
        choose(QString::fromUtf8("&Import points from CSV…"));
    }
    QCOMPARE(names(program.session()), QStringList({ "North", "South" }));
    QCOMPARE(QString::fromStdString(program.session().point(1).input.text(model::Field::tglobo)),
        QStringLiteral("24"));

    const QString output = folder.filePath(QStringLiteral("results.csv"));
    {
        DialogAnswerer files({ output });
        choose(QString::fromUtf8("&Export the results as CSV…"));
    }
    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(
        lines[0].startsWith("name,M,ta,clo,va,tg,tr,tnw,rh,tw,pa,solar,posture,methods,status"),
        lines[0].constData());
    QVERIFY(lines[1].startsWith("North,") && lines[2].startsWith("South,"));
}

QTEST_MAIN(SurveyWindowTest)
#include "survey_window_test.moc"
