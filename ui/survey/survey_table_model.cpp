#include "survey_table_model.h"

#include "model/presentation/rating_colour.h"
#include "survey_session.h"

#include <QColor>

namespace kalvora::ui {

namespace {

QColor colourOf(std::int16_t rating)
{
    const model::Rgb rgb = model::ratingColour(rating);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

SurveyTableModel::SurveyTableModel(SurveySession &session, QObject *parent)
    : QAbstractTableModel(parent)
    , m_session(session)
{
    connect(&session, &SurveySession::aboutToReplace, this, [this] { beginResetModel(); });
    connect(&session, &SurveySession::replaced, this, [this] { endResetModel(); });
    connect(&session, &SurveySession::pointsAboutToBeInserted, this,
        [this](int first, int last) { beginInsertRows(QModelIndex(), first, last); });
    connect(&session, &SurveySession::pointsInserted, this, [this] { endInsertRows(); });
    connect(&session, &SurveySession::pointsAboutToBeRemoved, this,
        [this](int first, int last) { beginRemoveRows(QModelIndex(), first, last); });
    connect(&session, &SurveySession::pointsRemoved, this, [this] { endRemoveRows(); });
    connect(&session, &SurveySession::pointChanged, this,
        [this](int row) { emit dataChanged(index(row, 0), index(row, kSurveyColumnCount - 1)); });
}

int SurveyTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_session.pointCount();
}

int SurveyTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kSurveyColumnCount;
}

QVariant SurveyTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_session.pointCount())
        return {};
    const auto column = static_cast<SurveyColumn>(index.column());
    const model::MeasurementPoint &point = m_session.point(index.row());
    const model::HubEvaluation &evaluation = m_session.evaluation(index.row());
    const model::Language language = m_session.language();
    if (role == Qt::AccessibleTextRole && column == SurveyColumn::Name)
        return rowSentence(point, evaluation, language);

    const SurveyCell cell = surveyCell(point, evaluation, column, language);
    switch (role) {
    case Qt::DisplayRole:
        return cell.shown();
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return cell.spoken(column, language);
    case Qt::DecorationRole:
        return cell.rating ? QVariant(colourOf(*cell.rating)) : QVariant();
    case SortRole:
        return cell.sortKey;
    default:
        return {};
    }
}

QVariant SurveyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kSurveyColumnCount
        || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    return pick(columnCaption(static_cast<SurveyColumn>(section)), m_session.language());
}

} // namespace kalvora::ui
