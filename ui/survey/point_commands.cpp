#include "point_commands.h"

#include "survey_edits.h"
#include "survey_session.h"
#include "ui/shell/app_state.h"
#include "ui/shell/windows.h"

#include <QInputDialog>

namespace kalvora::ui {

namespace {

/// Asks for a point's name; empty when the user cancels or leaves it blank.
std::optional<std::string> askName(
    QWidget *window, SurveyText title, const QString &proposed, model::Language language)
{
    bool accepted = false;
    const QString name = QInputDialog::getText(window, pick(surveyCaption(title), language),
        pick(surveyCaption(SurveyText::PointName), language), QLineEdit::Normal, proposed,
        &accepted);
    if (!accepted || name.trimmed().isEmpty())
        return std::nullopt;
    return name.trimmed().toStdString();
}

} // namespace

std::optional<int> addFormValues(QWidget *window, SurveySession &session, const AppState &state)
{
    const model::Language language = session.language();
    const int row = session.pointCount();
    const std::optional<std::string> name = askName(window, SurveyText::NewPointTitle,
        pick(surveyCaption(SurveyText::DefaultPointName), language).arg(row + 1), language);
    if (!name)
        return std::nullopt;
    model::MeasurementPoint point;
    point.name = *name;
    point.input = state.input();
    std::vector<model::MeasurementPoint> points;
    points.push_back(std::move(point));
    addPoints(session, row, std::move(points), SurveyText::UndoAdd);
    return row;
}

void loadIntoForm(int row, const SurveySession &session, AppState &state, Windows &windows)
{
    const model::InputParameters &input = session.point(row).input;
    for (int i = 0; i < model::kFieldCount; ++i) {
        const auto field = static_cast<model::Field>(i);
        state.setText(field, input.text(field));
    }
    for (int i = 0; i < model::kOptionGroupCount; ++i) {
        const auto group = static_cast<model::OptionGroup>(i);
        state.select(group, input.selected(group));
    }
    for (const model::Method method : model::kAllMethods)
        state.setMethod(method, input.method(method));
    windows.close(WindowId::Hub);
    windows.open(WindowId::InputForm);
}

void updateFromForm(int row, SurveySession &session, const AppState &state)
{
    model::MeasurementPoint point = session.point(row);
    point.input = state.input();
    changePoint(session, row, std::move(point), SurveyText::UndoUpdate);
}

int duplicatePoint(int row, SurveySession &session)
{
    model::MeasurementPoint copy = session.point(row);
    copy.name = pick(surveyCaption(SurveyText::CopyName), session.language())
                    .arg(QString::fromStdString(copy.name))
                    .toStdString();
    std::vector<model::MeasurementPoint> points;
    points.push_back(std::move(copy));
    addPoints(session, row + 1, std::move(points), SurveyText::UndoDuplicate);
    return row + 1;
}

void renamePoint(QWidget *window, int row, SurveySession &session)
{
    const std::optional<std::string> name = askName(window, SurveyText::RenameTitle,
        QString::fromStdString(session.point(row).name), session.language());
    if (!name || *name == session.point(row).name)
        return;
    model::MeasurementPoint point = session.point(row);
    point.name = *name;
    changePoint(session, row, std::move(point), SurveyText::UndoRename);
}

} // namespace kalvora::ui
