#include "survey_report_window.h"

#include "survey_captions.h"
#include "survey_report.h"
#include "survey_session.h"
#include "ui/shell/common_captions.h"
#include "ui/shell/messages.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kalvora::ui {

SurveyReportWindow::SurveyReportWindow(SurveySession &session, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::SurveyReport));
    const model::Language language = session.language();
    m_document = new QTextBrowser(this);
    m_document->setObjectName(QStringLiteral("report"));
    m_document->setAccessibleName(pick(surveyCaption(SurveyText::ReportTitle), language));
    m_print = new QPushButton(pick(surveyCaption(SurveyText::ReportPrint), language), this);
    m_print->setObjectName(QStringLiteral("print"));
    m_savePdf = new QPushButton(pick(surveyCaption(SurveyText::ReportSavePdf), language), this);
    m_savePdf->setObjectName(QStringLiteral("savePdf"));
    m_close = new QPushButton(pick(commonCaption(CommonText::CloseWindow), language), this);
    m_close->setObjectName(QStringLiteral("close"));
    connect(m_print, &QPushButton::clicked, this, &SurveyReportWindow::onPrint);
    connect(m_savePdf, &QPushButton::clicked, this, &SurveyReportWindow::onSavePdf);
    connect(
        m_close, &QPushButton::clicked, this, [this] { m_windows.close(WindowId::SurveyReport); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(m_savePdf);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_document, 1);
    layout->addLayout(buttons);
    resize(900, 700);
}

void SurveyReportWindow::load()
{
    setWindowTitle(m_session.displayName() + QStringLiteral(" — ")
        + pick(surveyCaption(SurveyText::ReportTitle), m_session.language()));
    m_document->setHtml(surveyReportHtml(m_session));
}

std::optional<QString> SurveyReportWindow::saveAsPdf(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setTitle(windowTitle());
        writer.setPageSize(QPageSize(QPageSize::A4));
        m_document->document()->print(&writer);
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

void SurveyReportWindow::onPrint()
{
    const model::Language language = m_session.language();
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        showWarning(this, pick(surveyCaption(SurveyText::ReportTitle), language),
            pick(surveyCaption(SurveyText::NoPrinter), language));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_document->document()->print(&printer);
    if (printer.printerState() == QPrinter::Error)
        showWarning(this, pick(surveyCaption(SurveyText::ReportTitle), language),
            pick(surveyCaption(SurveyText::PrintFailed), language));
}

void SurveyReportWindow::onSavePdf()
{
    const model::Language language = m_session.language();
    const QString folder = m_session.path().isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        : QFileInfo(m_session.path()).absolutePath();
    QFileDialog dialog(this,
        pick(surveyCaption(SurveyText::ReportSavePdf), language).remove(QChar(0x2026)),
        QDir(folder).filePath(
            QFileInfo(m_session.displayName()).completeBaseName() + QStringLiteral(".pdf")),
        pick(surveyCaption(SurveyText::PdfFilter), language));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().front();
    if (const std::optional<QString> error = saveAsPdf(path))
        showWarning(this, pick(surveyCaption(SurveyText::ReportTitle), language),
            pick(surveyCaption(SurveyText::CannotExport), language)
                    .arg(QDir::toNativeSeparators(path))
                + QLatin1Char('\n') + *error);
}

} // namespace kalvora::ui
