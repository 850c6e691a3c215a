#include "method_view.h"

#include "ui/shell/app_state.h"
#include "ui/shell/view_picture_row.h"

namespace kalvora::ui {

MethodView::MethodView(AppState &state, Windows &windows, WindowId self, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
    , m_self(self)
{
}

QWidget *MethodView::createPictures()
{
    m_pictures = new ViewPictureRow(*this, {});
    connectViewActions(*m_pictures, m_state, m_windows, m_self);
    return m_pictures;
}

void MethodView::load()
{
    m_pictures->applyCaptions(m_state.language());
    applyCaptions();
    show(m_state.results());
}

} // namespace kalvora::ui
