#pragma once
// A display box into which a window writes one or more lines of text when it loads; not
// editable, selectable. Assistive technology hears the caption beside it with the value
// ("Metabolic power (M): 85"); an empty area is left out of the Tab order.

#include <QLabel>

namespace kalvora::ui {

class ValueArea : public QLabel
{
    Q_OBJECT
public:
    explicit ValueArea(const QString &objectName, QWidget *parent = nullptr);
    void setLines(const QStringList &lines);
    /// The caption shown beside the area, which names it.
    void setCaption(const QString &caption);
    /// Keeps the area at least wide enough for each of texts on one line, with a little air
    /// either side, so that a value longer than the one shown at first would not clip.
    void reserveWidthFor(const QStringList &texts);

private:
    void nameAfterCaption();

    QString m_caption;
};

/// Greys every value area of window that is left empty beside a greyed caption (the label whose
/// buddy it is): its row takes no part, and an empty white box would read as a missing value.
void greyUnusedAreas(QWidget &window);

} // namespace kalvora::ui
