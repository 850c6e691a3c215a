#include "credits_splash.h"

#include "caption.h"
#include "picture_button.h"
#include "pictures.h"
#include "placement.h"
#include "window_id.h"
#include "windows.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QVBoxLayout>

namespace kalvora::ui {

namespace {

// The language is not chosen yet: the splash speaks both.
constexpr char kTitle[] = "Kalvora 3.0";
constexpr char kPictureDescription[] = "Kalvora 3.0 – pulse para continuar / click to continue";
constexpr char kCredits[] = "Kalvora development team. Thermal Environment Laboratory, "
                            "1 Example Street, 00000 Example City. Version 3.0, December 2026.";
constexpr QSize kPictureSize { 480, 300 };

/// The splash picture at the screen's pixel density, read as the PNG it is: a reader left to
/// detect the format loads every image plugin of the system to ask each whether it reads the file
/// (even when told the format), which took a sixth of the program's start.
QIcon creditsPicture(qreal devicePixelRatio)
{
    const bool dense = devicePixelRatio > 1;
    QImageReader reader(
        QString::fromLatin1(dense ? pictures::kCredits2x : pictures::kCredits), "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap picture = QPixmap::fromImage(reader.read());
    picture.setDevicePixelRatio(dense ? 2 : 1);
    return QIcon(picture);
}

} // namespace

CreditsSplash::CreditsSplash(Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::CreditsSplash));
    setWindowTitle(QString::fromUtf8(kTitle));

    auto *picture
        = new PictureButton(QStringLiteral("Picture1"), creditsPicture(devicePixelRatioF()), this);
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
