#include "sweep_window.h"

#include "model/evaluation.h"
#include "model/presentation/sweep_cells.h"
#include "sweep_captions.h"
#include "ui/shell/app_state.h"
#include "ui/shell/messages.h"
#include "ui/shell/number_format.h"
#include "ui/shell/view_picture_row.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTextLayout>
#include <QVBoxLayout>

namespace kalvora::ui {

using model::SweepColumn;

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
constexpr int kColumnWidth = 78;
constexpr int kVelocityColumnWidth = 96;
constexpr int kHeaderLines = 3;
// Room inside a group heading's box, in pixels: above and below, and either side.
constexpr int kGroupPaddingV = 2;
constexpr int kGroupPaddingH = 6;

/// Whether text, wrapped at words within width pixels, breaks a line inside its unit "( … )":
/// a slash is a place where a line may break, as in "(W/" and "m²)".
bool breaksInsideUnit(const QString &text, const QFont &font, int width)
{
    const qsizetype open = text.indexOf(QLatin1Char('('));
    const qsizetype close = text.indexOf(QLatin1Char(')'), open);
    if (open < 0 || close < 0)
        return false;
    QTextLayout layout(text, font);
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrap);
    bool inside = false;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const qsizetype next = line.textStart() + line.textLength();
        inside = inside || (next > open && next <= close);
    }
    layout.endLayout();
    return inside;
}

/// The colour the table draws its grid with, for lines that belong with the grid.
QColor gridColour(const QTableWidget &table)
{
    QStyleOptionViewItem option;
    option.initFrom(&table);
    return QColor::fromRgba(static_cast<QRgb>(
        table.style()->styleHint(QStyle::SH_Table_GridLineColor, &option, &table)));
}

QString cellText(const model::SweepCell &cell)
{
    return cell.pattern ? formatNumber(cell.value, *cell.pattern)
                        : QString::fromStdString(cell.text);
}

SweepColumn columnAt(int index)
{
    return static_cast<SweepColumn>(index);
}

} // namespace

SweepWindow::SweepWindow(AppState &state, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
{
    const model::Language language = m_state.language();
    setObjectName(formObjectName(WindowId::SweepWindow));
    setWindowTitle(pick(sweepCaption(SweepText::Window), language));

    auto *titulo = new QLabel(pick(sweepCaption(SweepText::Titulo), language), this);
    titulo->setObjectName(QStringLiteral("Titulo"));
    QFont bold = titulo->font();
    bold.setBold(true);
    titulo->setFont(bold);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titulo, 0, Qt::AlignHCenter);
    QTableWidget *table = createTable();
    layout->addWidget(createGroupHeaders());
    layout->addWidget(table);
    m_pictures = new ViewPictureRow(*this, { .exit = "Picture3", .print = "Picture4" });
    connectViewActions(*m_pictures, m_state, m_windows, WindowId::SweepWindow);
    layout->addWidget(m_pictures);

    auto *copy = new QAction(pick(sweepCaption(SweepText::Copy), language), this);
    copy->setObjectName(QStringLiteral("copiar"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &SweepWindow::copyTable);
    addAction(copy);
    m_table->addAction(copy);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void SweepWindow::load()
{
    const model::Language language = m_state.language();
    m_pictures->applyCaptions(language);
    // The sweep reads the last evaluation's shared values: after a fault it computes nothing
    // and says which fault stopped the evaluation.
    const std::optional<model::EvaluationFault> &stoppedBy = m_state.session().last().fault;
    const model::Sweep sweep = stoppedBy
        ? model::sweepNotComputed(m_state.input(), *stoppedBy)
        : model::AirVelocitySweep(m_state.input(), m_state.results());
    fill(sweep);
    if (const std::optional<model::EvaluationFault> &fault = stoppedBy ? stoppedBy : sweep.fault)
        showWarning(this, QString::fromStdString(model::faultTitle(language)),
            QString::fromStdString(model::faultMessage(*fault, language)));
}

QWidget *SweepWindow::createGroupHeaders()
{
    // Boxes drawn in the grid's own colour and weight, their headings clear of the lines.
    const QString box = QStringLiteral("QLabel { border: 1px solid %1; padding: %2px %3px; }")
                            .arg(gridColour(*m_table).name())
                            .arg(kGroupPaddingV)
                            .arg(kGroupPaddingH);
    m_groupStrip = new QWidget(this);
    for (const SweepGroup &group : sweepGroups()) {
        auto *label = new QLabel(pick(group.caption, m_state.language()), m_groupStrip);
        label->setObjectName(QString::fromLatin1(group.name));
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(box);
        label->setWordWrap(true);
        m_groupLabels.push_back(label);
    }
    // Room for a heading that wraps onto a second line over its narrow columns.
    m_groupStrip->setFixedHeight(2 * fontMetrics().lineSpacing() + 2 * (kGroupPaddingV + 1));
    return m_groupStrip;
}

QTableWidget *SweepWindow::createTable()
{
    const model::Language language = m_state.language();
    m_table = new QTableWidget(model::kSweepRowsShown, model::kSweepColumnCount, this);
    m_table->setObjectName(QStringLiteral("tabla"));
    m_table->setAccessibleName(pick(sweepCaption(SweepText::Titulo), language));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_table->verticalHeader()->hide();
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QHeaderView *header = m_table->horizontalHeader();
    // The header texts wrap where their runs of blanks fall.
    header->setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumHeight(kHeaderLines * fontMetrics().lineSpacing() + 8);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < model::kSweepColumnCount; ++column) {
        const SweepHeader named = sweepColumnHeader(columnAt(column));
        const QString caption = pick(named.caption, language);
        auto *item = new QTableWidgetItem(caption);
        item->setData(Qt::UserRole, QString::fromLatin1(named.name));
        m_table->setHorizontalHeaderItem(column, item);
        // A unit is read whole: where it would break inside, the header takes one line.
        int width = column == 0 ? kVelocityColumnWidth : kColumnWidth;
        if (breaksInsideUnit(caption, header->font(), width - 2 * margin))
            width = header->fontMetrics().horizontalAdvance(caption) + 2 * margin
                + header->fontMetrics().averageCharWidth();
        m_table->setColumnWidth(column, width);
    }
    connect(header, &QHeaderView::sectionResized, this, &SweepWindow::placeGroupHeaders);

    int width = 2 * m_table->frameWidth();
    for (int column = 0; column < model::kSweepColumnCount; ++column)
        width += m_table->columnWidth(column);
    int height = 2 * m_table->frameWidth() + header->minimumHeight();
    for (int row = 0; row < model::kSweepRowsShown; ++row)
        height += m_table->rowHeight(row);
    m_table->setFixedSize(width, height);
    return m_table;
}

void SweepWindow::fill(const model::Sweep &sweep)
{
    const model::Language language = m_state.language();
    for (int row = 0; row < model::kSweepRowsShown; ++row) {
        const model::SweepRow &values = sweep.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < model::kSweepColumnCount; ++column) {
            const model::SweepCell cell = model::sweepCell(sweep, row, columnAt(column), language);
            auto *item = new QTableWidgetItem(cellText(cell));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // The row colour: every cell green when no selected method rates above 0, only the
            // velocity red when one rates 2. A fault leaves the rows without a colour.
            if (!sweep.fault && values.code == 0)
                item->setForeground(kGreen);
            else if (!sweep.fault && values.code == 2 && column == 0)
                item->setForeground(kRed);
            if (!sweep.fault && column == 0) {
                const QString verdict = pick(sweepRowVerdict(values.code), language);
                item->setToolTip(verdict);
                item->setData(Qt::AccessibleDescriptionRole, verdict);
            }
            m_table->setItem(row, column, item);
        }
    }
    // No current cell until the keyboard moves into the table (the first arrow key goes to the
    // first cell): the table takes the focus when the window opens, and the print picture leaves
    // it there, so a current cell would stand out, and print, before the user went to it.
    m_table->setCurrentIndex(QModelIndex());
}

void SweepWindow::placeGroupHeaders()
{
    const QHeaderView *header = m_table->horizontalHeader();
    const int offset = m_table->x() - m_groupStrip->x() + m_table->frameWidth();
    std::size_t index = 0;
    for (const SweepGroup &group : sweepGroups()) {
        const int first = static_cast<int>(group.first);
        int width = 0;
        for (int column = first; column < first + group.columns; ++column)
            width += header->sectionSize(column);
        m_groupLabels[index++]->setGeometry(
            offset + header->sectionViewportPosition(first), 0, width, m_groupStrip->height());
    }
}

void SweepWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeGroupHeaders();
}

void SweepWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    placeGroupHeaders();
}

QString SweepWindow::tableText() const
{
    QStringList lines;
    QStringList cells;
    for (int column = 0; column < m_table->columnCount(); ++column)
        cells << m_table->horizontalHeaderItem(column)->text().simplified();
    lines << cells.join(QLatin1Char('\t'));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        cells.clear();
        for (int column = 0; column < m_table->columnCount(); ++column)
            cells << m_table->item(row, column)->text().trimmed();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void SweepWindow::copyTable()
{
    QApplication::clipboard()->setText(tableText());
}

} // namespace kalvora::ui
