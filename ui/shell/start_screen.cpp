#include "start_screen.h"

#include "app_state.h"
#include "caption.h"
#include "control_name.h"
#include "exit_confirmation.h"
#include "model/presentation/rating_colour.h"
#include "picture_button.h"
#include "pictures.h"
#include "placement.h"
#include "qt_translations.h"
#include "window_id.h"
#include "windows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvora::ui {

namespace {

enum class Text { Title, Heading, Start, Exit };

constexpr Caption caption(Text text)
{
    switch (text) {
    case Text::Title:
        return { "Selección de Idioma", "Thermal comfort" };
    case Text::Heading:
        return { "VALORACION DEL CONFORT TERMICO", "EVALUATION OF THERMAL COMFORT" };
    case Text::Start:
        return { "Iniciar", "Start" };
    case Text::Exit:
        return { "Salir", "Exit" };
    }
    return { "", "" };
}

// Texts that are the same in both languages.
constexpr char kFrame[] = "Idioma / Language";
constexpr char kSpanish[] = "Español";
constexpr char kEnglish[] = "English";
constexpr const char *kCredits[] = {
    "Kalvora development team",
    "Thermal Environment Laboratory",
    "1 Example Street, 00000 Example City",
    "Versión / Version 3.0 · December 2026",
};

// The three decorative rectangles, in the colours of the ratings.
constexpr model::Rgb kStripeColours[]
    = { model::kRatingGreen, model::kRatingOrange, model::kRatingRed };
constexpr int kStripeHeight = 8;
constexpr int kIconSide = 48;

QLabel *iconLabel(const QString &objectName, const char *path, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(QIcon(QString::fromLatin1(path)).pixmap(kIconSide, kIconSide));
    label->setFixedSize(kIconSide, kIconSide);
    return label;
}

} // namespace

StartScreen::StartScreen(AppState &state, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::StartScreen));

    m_inicio = new QPushButton(this);
    m_inicio->setObjectName(QStringLiteral("Inicio"));
    m_inicio->setDefault(true);
    m_inicio->setMinimumWidth(120);
    connect(m_inicio, &QPushButton::clicked, this, &StartScreen::onInicioClicked);

    m_salir
        = new PictureButton(QStringLiteral("salir"), QString::fromLatin1(pictures::kExit), this);
    connect(m_salir, &PictureButton::clicked, this, &StartScreen::onSalirClicked);

    auto *actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(m_inicio);
    actions->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(createCredits(), 1);
    bottom->addWidget(m_salir, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createStripes());
    layout->addWidget(createHeading());
    layout->addWidget(createLanguageFrame());
    layout->addLayout(actions);
    layout->addSpacing(12);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    applyCaptions();
    centerOnScreen(*this);
}

QWidget *StartScreen::createHeading()
{
    auto *heading = new QWidget(this);
    m_label1 = new QLabel(heading);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont font = m_label1->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    m_label1->setFont(font);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setMinimumWidth(QFontMetrics(font).horizontalAdvance(
        pick(caption(Text::Heading), Language::English) + QStringLiteral("MM")));

    auto *row = new QHBoxLayout(heading);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(iconLabel(QStringLiteral("Picture1"), pictures::kThermometer, heading));
    row->addWidget(m_label1, 1);
    row->addWidget(iconLabel(QStringLiteral("Picture2"), pictures::kWorker, heading));
    return heading;
}

QWidget *StartScreen::createStripes()
{
    auto *stripes = new QWidget(this);
    auto *row = new QHBoxLayout(stripes);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    int number = 1;
    for (const model::Rgb colour : kStripeColours) {
        auto *shape = new QFrame(stripes);
        shape->setObjectName(QStringLiteral("Shape%1").arg(number++));
        shape->setFixedHeight(kStripeHeight);
        shape->setAutoFillBackground(true);
        QPalette palette = shape->palette();
        palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
        shape->setPalette(palette);
        row->addWidget(shape);
    }
    return stripes;
}

QGroupBox *StartScreen::createLanguageFrame()
{
    auto *frame = new QGroupBox(QString::fromUtf8(kFrame), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_spanish = new QRadioButton(QString::fromUtf8(kSpanish), frame);
    m_spanish->setObjectName(controlName("Idioma", 0));
    m_english = new QRadioButton(QString::fromUtf8(kEnglish), frame);
    m_english->setObjectName(controlName("Idioma", 1));
    (m_state.language() == Language::English ? m_english : m_spanish)->setChecked(true);
    // The two options are exclusive: every change of the choice, by mouse, arrows or assistive
    // technology, toggles the English one exactly once.
    connect(m_english, &QRadioButton::toggled, this, &StartScreen::onIdiomaToggled);
    useQtTranslations(m_state.language());

    auto *row = new QHBoxLayout(frame);
    row->addStretch();
    row->addWidget(m_spanish);
    row->addSpacing(24);
    row->addWidget(m_english);
    row->addStretch();
    return frame;
}

QWidget *StartScreen::createCredits()
{
    auto *credits = new QWidget(this);
    auto *column = new QVBoxLayout(credits);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    int number = 2;
    for (const char *line : kCredits) {
        auto *label = new QLabel(QString::fromUtf8(line), credits);
        label->setObjectName(QStringLiteral("Label%1").arg(number++));
        column->addWidget(label);
    }
    return credits;
}

void StartScreen::applyCaptions()
{
    const Language language = m_state.language();
    setWindowTitle(pick(caption(Text::Title), language));
    m_label1->setText(pick(caption(Text::Heading), language));
    m_inicio->setText(pick(caption(Text::Start), language));
    m_salir->setDescription(pick(caption(Text::Exit), language));
}

void StartScreen::onIdiomaToggled(bool english)
{
    m_state.setLanguage(english ? Language::English : Language::Spanish);
    useQtTranslations(m_state.language());
    applyCaptions();
}

void StartScreen::onInicioClicked()
{
    // The input form reads the language while it loads, so it opens before this screen hides;
    // without an input form to show, hiding would leave a program with no window at all.
    if (m_windows.open(WindowId::InputForm))
        m_windows.hide(WindowId::StartScreen);
}

void StartScreen::onSalirClicked()
{
    ConfirmExit(m_state, m_windows, WindowId::StartScreen);
}

} // namespace kalvora::ui
