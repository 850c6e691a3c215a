#pragma once
// A display box into which a window writes one or more lines of text when it loads; not
// editable, selectable, and it exposes its text to assistive technology.

#include <QLabel>

namespace kalvora::ui {

class ValueArea : public QLabel
{
    Q_OBJECT
public:
    explicit ValueArea(const QString &objectName, QWidget *parent = nullptr);
    void setLines(const QStringList &lines);
};

} // namespace kalvora::ui
