// Printing a window's image: the PDF page written beside its target, the offer of a PDF file
// when no printer is installed, and the file name proposed for it.

#include "test_support.h"
#include "ui/shell/window_printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kalvora::ui;

class WindowPrintingTest : public QObject
{
    Q_OBJECT
private slots:
    void pdfOfTheWindowIsOnePage();
    void pdfFailureLeavesNothingAndSaysWhy();
    void withoutPrinterTheUserIsAskedAboutPdf();
    void proposedPdfNameFollowsTheTitle();
};

void WindowPrintingTest::pdfOfTheWindowIsOnePage()
{
    QTemporaryDir folder;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Resultados"));
    window.resize(400, 300);
    const QString path = folder.filePath(QStringLiteral("Resultados.pdf"));
    QString error;
    QVERIFY2(saveWindowImageAsPdf(window, path, &error), qPrintable(error));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(
        pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
    QVERIFY(pdf.contains("/Subtype /Image"));
    // Nothing but the file is left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { "Resultados.pdf" });
}

void WindowPrintingTest::pdfFailureLeavesNothingAndSaysWhy()
{
    QTemporaryDir folder;
    QWidget window;
    window.resize(100, 100);
    const QString path = folder.filePath(QStringLiteral("missing/folder/page.pdf"));
    QString error;
    QVERIFY(!saveWindowImageAsPdf(window, path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void WindowPrintingTest::withoutPrinterTheUserIsAskedAboutPdf()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed on this machine");
    QWidget window;
    window.resize(100, 100);
    test::MessageRecorder messages(QMessageBox::No);
    printWindowImage(window, kalvora::model::Language::English);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.seen().front().title, QStringLiteral("Print"));
    QCOMPARE(messages.seen().front().text,
        QStringLiteral(
            "No printer is installed. Do you want to save the page as a PDF file instead?"));
    QCOMPARE(messages.seen().front().buttons, QMessageBox::Yes | QMessageBox::No);
}

void WindowPrintingTest::proposedPdfNameFollowsTheTitle()
{
    struct Row
    {
        const char *title;
        const char *objectName;
        const char *fileName;
    };
    const Row rows[] = {
        { "Influencia  de la velocidad del aire", "SweepWindow",
            "Influencia  de la velocidad del aire.pdf" },
        { " ", "Hub", "Hub.pdf" }, // the hub's English title is a single blank
        { "a/b:c?", "x", "a_b_c_.pdf" },
    };
    for (const Row &row : rows) {
        QWidget window;
        window.setWindowTitle(QString::fromUtf8(row.title));
        window.setObjectName(QString::fromUtf8(row.objectName));
        const QFileInfo proposed(proposedPdfPath(window));
        QCOMPARE(proposed.fileName(), QString::fromUtf8(row.fileName));
        QCOMPARE(proposed.absolutePath(),
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .absolutePath());
    }
}

QTEST_MAIN(WindowPrintingTest)
#include "window_printing_test.moc"
