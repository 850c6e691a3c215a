#pragma once
// Printing a window's image: the window as it is shown, on one page, scaled to fit it. Without a
// printer (common on a desktop without a print server) the user is offered the same page as a PDF
// file instead; every failure is shown as a message, never dropped.
//
// A window that prints calls printWindowImage(*this, language) from its print picture (see
// view_picture_row.h, which does it for the views).

#include "model/language.h"

#include <QString>

class QWidget;

namespace kalvora::ui {

/// Prints window's image on the default printer (the first one when none is marked default) and
/// ends the job. Without any printer it says so and offers to save the page as a PDF file, with a
/// file dialog that proposes a name after the window in the user's documents folder.
void printWindowImage(QWidget &window, model::Language language);

/// Writes window's image as a one-page PDF file at path, scaled to fit an A4 page. The file is
/// written beside path and renamed into place at the end, so a failure leaves whatever was at
/// path untouched. Returns false with the reason in error (when given) on failure.
bool saveWindowImageAsPdf(QWidget &window, const QString &path, QString *error = nullptr);

/// The file name proposed for window's PDF: its title (or object name) in the documents folder.
QString proposedPdfPath(const QWidget &window);

} // namespace kalvora::ui
