#pragma once
// Answers the next modal message box by clicking one of its buttons, and keeps what it showed.

#include <QMessageBox>
#include <QString>

#include <memory>

namespace kalvora::ui::test {

struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

/// Waits for the next modal message box (polling the application's modal widget), records its
/// texts and clicks `answer`. The result fills in once the box has been answered.
std::shared_ptr<SeenBox> answerNextBox(QMessageBox::StandardButton answer);

} // namespace kalvora::ui::test
