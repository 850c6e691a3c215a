#pragma once
// The survey window: the survey's own texts (title, site, assessor, date, notes) above the table
// of its points, one row per point with each method's result and rating; a menu bar and a
// toolbar with the file commands, undo and redo, and what can be done with a point. Its title
// names the survey's file and marks unsaved changes. Everything is reachable by keyboard: Tab
// goes from the texts to the table, Enter on a row loads it into the input form, and the View
// menu sorts the table by any column.

#include <QFileDialog>
#include <QMainWindow>
#include <array>
#include <optional>

class QAction;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QSortFilterProxyModel;
class QTableView;

namespace kalvora::ui {

class AppState;
class SurveyFiles;
class SurveySession;
class SurveyTableModel;
class Windows;
enum class SurveyDetail;
enum class SurveyText;

class SurveyWindow : public QMainWindow
{
    Q_OBJECT
public:
    SurveyWindow(SurveySession &session, SurveyFiles &files, AppState &state, Windows &windows,
        QWidget *parent = nullptr);

    /// The point of the table's current row (in the survey's order); none without one.
    std::optional<int> currentPoint() const;
    /// Makes the point at row (in the survey's order) the table's current row.
    void selectPoint(int row);

private:
    void createMenus();
    QWidget *createDetails();
    QTableView *createTable();
    QAction *addAction(QMenu *menu, SurveyText text, const QKeySequence &key, const char *icon,
        void (SurveyWindow::*handler)());

    /// Columns as wide as their texts (measured on a sample of rows), the status column at most
    /// about 32 characters.
    void fitColumns();
    void showDetails();
    void showFileState();
    void updateActions();
    /// Sorts the table by column, the other way round when it is sorted by it already; -1 gives
    /// the survey's own order.
    void sortBy(int column);

    void onAddPoint();
    void onLoadPoint();
    void onUpdatePoint();
    void onDuplicatePoint();
    void onRenamePoint();
    void onDeletePoint();
    /// Asks for a CSV file to read or to write; empty when the user cancels.
    QString askCsvFile(SurveyText title, QFileDialog::AcceptMode mode);
    void onImport();
    void onExport();
    void onReport();
    void onClose();

    SurveySession &m_session;
    SurveyFiles &m_files;
    AppState &m_state;
    Windows &m_windows;
    SurveyTableModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QTableView *m_table = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_site = nullptr;
    QLineEdit *m_assessor = nullptr;
    QDateEdit *m_measured = nullptr;
    QPlainTextEdit *m_notes = nullptr;
    QAction *m_load = nullptr;
    QAction *m_update = nullptr;
    QAction *m_duplicate = nullptr;
    QAction *m_rename = nullptr;
    QAction *m_delete = nullptr;
};

} // namespace kalvora::ui
