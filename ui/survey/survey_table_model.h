#pragma once
// The survey's points as a Qt table: one row per point, the columns of point_cells.h. Display
// text, the rating's colour as the decoration beside it, a tooltip and an accessible text that say
// the verdict in words (the name cell says the whole row), and a sort key per column. It follows
// the session's changes row by row, so a view keeps its current row and selection.

#include "point_cells.h"

#include <QAbstractTableModel>

namespace kalvora::ui {

class SurveySession;

class SurveyTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    /// The role that holds a cell's sort key.
    static constexpr int SortRole = Qt::UserRole;

    explicit SurveyTableModel(SurveySession &session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    SurveySession &m_session;
};

} // namespace kalvora::ui
