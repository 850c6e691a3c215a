#pragma once
// A square filled with the colour of a method rating (green, orange, red: model/rating_colour.h).
// Colour is never the only carrier of the verdict: the window gives the square an accessible name
// and a tooltip that say the verdict in words. A clickable light takes the keyboard focus and
// reports activation by mouse click, Enter, Space or the accessibility press action.
//
// Use in a result window:
//     m_light = new RatingLight(QStringLiteral("s1"), this);
//     m_light->setClickable(true);                                   // the summary's squares
//     connect(m_light, &RatingLight::activated, this, &ResultsSummary::onS1Activated);
//     ... at load:
//     m_light->setRating(results.okIVM, pick(verdictCaption(results.okIVM), language));

#include <QWidget>
#include <cstdint>

namespace kalvora::ui {

class RatingLight : public QWidget
{
    Q_OBJECT
public:
    explicit RatingLight(const QString &objectName, QWidget *parent = nullptr);

    /// Colour from the rating (0, 1, 2); verdict in words becomes the accessible name and tooltip.
    void setRating(std::int16_t rating, const QString &verdict);
    /// Neither colour nor verdict, as when the method was not selected.
    void clearRating();
    std::int16_t rating() const { return m_rating; }
    bool hasRating() const { return m_hasRating; }
    QColor colour() const;

    void setClickable(bool clickable);
    bool isClickable() const { return m_clickable; }
    /// What a click, Enter, Space or the accessibility press action does.
    void activate();

    QSize sizeHint() const override;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::int16_t m_rating = 0;
    bool m_hasRating = false;
    bool m_clickable = false;
};

} // namespace kalvora::ui
