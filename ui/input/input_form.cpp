#include "input_form.h"

#include "loading.h"
#include "model/option_boxes.h"
#include "ui/shell/app_state.h"
#include "ui/shell/common_captions.h"
#include "ui/shell/control_name.h"
#include "ui/shell/exit_confirmation.h"
#include "ui/shell/input_captions.h"
#include "ui/shell/links.h"
#include "ui/shell/picture_button.h"
#include "ui/shell/pictures.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace kalvora::ui {

using model::Field;
using model::Language;
using model::Method;
using model::OptionGroup;

namespace {

// Room between a caption and its box, and between the parameter area's two columns, in average
// characters.
constexpr int kCaptionGutter = 2;
constexpr int kColumnGutter = 4;

template <class E> constexpr int at(E e)
{
    return static_cast<int>(e);
}

struct GroupLayout
{
    const char *frame;
    const char *options;
    int count;
    std::array<const char *, 3> unitLabels; ///< beside the option boxes, when they have units
};

GroupLayout groupLayout(OptionGroup group)
{
    switch (group) {
    case OptionGroup::Radiacion:
        return { "Rad", "Radiacion", 2, { "Label11", "Label15", nullptr } };
    case OptionGroup::humedad:
        return { "Frame3", "humedad", 3, {} };
    case OptionGroup::Radsolar:
        return { "Frame2", "Radsolar", 2, {} };
    case OptionGroup::postura:
        return { "Frame4", "postura", 3, {} };
    }
    return { "", "", 0, {} };
}

constexpr Method kMethods[]
    = { Method::Pmv, Method::Hsi, Method::Wbgt, Method::SwReq, Method::Wci, Method::Ireq };
constexpr OptionGroup kGroups[]
    = { OptionGroup::Radiacion, OptionGroup::humedad, OptionGroup::Radsolar, OptionGroup::postura };

} // namespace

InputForm::InputForm(AppState &state, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::InputForm));
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createMethodFrame());
    layout->addWidget(m_label1);
    layout->addWidget(createParameterArea());
    layout->addLayout(createButtons());

    connect(&m_state, &AppState::enablingChanged, this, &InputForm::applyEnabling);
    connect(&m_state, &AppState::textChanged, this, &InputForm::showText);
    applyCaptions();
    alignRadiationBoxes();
    applyEnabling();
}

void InputForm::applyCaptions()
{
    const Language language = m_state.language();
    setWindowTitle(pick(inputCaption(InputText::Title), language));
    m_label1->setText(pick(inputCaption(InputText::Label1), language));
    m_frame1->setTitle(pick(inputCaption(InputText::Frame1), language));
    for (const Method method : kMethods) {
        // The caption as written names the box; the box shows the standard on a line of its own.
        const QString caption = pick(methodCaption(method), language);
        m_methods[at(method)]->setText(standardOnSecondLine(caption));
        m_methods[at(method)]->setAccessibleName(caption);
    }
    for (const FieldLabels &labels : labelledFields())
        m_captions[at(labels.field)]->setText(pick(fieldCaption(labels.field), language));
    for (const OptionGroup group : kGroups) {
        m_frames[at(group)]->setTitle(pick(frameCaption(group), language));
        for (QAbstractButton *option : m_options[at(group)]->buttons())
            option->setText(pick(optionCaption(group, m_options[at(group)]->id(option)), language));
    }
    // An option box is named by its option's caption, which stands beside it.
    for (const OptionGroup group : kGroups) {
        const std::span<const Field> boxes = model::optionBoxes(group);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            m_boxes[at(boxes[i])]->setAccessibleName(
                pick(optionCaption(group, static_cast<int>(i)), language));
    }
    m_load->setDrawnCaption(pick(inputCaption(InputText::LoadButton), language));
    m_exit->setDescription(pick(commonCaption(CommonText::ExitProgram), language));
}

QGroupBox *InputForm::createMethodFrame()
{
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    for (const Method method : kMethods) {
        auto *box = new QCheckBox(frame);
        box->setObjectName(controlName("Método", at(method)));
        connect(box, &QCheckBox::toggled, this,
            [this, method](bool on) { m_state.setMethod(method, on); });
        // Methods 0, 1, 2 in the left column, 3, 4, 5 in the right one.
        grid->addWidget(box, at(method) % 3, at(method) / 3);
        m_methods[at(method)] = box;
    }
    m_frame1 = frame;
    return frame;
}

QFrame *InputForm::createParameterArea()
{
    auto *area = new QFrame(this);
    area->setFrameShape(QFrame::Box);
    const int captionGutter = kCaptionGutter * fontMetrics().averageCharWidth();

    // Caption, box and unit columns; a last, empty column takes any width to spare, so the box
    // column stays where alignRadiationBoxes puts it.
    auto *left = new QGridLayout;
    left->setHorizontalSpacing(captionGutter);
    addFieldRow(left, 0, Field::Metabolismo, area);
    addFieldRow(left, 1, Field::Taseco, area);
    left->addWidget(createOptionFrame(OptionGroup::Radiacion, area), 2, 0, 1, 4);
    addFieldRow(left, 3, Field::tbhn, area);
    addFieldRow(left, 4, Field::vaire, area);
    left->setRowStretch(5, 1);
    left->setColumnStretch(3, 1);
    m_leftColumn = left;

    auto *sideBySide = new QHBoxLayout;
    sideBySide->addWidget(createOptionFrame(OptionGroup::Radsolar, area));
    sideBySide->addWidget(createOptionFrame(OptionGroup::postura, area));

    auto *right = new QGridLayout;
    right->setHorizontalSpacing(captionGutter);
    addFieldRow(right, 0, Field::Iclo, area);
    right->addLayout(sideBySide, 1, 0, 1, 3);
    right->addWidget(createOptionFrame(OptionGroup::humedad, area), 2, 0, 1, 3);
    right->setRowStretch(3, 1);

    auto *columns = new QHBoxLayout(area);
    columns->addLayout(left);
    columns->addSpacing(kColumnGutter * fontMetrics().averageCharWidth());
    columns->addLayout(right);
    return area;
}

void InputForm::alignRadiationBoxes()
{
    // The radiation frame's boxes stand in one column with the boxes above and below the frame:
    // its caption column is narrower than the form's by the frame's own inset, and both grids
    // leave the same gutter before the boxes.
    QGroupBox *frame = m_frames[at(OptionGroup::Radiacion)];
    auto *inner = static_cast<QGridLayout *>(frame->layout());
    inner->setHorizontalSpacing(m_leftColumn->horizontalSpacing());
    inner->setColumnStretch(3, 1);
    const int inset = frame->contentsMargins().left() + inner->contentsMargins().left();
    int captions = 0;
    for (const Field field : { Field::Metabolismo, Field::Taseco, Field::tbhn, Field::vaire })
        captions = std::max(captions, m_captions[at(field)]->sizeHint().width());
    int options = 0;
    for (const QAbstractButton *option : m_options[at(OptionGroup::Radiacion)]->buttons())
        options = std::max(options, option->sizeHint().width());
    const int column = std::max(captions, options + inset);
    m_leftColumn->setColumnMinimumWidth(0, column);
    inner->setColumnMinimumWidth(0, column - inset);
}

void InputForm::addFieldRow(QGridLayout *grid, int row, Field field, QWidget *parent)
{
    for (const FieldLabels &labels : labelledFields()) {
        if (labels.field != field)
            continue;
        auto *caption = new LinkLabel(QString::fromUtf8(labels.caption), parent);
        connect(caption, &LinkLabel::clicked, this, [this, field] { onCaptionClicked(field); });
        auto *unit = new QLabel(QString::fromUtf8(fieldUnit(field)), parent);
        unit->setObjectName(QString::fromUtf8(labels.unit));
        QLineEdit *box = createBox(field, parent);
        caption->setBuddy(box);
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(unit, row, 2);
        m_captions[at(field)] = caption;
        m_units[at(field)] = unit;
    }
}

QGroupBox *InputForm::createOptionFrame(OptionGroup group, QWidget *parent)
{
    const GroupLayout layout = groupLayout(group);
    const QString frameName = QString::fromUtf8(layout.frame);
    QGroupBox *frame = nullptr;
    if (group == OptionGroup::Radiacion) {
        auto *link = new LinkFrame(frameName, parent);
        connect(link, &LinkFrame::clicked, this, [this] {
            openHelp({ "tglobo1.doc", "tglobo2.doc" });
        });
        frame = link;
    } else {
        frame = new QGroupBox(parent);
        frame->setObjectName(frameName);
    }

    auto *options = new QButtonGroup(frame);
    auto *grid = new QGridLayout(frame);
    const std::span<const Field> boxes = model::optionBoxes(group);
    for (int i = 0; i < layout.count; ++i) {
        auto *option = new QRadioButton(frame);
        option->setObjectName(controlName(layout.options, i));
        options->addButton(option, i);
        grid->addWidget(option, i, 0);
        if (static_cast<std::size_t>(i) >= boxes.size())
            continue;
        const Field field = boxes[i];
        grid->addWidget(createBox(field, frame), i, 1);
        if (const char *unitName = layout.unitLabels[i]) {
            auto *unit = new QLabel(QString::fromUtf8(fieldUnit(field)), frame);
            unit->setObjectName(QString::fromUtf8(unitName));
            grid->addWidget(unit, i, 2);
            m_units[at(field)] = unit;
        }
    }
    connect(options, &QButtonGroup::idToggled, this, [this, group](int id, bool checked) {
        if (checked)
            m_state.select(group, id);
    });
    m_frames[at(group)] = frame;
    m_options[at(group)] = options;
    return frame;
}

QLineEdit *InputForm::createBox(Field field, QWidget *parent)
{
    auto *box = new QLineEdit(QString::fromStdString(m_state.input().text(field)), parent);
    box->setObjectName(QString::fromUtf8(model::InputParameters::name(field)));
    box->setMaxLength(std::numeric_limits<int>::max()); // texts are kept as typed, of any length
    // One width for every box, whatever room its column offers.
    box->setFixedWidth(box->sizeHint().width());
    // Typed, pasted or set by assistive technology: the input set holds what the box shows.
    connect(box, &QLineEdit::textChanged, this,
        [this, field](const QString &text) { m_state.setText(field, text.toStdString()); });
    m_boxes[at(field)] = box;
    return box;
}

QLayout *InputForm::createButtons()
{
    m_load = new PictureButton(
        QStringLiteral("Cargar_datos"), QString::fromLatin1(pictures::kLoad), this);
    connect(
        m_load, &PictureButton::clicked, this, [this] { loadInputs(this, m_state, m_windows); });

    m_exit = new PictureButton(QStringLiteral("salir"), QString::fromLatin1(pictures::kExit), this);
    connect(m_exit, &PictureButton::clicked, this,
        [this] { ConfirmExit(m_state, m_windows, WindowId::InputForm); });

    auto *row = new QHBoxLayout;
    row->addWidget(m_load);
    row->addStretch();
    row->addWidget(m_exit);
    return row;
}

void InputForm::applyEnabling()
{
    const model::InputParameters &input = m_state.input();
    for (const Method method : kMethods)
        m_methods[at(method)]->setChecked(input.method(method));
    for (const OptionGroup group : kGroups) {
        const bool enabled = input.groupEnabled(group);
        m_frames[at(group)]->setEnabled(enabled);
        for (QAbstractButton *option : m_options[at(group)]->buttons())
            option->setEnabled(enabled);
        if (QAbstractButton *selected = m_options[at(group)]->button(input.selected(group)))
            selected->setChecked(true);
    }
    for (int i = 0; i < model::kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        m_boxes[i]->setEnabled(input.enabled(field));
        // Captions and units follow their field; beside the option boxes they follow the group.
        const std::optional<OptionGroup> group = model::boxGroup(field);
        const bool labelsEnabled = group ? input.groupEnabled(*group) : input.enabled(field);
        for (QLabel *label : { m_captions[i], m_units[i] })
            if (label)
                label->setEnabled(labelsEnabled);
    }
}

void InputForm::showText(Field field)
{
    const QString text = QString::fromStdString(m_state.input().text(field));
    if (m_boxes[at(field)]->text() != text)
        m_boxes[at(field)]->setText(text);
}

void InputForm::openHelp(std::initializer_list<const char *> pages)
{
    // Pages beyond the count keep what an earlier request left in them.
    HelpRequest request = m_state.helpRequest();
    request.npag = static_cast<int>(pages.size());
    int page = 0;
    for (const char *name : pages)
        request.pagina[page++] = name;
    m_state.setHelpRequest(request);
    m_windows.open(WindowId::HelpViewer);
}

void InputForm::onCaptionClicked(Field field)
{
    switch (field) {
    case Field::Metabolismo:
        openHelp({ "Metabolismo1.doc", "Metabolismo2.doc", "Metabolismo3.doc" });
        break;
    case Field::Taseco:
        openHelp({ "taire1.doc" });
        break;
    case Field::tbhn:
        openHelp({ "tbhn.doc" });
        break;
    case Field::Iclo:
        m_windows.open(WindowId::ClothingSelector);
        break;
    case Field::vaire: // a link cursor only
    case Field::tglobo:
    case Field::TRMedia:
    case Field::HR:
    case Field::tbh:
    case Field::pa:
        break;
    }
}

} // namespace kalvora::ui
