// A practitioner's road with a survey, by keys and the program's own questions: from the splash
// to the input form, two points typed and kept under their names, the survey saved, the program
// left; then the program started again with the file: both points are back, and each row says
// what `kalvora-cli survey` prints for the same file.

#include "app/program.h"
#include "dialog_answerer.h"
#include "model/presentation/rating_colour.h"
#include "test_support.h"
#include "ui/shell/app_state.h"
#include "ui/shell/control_name.h"
#include "ui/shell/number_format.h"
#include "ui/shell/windows.h"
#include "ui/survey/point_cells.h"
#include "ui/survey/recovery_file.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;

namespace {

/// The program as the executable builds it, up to the input form.
struct Run
{
    AppState state;
    Windows windows;

    Run(bool english, const QString &file)
    {
        registerProgramWindows(state, windows);
        startProgram(windows, file);
        click(WindowId::CreditsSplash, QStringLiteral("Picture1"));
        if (english)
            click(WindowId::StartScreen, controlName("Idioma", 1));
        click(WindowId::StartScreen, QStringLiteral("Inicio"));
    }

    QWidget *control(WindowId id, const QString &name) const
    {
        QWidget *window = windows.window(id);
        QWidget *found = window ? window->findChild<QWidget *>(name) : nullptr;
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    void click(WindowId id, const QString &name) const
    {
        QWidget *target = control(id, name);
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
            name.contains(QLatin1Char('_')) ? QPoint(6, target->height() / 2)
                                            : target->rect().center());
    }

    void type(const QString &box, const QString &text) const
    {
        auto *edit = qobject_cast<QLineEdit *>(control(WindowId::InputForm, box));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    void shortcut(const QKeySequence &key) const
    {
        QWidget *form = windows.window(WindowId::InputForm);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keySequence(form, key);
    }

    QTableView *table() const
    {
        QWidget *survey = windows.window(WindowId::Survey);
        return survey ? survey->findChild<QTableView *>(QStringLiteral("points")) : nullptr;
    }
};

/// `kalvora-cli survey FILE --format json`: each point's object.
QJsonArray commandLinePoints(const QString &file, bool english)
{
    QProcess cli;
    cli.start(QStringLiteral(KALVORA_CLI),
        { "survey", file, "--format", "json", "--lang", english ? "en" : "es" });
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        qFatal("the command line failed: %s", cli.readAllStandardError().constData());
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object()["points"].toArray();
}

/// A number of the command line as the window shows it.
QString shown(const QJsonValue &value)
{
    return formatNumber(value.toDouble(), NumberPattern::Grouped2);
}

QColor light(const QJsonValue &rating)
{
    const model::Rgb rgb = model::ratingColour(std::int16_t(rating.toInt()));
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

class SurveyRoadTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(RecoveryFile::folder()).removeRecursively();
    }
    void twoPointsSavedAndOpenedAgain_data();
    void twoPointsSavedAndOpenedAgain();
};

void SurveyRoadTest::twoPointsSavedAndOpenedAgain_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("Español") << false;
    QTest::newRow("English") << true;
}

void SurveyRoadTest::twoPointsSavedAndOpenedAgain()
{
    QFETCH(bool, english);
    QLocale::setDefault(english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                : QLocale(QLocale::Spanish, QLocale::Spain));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("bakery.kalvora"));
    const QKeySequence addPoint(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
    {
        Run run(english, QString());
        run.click(WindowId::InputForm, controlName("Método", 0));
        run.click(WindowId::InputForm, controlName("Método", 2));
        run.type(QStringLiteral("Taseco"), QStringLiteral("25"));
        run.type(QStringLiteral("tglobo"), QStringLiteral("30"));
        run.type(QStringLiteral("HR"), QStringLiteral("50"));
        {
            DialogAnswerer names({ QString::fromUtf8("Oven front, 1.1 m") });
            run.shortcut(addPoint);
        }
        run.type(QStringLiteral("Taseco"), QStringLiteral("22"));
        run.type(QStringLiteral("tglobo"), QStringLiteral("24"));
        {
            DialogAnswerer names({ QString::fromUtf8("Window side") });
            run.shortcut(addPoint);
        }
        QVERIFY(run.table());
        QCOMPARE(run.table()->model()->rowCount(), 2);
        QVERIFY(run.windows.window(WindowId::Survey)->isWindowModified());
        {
            DialogAnswerer files({ file });
            run.shortcut(QKeySequence::Save);
        }
        QVERIFY(QFile::exists(file));
        QVERIFY(!run.windows.window(WindowId::Survey)->isWindowModified());
        QVERIFY(run.windows.window(WindowId::Survey)
                    ->windowTitle()
                    .startsWith(QStringLiteral("bakery.kalvora")));

        // Leaving asks only whether to leave: nothing is left unsaved.
        MessageRecorder questions(QMessageBox::Yes);
        const auto leave = [&run] { run.click(WindowId::InputForm, QStringLiteral("salir")); };
        QCOMPARE(runUntilTheEnd(leave), 0);
        QCOMPARE(questions.count(), 1);
    }

    Run again(english, file);
    QTRY_VERIFY(again.table());
    QTableView *table = again.table();
    QTRY_COMPARE(table->model()->rowCount(), 2);
    const QJsonArray cli = commandLinePoints(file, english);
    QCOMPARE(cli.size(), 2);
    for (int row = 0; row < 2; ++row) {
        const auto cell = [table, row](SurveyColumn column) {
            return table->model()->index(row, int(column)).data().toString();
        };
        const auto colour = [table, row](SurveyColumn column) {
            return table->model()->index(row, int(column)).data(Qt::DecorationRole).value<QColor>();
        };
        const QJsonObject point = cli[row].toObject();
        const QJsonObject results = point["results"].toObject();
        const QJsonObject ratings = point["ratings"].toObject();
        QCOMPARE(cell(SurveyColumn::Name), point["name"].toString());
        QVERIFY(point["fault"].isNull());
        QVERIFY(cell(SurveyColumn::Status).isEmpty());
        QVERIFY2(cell(SurveyColumn::Pmv)
                     .startsWith(shown(results["IVM"]) + " / " + shown(results["PPI"]) + " %"),
            qPrintable(cell(SurveyColumn::Pmv)));
        QCOMPARE(colour(SurveyColumn::Pmv), light(ratings["okIVM"]));
        QVERIFY2(
            cell(SurveyColumn::Wbgt).startsWith(shown(results["WBGT"]) + QString::fromUtf8(" °C")),
            qPrintable(cell(SurveyColumn::Wbgt)));
        QCOMPARE(colour(SurveyColumn::Wbgt), light(ratings["okWBGT"]));
        QVERIFY(cell(SurveyColumn::Hsi).isEmpty());
    }
}

QTEST_MAIN(SurveyRoadTest)
#include "survey_road_test.moc"
