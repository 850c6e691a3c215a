// The clothing selector opened from the input form's clothing caption, and the help viewer
// opened from the help captions and from the selector: what is written back into the input form,
// which pages are shown in which language, and the page buttons.

#include "form_driver.h"
#include "ui/shell/help_pages.h"
#include "ui/shell/shell_windows.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace kalvora;
using namespace kalvora::ui;
using namespace kalvora::ui::test;

namespace {

/// The input form with the help viewer registered as the program does, and the method ticked
/// that enables every caption used here (PMV: metabolic power, air temperature, clothing).
struct Program : FormDriver
{
    explicit Program(model::Language language, const QStringList &methods = { "Método_0" })
        : FormDriver(language)
    {
        registerShellWindows(state, windows);
        perform(methods);
    }
    QWidget *selector() const { return windows.window(WindowId::ClothingSelector); }
    QWidget *help() const { return windows.window(WindowId::HelpViewer); }
};

QString shownDocument(QWidget *help)
{
    return control<QTextBrowser>(help, QStringLiteral("OLE1"))->property("helpDocument").toString();
}

/// "document pagant pagsig": the page shown and which buttons are enabled ("+" or "-").
QString viewerState(QWidget *help)
{
    const auto sign = [help](const char *name) {
        return control(help, QString::fromLatin1(name))->isEnabled() ? QStringLiteral("+")
                                                                     : QStringLiteral("-");
    };
    return shownDocument(help) + QLatin1Char(' ') + sign("pagant") + sign("pagsig");
}

} // namespace

class ClothingAndHelpTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void selectorWritesItsBoxBack_data();
    void selectorWritesItsBoxBack();
    void selectorOpensOnlyWhileTheCaptionIsEnabled();
    void selectorCaptions_data();
    void selectorCaptions();
    void helpPagesInTheLanguageOfTheRun_data();
    void helpPagesInTheLanguageOfTheRun();
    void pageButtonsFollowThePage_data();
    void pageButtonsFollowThePage();
    void aNewRequestReplacesThePages();
    void everyDocumentHasItsPages();
    void aDocumentInTheWorkingFolderCanBeOpened();
};

void ClothingAndHelpTest::selectorWritesItsBoxBack_data()
{
    QTest::addColumn<QStringList>("clicks"); // labels clicked, in order
    QTest::addColumn<QString>("typed"); // then typed into Aislam, unless empty
    QTest::addColumn<QString>("iclo");
    QTest::newRow("closed without a click") << QStringList {} << QString() << "0.7";
    QTest::newRow("description of I150") << QStringList { "I150_0" } << QString() << "1.50";
    QTest::newRow("I10 as I1") << QStringList { "I10_2" } << QString() << "1.00";
    QTest::newRow("I1") << QStringList { "I1_1" } << QString() << "1.00";
    QTest::newRow("I11") << QStringList { "I11_0" } << QString() << "1.10";
    QTest::newRow("I110") << QStringList { "I110_1" } << QString() << "1.10";
    QTest::newRow("I07") << QStringList { "I07_2" } << QString() << "0.70";
    QTest::newRow("I070") << QStringList { "I070_0" } << QString() << "0.70";
    QTest::newRow("last click wins") << QStringList { "I03_0", "I09_1" } << QString() << "0.90";
    QTest::newRow("typed by hand") << QStringList { "I03_0" } << "abc"
                                   << "abc";
}

void ClothingAndHelpTest::selectorWritesItsBoxBack()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, typed);
    QFETCH(QString, iclo);
    Program program(model::Language::Spanish);
    program.click(program.form(), QStringLiteral("Label6"));
    QWidget *selector = program.selector();
    QVERIFY(selector);
    auto *aislam = control<QLineEdit>(selector, QStringLiteral("Aislam"));
    QCOMPARE(aislam->text(), QStringLiteral("0.7"));
    for (const QString &label : clicks)
        program.click(selector, label);
    if (!typed.isEmpty()) {
        aislam->setFocus();
        aislam->selectAll();
        QTest::keyClick(aislam, Qt::Key_Backspace);
        QTest::keyClicks(aislam, typed);
    }
    // Nothing reaches the input form before the selector is closed with its button.
    QCOMPARE(
        control<QLineEdit>(program.form(), QStringLiteral("Iclo"))->text(), QStringLiteral("0.7"));
    program.click(selector, QStringLiteral("salir"));
    QVERIFY(!program.windows.isOpen(WindowId::ClothingSelector));
    QCOMPARE(control<QLineEdit>(program.form(), QStringLiteral("Iclo"))->text(), iclo);
    QCOMPARE(QString::fromStdString(program.state.input().text(model::Field::Iclo)), iclo);
}

void ClothingAndHelpTest::selectorOpensOnlyWhileTheCaptionIsEnabled()
{
    // Wind chill and WBGT leave the clothing out: its caption is disabled.
    Program program(model::Language::Spanish, { "Método_4", "Método_2" });
    program.click(program.form(), QStringLiteral("Label6"));
    QVERIFY(!program.windows.isOpen(WindowId::ClothingSelector));
    program.perform({ "Método_1" });
    program.type(QStringLiteral("Iclo"), QStringLiteral("1.2"));
    program.click(program.form(), QStringLiteral("Label6"));
    QVERIFY(program.selector());
    QCOMPARE(control<QLineEdit>(program.selector(), QStringLiteral("Aislam"))->text(),
        QStringLiteral("1.2"));
}

void ClothingAndHelpTest::selectorCaptions_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Spanish") << int(model::Language::Spanish)
                             << QStringList { "Aislamiento del vestido (clo)",
                                    "VALORES DE AISLAMIENTO TERMICO DEL VESTIDO",
                                    "CONJUNTO DE VESTIDO UTILIZADO",
                                    "Aislamiento seleccionado (clo):",
                                    "Eslip, medias, vestido, zapatos." };
    QTest::newRow("English") << int(model::Language::English)
                             << QStringList { "Thermal insulation (clo)",
                                    "THERMAL INSULATION OF CLOTHING ENSEMBLES",
                                    "DAILY WEAR CLOTHING", "Selected insulation (clo):",
                                    "Panties, petticoat, stockigns, dress, shoes." };
}

void ClothingAndHelpTest::selectorCaptions()
{
    QFETCH(int, language);
    QFETCH(QStringList, expected);
    Program program { model::Language(language) };
    program.click(program.form(), QStringLiteral("Label6"));
    QWidget *selector = program.selector();
    QVERIFY(selector);
    QCOMPARE(selector->windowTitle(), expected[0]);
    QCOMPARE(control<QLabel>(selector, "Label5")->text(), expected[1]);
    QCOMPARE(control<QLabel>(selector, "Label2")->text(), expected[2]);
    QCOMPARE(control<QLabel>(selector, "Label1")->text(), expected[3]);
    QCOMPARE(control<QLabel>(selector, "I07_0")->text(), expected[4]);
    QCOMPARE(control<QLabel>(selector, "I07_2")->text(), QStringLiteral("0.105"));
    QCOMPARE(control<QLabel>(selector, "Label4")->text(), QString::fromUtf8("m²·K/W"));
    QCOMPARE(control(selector, "Aislam")->accessibleName(), expected[3]);
    QVERIFY(!control(selector, "Picture1")->accessibleName().isEmpty());
    QVERIFY(!control(selector, "salir")->accessibleName().isEmpty());
}

void ClothingAndHelpTest::helpPagesInTheLanguageOfTheRun_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("window"); // "form" or "selector"
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("firstPage");
    QTest::addColumn<QString>("heading"); // words of the page's text
    const int es = int(model::Language::Spanish), en = int(model::Language::English);
    QTest::newRow("clothing, Spanish") << es << "selector"
                                       << "Picture1"
                                       << "Ayuda"
                                       << "Iclo1.doc"
                                       << "Aislamiento de la ropa";
    QTest::newRow("clothing, English") << en << "selector"
                                       << "Picture1"
                                       << "Help"
                                       << "Icloe1.doc"
                                       << "Clothing insulation";
    QTest::newRow("air temperature, Spanish") << es << "form"
                                              << "Label4"
                                              << "Ayuda"
                                              << "taire1.doc"
                                              << "temperatura seca del aire";
    QTest::newRow("air temperature, English") << en << "form"
                                              << "Label4"
                                              << "Help"
                                              << "taire1.doc"
                                              << "dry air temperature";
    QTest::newRow("radiation, English") << en << "form"
                                        << "Rad"
                                        << "Help"
                                        << "tglobo1.doc"
                                        << "globe thermometer";
    QTest::newRow("metabolic power, Spanish") << es << "form"
                                              << "Label2"
                                              << "Ayuda"
                                              << "Metabolismo1.doc"
                                              << "W/m²";
}

void ClothingAndHelpTest::helpPagesInTheLanguageOfTheRun()
{
    QFETCH(int, language);
    QFETCH(QString, window);
    QFETCH(QString, link);
    QFETCH(QString, title);
    QFETCH(QString, firstPage);
    QFETCH(QString, heading);
    Program program { model::Language(language) };
    QWidget *from = program.form();
    if (window == QLatin1String("selector")) {
        program.click(program.form(), QStringLiteral("Label6"));
        from = program.selector();
    }
    program.click(from, link);
    QWidget *help = program.help();
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), title);
    QCOMPARE(shownDocument(help), firstPage);
    const QString text = control<QTextBrowser>(help, QStringLiteral("OLE1"))->toPlainText();
    QVERIFY2(text.contains(heading, Qt::CaseInsensitive), qPrintable(text.left(200)));
    QVERIFY(!control<QTextBrowser>(help, QStringLiteral("OLE1"))->accessibleName().isEmpty());
}

void ClothingAndHelpTest::pageButtonsFollowThePage_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QStringList>("steps"); // buttons clicked, in order
    QTest::addColumn<QStringList>("states"); // viewer state at the start and after each step
    QTest::newRow("one page") << "Label4" << QStringList { "pagsig", "pagant" }
                              << QStringList { "taire1.doc --", "taire1.doc --", "taire1.doc --" };
    QTest::newRow("three metabolic pages")
        << "Label2" << QStringList { "pagsig", "pagsig", "pagant", "pagant" }
        << QStringList { "Metabolismo1.doc -+", "Metabolismo2.doc ++", "Metabolismo3.doc +-",
               "Metabolismo2.doc ++", "Metabolismo1.doc -+" };
    QTest::newRow("two radiation pages")
        << "Rad" << QStringList { "pagsig" } << QStringList { "tglobo1.doc -+", "tglobo2.doc +-" };
}

void ClothingAndHelpTest::pageButtonsFollowThePage()
{
    QFETCH(QString, link);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, states);
    Program program(model::Language::Spanish, { "Método_0", "Método_2" });
    program.click(program.form(), link);
    QWidget *help = program.help();
    QVERIFY(help);
    QCOMPARE(viewerState(help), states[0]);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        program.click(help, steps[i]);
        QCOMPARE(viewerState(help), states[i + 1]);
    }
    program.click(help, QStringLiteral("salir"));
    QVERIFY(!program.windows.isOpen(WindowId::HelpViewer));
}

void ClothingAndHelpTest::aNewRequestReplacesThePages()
{
    Program program(model::Language::English);
    program.click(program.form(), QStringLiteral("Label2"));
    QWidget *help = program.help();
    program.click(help, QStringLiteral("pagsig"));
    QCOMPARE(viewerState(help), QStringLiteral("Metabolismo2.doc ++"));

    program.click(program.form(), QStringLiteral("Label4"));
    QCOMPARE(program.help(), help); // the same window, brought to the front
    QCOMPARE(viewerState(help), QStringLiteral("taire1.doc --"));

    program.click(program.form(), QStringLiteral("Label6"));
    program.click(program.selector(), QStringLiteral("Picture1"));
    QCOMPARE(viewerState(help), QStringLiteral("Icloe1.doc -+"));
    QCOMPARE(
        control<QLabel>(help, QStringLiteral("posicion"))->text(), QStringLiteral("Page 1 of 2"));
}

void ClothingAndHelpTest::everyDocumentHasItsPages()
{
    const char *documents[] = { "taire1.doc", "tglobo1.doc", "tglobo2.doc", "tbhn.doc",
        "Metabolismo1.doc", "Metabolismo2.doc", "Metabolismo3.doc", "Iclo1.doc", "Iclo2.doc",
        "Icloe1.doc", "Icloe2.doc" };
    for (const char *document : documents) {
        for (const model::Language language :
            { model::Language::Spanish, model::Language::English }) {
            const QString page = helpPageResource(document, language);
            QVERIFY2(QFile::exists(page), qPrintable(page));
        }
    }
    // Only the fixed names are ever looked up: no other name, no path.
    for (const char *other :
        { "", "taire1", "taire2.doc", "../taire1.doc", "/etc/passwd", "help/es/taire1.html" }) {
        QVERIFY2(helpPageResource(other, model::Language::Spanish).isEmpty(), other);
        QVERIFY2(helpDocumentFile(other).isEmpty(), other);
    }
}

void ClothingAndHelpTest::aDocumentInTheWorkingFolderCanBeOpened()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    QFile document(folder.filePath(QStringLiteral("tglobo2.doc")));
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.close();

    {
        Program program(model::Language::Spanish);
        program.click(program.form(), QStringLiteral("Rad"));
        QWidget *help = program.help();
        auto *open = control<QPushButton>(help, QStringLiteral("abrir"));
        QVERIFY(open->isHidden()); // no tglobo1.doc here
        program.click(help, QStringLiteral("pagsig"));
        QVERIFY(!open->isHidden());
        QCOMPARE(open->text(), QStringLiteral("Abrir el documento tglobo2.doc"));
        QCOMPARE(helpDocumentFile("tglobo2.doc"), QFileInfo(document).absoluteFilePath());
        program.click(help, QStringLiteral("pagant"));
        QVERIFY(open->isHidden());
    }
    QVERIFY(QDir::setCurrent(previous));
}

QTEST_MAIN(ClothingAndHelpTest)
#include "clothing_and_help_test.moc"
