#include "window_printing.h"

#include "caption.h"
#include "messages.h"

#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

namespace kalvora::ui {

namespace {

enum class Text { Title, NoPrinter, SaveDialog, PdfFilter, PrintFailed, SaveFailed };

constexpr Caption caption(Text text)
{
    switch (text) {
    case Text::Title:
        return { "Imprimir", "Print" };
    case Text::NoPrinter:
        return { "No hay ninguna impresora instalada. ¿Desea guardar la página como archivo PDF?",
            "No printer is installed. Do you want to save the page as a PDF file instead?" };
    case Text::SaveDialog:
        return { "Guardar la página como PDF", "Save the page as PDF" };
    case Text::PdfFilter:
        return { "Documentos PDF (*.pdf)", "PDF documents (*.pdf)" };
    case Text::PrintFailed:
        return { "No se ha podido imprimir la ventana.", "The window could not be printed." };
    case Text::SaveFailed:
        return { "No se ha podido guardar el archivo PDF:", "The PDF file could not be saved:" };
    }
    return { "", "" };
}

/// Draws image inside page (device pixels), as large as fits with its proportions kept, centred
/// across the page and standing at its top.
void drawScaledToFit(QPainter &painter, const QPixmap &image, const QSizeF &page)
{
    QSizeF size = image.size() / image.devicePixelRatio();
    size.scale(page, Qt::KeepAspectRatio);
    const QRectF target(QPointF((page.width() - size.width()) / 2, 0), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, image, QRectF(image.rect()));
}

bool printOn(QWidget &window, const QPrinterInfo &printerInfo)
{
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(window.windowTitle().trimmed());
    const QPixmap image = window.grab();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    drawScaledToFit(
        painter, image, printer.pageLayout().paintRectPixels(printer.resolution()).size());
    // Ending the painter ends the job, so the page is released at once.
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void offerPdf(QWidget &window, model::Language language)
{
    if (!askYesNo(&window, pick(caption(Text::Title), language),
            pick(caption(Text::NoPrinter), language)))
        return;
    const QString path
        = QFileDialog::getSaveFileName(&window, pick(caption(Text::SaveDialog), language),
            proposedPdfPath(window), pick(caption(Text::PdfFilter), language));
    if (path.isEmpty())
        return;
    QString error;
    if (!saveWindowImageAsPdf(window, path, &error))
        showWarning(&window, pick(caption(Text::Title), language),
            pick(caption(Text::SaveFailed), language) + QLatin1Char('\n') + error);
}

} // namespace

void printWindowImage(QWidget &window, model::Language language)
{
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty()) {
            offerPdf(window, language);
            return;
        }
        printer = printers.front();
    }
    if (!printOn(window, printer))
        showWarning(&window, pick(caption(Text::Title), language),
            pick(caption(Text::PrintFailed), language));
}

bool saveWindowImageAsPdf(QWidget &window, const QString &path, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QPixmap image = window.grab();
    {
        QPdfWriter writer(&file);
        writer.setTitle(window.windowTitle().trimmed());
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return fail(file.errorString());
        }
        drawScaledToFit(
            painter, image, writer.pageLayout().paintRectPixels(writer.resolution()).size());
        painter.end();
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

QString proposedPdfPath(const QWidget &window)
{
    QString name = window.windowTitle().trimmed();
    if (name.isEmpty())
        name = window.objectName();
    // Characters that a file name may not hold on the common file systems.
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

} // namespace kalvora::ui
