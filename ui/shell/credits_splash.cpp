#include "credits_splash.h"

#include "caption.h"
#include "picture_button.h"
#include "pictures.h"
#include "placement.h"
#include "window_id.h"
#include "windows.h"

#include <QVBoxLayout>

namespace kalvora::ui {

namespace {

// The language is not chosen yet: the splash speaks both.
constexpr char kTitle[] = "Kalvora 3.0";
constexpr char kPictureDescription[] = "Kalvora 3.0 – pulse para continuar / click to continue";
constexpr char kCredits[] = "Kalvora development team. Thermal Environment Laboratory, "
                            "1 Example Street, 00000 Example City. Version 3.0, December 2026.";
constexpr QSize kPictureSize { 480, 300 };

} // namespace

CreditsSplash::CreditsSplash(Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::CreditsSplash));
    setWindowTitle(QString::fromUtf8(kTitle));

    auto *picture = new PictureButton(
        QStringLiteral("Picture1"), QString::fromLatin1(pictures::kCredits), this);
    picture->setIconSize(kPictureSize);
    picture->setDescription(QString::fromUtf8(kPictureDescription));
    picture->setAccessibleDescription(QString::fromUtf8(kCredits));
    connect(picture, &PictureButton::clicked, this, &CreditsSplash::onPictureClicked);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    centerOnScreen(*this);
}

void CreditsSplash::onPictureClicked()
{
    m_windows.open(WindowId::StartScreen);
    m_windows.close(WindowId::CreditsSplash);
}

} // namespace kalvora::ui
