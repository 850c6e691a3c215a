#pragma once
// The survey's report in a window of its own, as it will be printed: it reads the survey once,
// when it opens, and prints it on a printer the user chooses or saves it as a PDF file.

#include "ui/shell/loads_on_open.h"

#include <QWidget>
#include <optional>

class QTextBrowser;
class QPushButton;

namespace kalvora::ui {

class SurveySession;
class Windows;

class SurveyReportWindow : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    SurveyReportWindow(SurveySession &session, Windows &windows, QWidget *parent = nullptr);
    /// Writes the report of the survey as it is now.
    void load() override;

    /// Writes the report as a PDF file at path (beside it, then renamed into place); returns why
    /// it could not.
    std::optional<QString> saveAsPdf(const QString &path) const;

private:
    void onPrint();
    void onSavePdf();

    SurveySession &m_session;
    Windows &m_windows;
    QTextBrowser *m_document = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_savePdf = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace kalvora::ui
