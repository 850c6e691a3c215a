#include "survey_window.h"

#include "point_commands.h"
#include "survey_captions.h"
#include "survey_edits.h"
#include "survey_exchange.h"
#include "survey_files.h"
#include "survey_session.h"
#include "survey_table_model.h"
#include "ui/shell/app_state.h"
#include "ui/shell/messages.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace kalvora::ui {

namespace {

/// The date edit's value that stands for "no date": its minimum, shown as the no-date text.
const QDate kNoDate(1900, 1, 1);
const QString kIsoDate = QStringLiteral("yyyy-MM-dd");

} // namespace

SurveyWindow::SurveyWindow(
    SurveySession &session, SurveyFiles &files, AppState &state, Windows &windows, QWidget *parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_files(files)
    , m_state(state)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::Survey));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(createDetails());
    layout->addWidget(createTable(), 1);
    setCentralWidget(central);
    createMenus();
    statusBar();

    connect(&m_session, &SurveySession::fileStateChanged, this, &SurveyWindow::showFileState);
    connect(&m_session, &SurveySession::replaced, this, &SurveyWindow::showDetails);
    for (auto signal : { &SurveySession::replaced, &SurveySession::pointsInserted })
        connect(&m_session, signal, this, &SurveyWindow::fitColumns);
    connect(&m_session, &SurveySession::detailChanged, this, &SurveyWindow::showDetails);
    for (auto signal :
        { &SurveySession::replaced, &SurveySession::pointsInserted, &SurveySession::pointsRemoved })
        connect(&m_session, signal, this, &SurveyWindow::updateActions);
    showDetails();
    showFileState();
    updateActions();
    fitColumns();
    // Wide enough for every column where the screen allows it.
    const int tableWidth = m_table->horizontalHeader()->length()
        + m_table->verticalHeader()->width() + 2 * m_table->frameWidth()
        + m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int margins = central->layout()->contentsMargins().left()
        + central->layout()->contentsMargins().right();
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(std::max(tableWidth + margins, 1200), screen.width() * 19 / 20),
        std::min(640, screen.height() * 3 / 4));
}

QWidget *SurveyWindow::createDetails()
{
    const model::Language language = m_session.language();
    auto *details = new QWidget(this);
    auto *grid = new QGridLayout(details);
    grid->setContentsMargins(0, 0, 0, 0);
    // Created in reading order, which is also the Tab order: left to right, top to bottom.
    const auto place = [&](SurveyText caption, QWidget *field, const QString &name, int row,
                           int column, int span) {
        const QString text = pick(surveyCaption(caption), language);
        auto *label = new QLabel(text, details);
        label->setBuddy(field);
        field->setObjectName(name);
        field->setAccessibleName(text.chopped(1)); // the caption without its colon
        const bool tall = qobject_cast<QPlainTextEdit *>(field) != nullptr;
        grid->addWidget(
            label, row, column, Qt::AlignLeft | (tall ? Qt::AlignTop : Qt::AlignVCenter));
        grid->addWidget(field, row, column + 1, 1, span);
    };
    m_title = new QLineEdit(details);
    place(SurveyText::MetaTitle, m_title, QStringLiteral("title"), 0, 0, 1);
    m_measured = new QDateEdit(details);
    m_measured->setDisplayFormat(kIsoDate);
    m_measured->setMinimumDate(kNoDate);
    m_measured->setSpecialValueText(pick(surveyCaption(SurveyText::NoDate), language));
    m_measured->setCalendarPopup(true);
    place(SurveyText::MetaMeasured, m_measured, QStringLiteral("measured"), 0, 2, 1);
    m_site = new QLineEdit(details);
    place(SurveyText::MetaSite, m_site, QStringLiteral("site"), 1, 0, 1);
    m_assessor = new QLineEdit(details);
    place(SurveyText::MetaAssessor, m_assessor, QStringLiteral("assessor"), 1, 2, 1);
    m_notes = new QPlainTextEdit(details);
    m_notes->setTabChangesFocus(true);
    m_notes->setFixedHeight(m_notes->fontMetrics().lineSpacing() * 2
        + 2 * (m_notes->frameWidth() + int(m_notes->document()->documentMargin())));
    place(SurveyText::MetaNotes, m_notes, QStringLiteral("notes"), 2, 0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);

    const auto edits
        = { std::pair { m_title, SurveyDetail::Title }, std::pair { m_site, SurveyDetail::Site },
              std::pair { m_assessor, SurveyDetail::Assessor } };
    for (const auto &[edit, detail] : edits)
        connect(edit, &QLineEdit::textChanged, this, [this, detail = detail](const QString &text) {
            changeDetail(m_session, detail, text.toStdString());
        });
    connect(m_measured, &QDateEdit::dateChanged, this, [this](QDate date) {
        changeDetail(m_session, SurveyDetail::Measured,
            date == kNoDate ? std::string() : date.toString(kIsoDate).toStdString());
    });
    connect(m_notes, &QPlainTextEdit::textChanged, this, [this] {
        changeDetail(m_session, SurveyDetail::Notes, m_notes->toPlainText().toStdString());
    });
    return details;
}

QTableView *SurveyWindow::createTable()
{
    m_model = new SurveyTableModel(m_session, this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(SurveyTableModel::SortRole);
    m_sorted->setSortLocaleAware(true);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("points"));
    m_table->setAccessibleName(pick(surveyCaption(SurveyText::PointsTable), m_session.language()));
    m_table->setModel(m_sorted);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(true);
    // Rows of one height, and columns measured on a sample of rows: a long survey opens fast.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Two lines a row: a method's result above its verdict.
    m_table->verticalHeader()->setDefaultSectionSize(2 * m_table->fontMetrics().lineSpacing()
        + 2 * m_table->style()->pixelMetric(QStyle::PM_FocusFrameVMargin) + 4);
    m_table->horizontalHeader()->setResizeContentsPrecision(100);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    connect(m_table, &QTableView::activated, this, &SurveyWindow::onLoadPoint);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        &SurveyWindow::updateActions);
    return m_table;
}

QAction *SurveyWindow::addAction(QMenu *menu, SurveyText text, const QKeySequence &key,
    const char *icon, void (SurveyWindow::*handler)())
{
    QAction *action = menu->addAction(QIcon::fromTheme(QString::fromLatin1(icon)),
        pick(surveyCaption(text), m_session.language()), this, handler);
    action->setShortcut(key);
    return action;
}

void SurveyWindow::createMenus()
{
    const model::Language language = m_session.language();
    const auto caption
        = [language](SurveyText text) { return pick(surveyCaption(text), language); };

    QMenu *file = menuBar()->addMenu(caption(SurveyText::FileMenu));
    const QList<QAction *> fileTools = m_files.addFileActions(file, this);
    file->addSeparator();
    addAction(file, SurveyText::ImportCsv, {}, "document-import", &SurveyWindow::onImport);
    addAction(file, SurveyText::ExportCsv, {}, "document-export", &SurveyWindow::onExport);
    file->addSeparator();
    QAction *report = addAction(file, SurveyText::Report, QKeySequence::Print,
        "document-print-preview", &SurveyWindow::onReport);
    file->addSeparator();
    addAction(
        file, SurveyText::CloseWindow, QKeySequence::Close, "window-close", &SurveyWindow::onClose);

    QMenu *edit = menuBar()->addMenu(caption(SurveyText::EditMenu));
    QAction *undo = m_session.undoStack().createUndoAction(this, caption(SurveyText::Undo));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_session.undoStack().createRedoAction(this, caption(SurveyText::Redo));
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu *point = menuBar()->addMenu(caption(SurveyText::PointMenu));
    QAction *add = addAction(point, SurveyText::AddPoint,
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), "list-add", &SurveyWindow::onAddPoint);
    m_load = addAction(point, SurveyText::LoadPoint, QKeySequence(Qt::CTRL | Qt::Key_L),
        "go-previous", &SurveyWindow::onLoadPoint);
    m_update = addAction(point, SurveyText::UpdatePoint, QKeySequence(Qt::CTRL | Qt::Key_U),
        "view-refresh", &SurveyWindow::onUpdatePoint);
    m_duplicate = addAction(point, SurveyText::DuplicatePoint, QKeySequence(Qt::CTRL | Qt::Key_D),
        "edit-copy", &SurveyWindow::onDuplicatePoint);
    m_rename = addAction(point, SurveyText::RenamePoint, QKeySequence(Qt::Key_F2), "edit-rename",
        &SurveyWindow::onRenamePoint);
    m_delete = addAction(point, SurveyText::DeletePoint, QKeySequence::Delete, "list-remove",
        &SurveyWindow::onDeletePoint);

    QMenu *view = menuBar()->addMenu(caption(SurveyText::ViewMenu));
    QMenu *sort = view->addMenu(caption(SurveyText::SortBy));
    sort->addAction(caption(SurveyText::FileOrder), this, [this] { sortBy(-1); });
    for (int column = 0; column < kSurveyColumnCount; ++column)
        sort->addAction(pick(columnCaption(static_cast<SurveyColumn>(column)), language), this,
            [this, column] { sortBy(column); });

    QToolBar *tools = addToolBar(caption(SurveyText::ToolBar));
    tools->setObjectName(QStringLiteral("tools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->addActions(fileTools);
    tools->addSeparator();
    tools->addActions({ add, m_load, m_update, m_delete });
    tools->addSeparator();
    tools->addAction(report);
}

void SurveyWindow::fitColumns()
{
    m_table->resizeColumnsToContents();
    // A refusal or a fault message wraps on the row's two lines rather than widen the table
    // beyond the screen; the cell's tooltip holds it whole.
    const int status = static_cast<int>(SurveyColumn::Status);
    m_table->setColumnWidth(status,
        std::min(m_table->columnWidth(status), 32 * m_table->fontMetrics().averageCharWidth()));
}

void SurveyWindow::showDetails()
{
    const auto show = [](QLineEdit *edit, const std::string &text) {
        const QString value = QString::fromStdString(text);
        if (edit->text() != value)
            edit->setText(value);
    };
    show(m_title, m_session.detail(SurveyDetail::Title));
    show(m_site, m_session.detail(SurveyDetail::Site));
    show(m_assessor, m_session.detail(SurveyDetail::Assessor));
    const std::string &measured = m_session.detail(SurveyDetail::Measured);
    const QDate date = measured.empty()
        ? kNoDate
        : QDate::fromString(QString::fromStdString(measured), kIsoDate);
    if (m_measured->date() != date)
        m_measured->setDate(date);
    const QString notes = QString::fromStdString(m_session.detail(SurveyDetail::Notes));
    if (m_notes->toPlainText() != notes)
        m_notes->setPlainText(notes);
}

void SurveyWindow::showFileState()
{
    setWindowTitle(m_session.displayName() + QStringLiteral("[*] — ")
        + pick(surveyCaption(SurveyText::WindowTitle), m_session.language()));
    setWindowModified(m_session.isModified());
}

void SurveyWindow::updateActions()
{
    const bool hasPoint = currentPoint().has_value();
    for (QAction *action : { m_load, m_update, m_duplicate, m_rename, m_delete })
        action->setEnabled(hasPoint);
    statusBar()->showMessage(pick(surveyCaption(SurveyText::PointCount), m_session.language())
                                 .arg(m_session.pointCount()));
}

std::optional<int> SurveyWindow::currentPoint() const
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_sorted->mapToSource(current).row();
}

void SurveyWindow::selectPoint(int row)
{
    const QModelIndex index = m_sorted->mapFromSource(m_model->index(row, 0));
    m_table->setCurrentIndex(index);
    m_table->scrollTo(index);
}

void SurveyWindow::sortBy(int column)
{
    const QHeaderView *header = m_table->horizontalHeader();
    Qt::SortOrder order = Qt::AscendingOrder;
    if (column >= 0 && header->sortIndicatorSection() == column
        && header->sortIndicatorOrder() == Qt::AscendingOrder)
        order = Qt::DescendingOrder;
    m_table->sortByColumn(column, order);
}

void SurveyWindow::onAddPoint()
{
    if (const std::optional<int> row = addFormValues(this, m_session, m_state))
        selectPoint(*row);
}

void SurveyWindow::onLoadPoint()
{
    const std::optional<int> row = currentPoint();
    if (!row)
        return;
    loadIntoForm(*row, m_session, m_state, m_windows);
    statusBar()->showMessage(pick(surveyCaption(SurveyText::LoadedIntoForm), m_session.language())
                                 .arg(QString::fromStdString(m_session.point(*row).name)));
}

void SurveyWindow::onUpdatePoint()
{
    if (const std::optional<int> row = currentPoint())
        updateFromForm(*row, m_session, m_state);
}

void SurveyWindow::onDuplicatePoint()
{
    if (const std::optional<int> row = currentPoint())
        selectPoint(duplicatePoint(*row, m_session));
}

void SurveyWindow::onRenamePoint()
{
    if (const std::optional<int> row = currentPoint())
        renamePoint(this, *row, m_session);
}

void SurveyWindow::onDeletePoint()
{
    if (const std::optional<int> row = currentPoint())
        deletePoint(m_session, *row);
}

QString SurveyWindow::askCsvFile(SurveyText title, QFileDialog::AcceptMode mode)
{
    const model::Language language = m_session.language();
    const QString folder = m_session.path().isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        : QFileInfo(m_session.path()).absolutePath();
    QFileDialog dialog(this, pick(surveyCaption(title), language), folder,
        pick(surveyCaption(SurveyText::CsvFilter), language));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(
        mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}

void SurveyWindow::onImport()
{
    const QString path = askCsvFile(SurveyText::ImportTitle, QFileDialog::AcceptOpen);
    if (path.isEmpty())
        return;
    const model::Language language = m_session.language();
    auto imported = importBatchCsv(path, language);
    if (const auto *error = std::get_if<QString>(&imported)) {
        showWarning(this, pick(surveyCaption(SurveyText::ImportTitle), language),
            pick(surveyCaption(SurveyText::CannotImport), language)
                    .arg(QDir::toNativeSeparators(path))
                + QLatin1Char('\n') + *error);
        return;
    }
    auto &points = std::get<std::vector<model::MeasurementPoint>>(imported);
    const auto count = static_cast<int>(points.size());
    const int first = m_session.pointCount();
    addPoints(m_session, first, std::move(points), SurveyText::UndoImport);
    if (count > 0)
        selectPoint(first);
    statusBar()->showMessage(pick(surveyCaption(SurveyText::ImportedPoints), language)
                                 .arg(count)
                                 .arg(QFileInfo(path).fileName()));
}

void SurveyWindow::onExport()
{
    const QString path = askCsvFile(SurveyText::ExportTitle, QFileDialog::AcceptSave);
    if (path.isEmpty())
        return;
    const model::Language language = m_session.language();
    if (const std::optional<QString> error = exportResultsCsv(m_session.survey(), path, language))
        showWarning(this, pick(surveyCaption(SurveyText::ExportTitle), language),
            pick(surveyCaption(SurveyText::CannotExport), language)
                    .arg(QDir::toNativeSeparators(path))
                + QLatin1Char('\n') + *error);
}

void SurveyWindow::onReport()
{
    m_windows.open(WindowId::SurveyReport);
}

void SurveyWindow::onClose()
{
    m_windows.close(WindowId::Survey);
}

} // namespace kalvora::ui
