#pragma once
// Saves a window's printed page as a PDF file, where a person can look at it when
// KALVORA_PDF_DIR names a folder (a temporary folder otherwise), and checks that a PDF came out.

#include "ui/shell/window_printing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace kalvora::ui::test {

inline void expectPdfOfWindow(QWidget &window, const QString &fileName)
{
    QTemporaryDir temporary;
    const QString folder = qEnvironmentVariable("KALVORA_PDF_DIR", temporary.path());
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(fileName);
    QString error;
    QVERIFY2(saveWindowImageAsPdf(window, path, &error), qPrintable(error));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    QVERIFY(pdf.size() > 10000); // a page with the window's picture, not an empty document
}

} // namespace kalvora::ui::test
