#include "survey_edits.h"

#include <QUndoCommand>

namespace kalvora::ui {

namespace {

QString stepText(const SurveySession &session, SurveyText what)
{
    return pick(surveyCaption(what), session.language());
}

class AddPoints : public QUndoCommand
{
public:
    AddPoints(SurveySession &session, int row, std::vector<model::MeasurementPoint> points,
        SurveyText what)
        : QUndoCommand(stepText(session, what))
        , m_session(session)
        , m_row(row)
        , m_count(static_cast<int>(points.size()))
        , m_points(std::move(points))
    {
    }
    void redo() override { m_session.insertPoints(m_row, std::move(m_points)); }
    void undo() override { m_points = m_session.removePoints(m_row, m_count); }

private:
    SurveySession &m_session;
    int m_row;
    int m_count;
    std::vector<model::MeasurementPoint> m_points; ///< while they are out of the survey
};

class DeletePoint : public QUndoCommand
{
public:
    DeletePoint(SurveySession &session, int row)
        : QUndoCommand(stepText(session, SurveyText::UndoDelete))
        , m_session(session)
        , m_row(row)
    {
    }
    void redo() override { m_point = m_session.removePoints(m_row, 1); }
    void undo() override { m_session.insertPoints(m_row, std::move(m_point)); }

private:
    SurveySession &m_session;
    int m_row;
    std::vector<model::MeasurementPoint> m_point;
};

class ChangePoint : public QUndoCommand
{
public:
    ChangePoint(SurveySession &session, int row, model::MeasurementPoint point, SurveyText what)
        : QUndoCommand(stepText(session, what))
        , m_session(session)
        , m_row(row)
        , m_other(std::move(point))
    {
    }
    void redo() override { swap(); }
    void undo() override { swap(); }

private:
    void swap()
    {
        model::MeasurementPoint current = m_session.point(m_row);
        m_session.replacePoint(m_row, std::move(m_other));
        m_other = std::move(current);
    }

    SurveySession &m_session;
    int m_row;
    model::MeasurementPoint m_other; ///< the point not in the survey right now
};

class ChangeDetail : public QUndoCommand
{
public:
    ChangeDetail(SurveySession &session, SurveyDetail detail, std::string text)
        : QUndoCommand(stepText(session, SurveyText::UndoMetadata))
        , m_session(session)
        , m_detail(detail)
        , m_before(session.detail(detail))
        , m_after(std::move(text))
    {
    }
    void redo() override { m_session.setDetail(m_detail, m_after); }
    void undo() override { m_session.setDetail(m_detail, m_before); }
    int id() const override { return 1 + static_cast<int>(m_detail); }
    bool mergeWith(const QUndoCommand *other) override
    {
        // Typing a text is one step, however many keys it took.
        const auto *next = static_cast<const ChangeDetail *>(other);
        m_after = next->m_after;
        return true;
    }

private:
    SurveySession &m_session;
    SurveyDetail m_detail;
    std::string m_before;
    std::string m_after;
};

} // namespace

void addPoints(
    SurveySession &session, int row, std::vector<model::MeasurementPoint> points, SurveyText what)
{
    if (!points.empty())
        session.undoStack().push(new AddPoints(session, row, std::move(points), what));
}

void changePoint(SurveySession &session, int row, model::MeasurementPoint point, SurveyText what)
{
    session.undoStack().push(new ChangePoint(session, row, std::move(point), what));
}

void deletePoint(SurveySession &session, int row)
{
    session.undoStack().push(new DeletePoint(session, row));
}

void changeDetail(SurveySession &session, SurveyDetail detail, std::string text)
{
    if (session.detail(detail) != text)
        session.undoStack().push(new ChangeDetail(session, detail, std::move(text)));
}

} // namespace kalvora::ui
