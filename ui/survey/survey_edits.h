#pragma once
// Every change of the survey as one step of its undo stack: points added, changed, deleted, and
// the survey's own texts edited (successive edits of one text make one step). Each function
// pushes the step, which applies it at once.

#include "model/survey.h"
#include "survey_captions.h"
#include "survey_session.h"

#include <string>
#include <vector>

namespace kalvora::ui {

/// Inserts points before row; `what` names the step in the Undo menu.
void addPoints(
    SurveySession &session, int row, std::vector<model::MeasurementPoint> points, SurveyText what);
/// Replaces the point at row (new inputs, a new name).
void changePoint(SurveySession &session, int row, model::MeasurementPoint point, SurveyText what);
void deletePoint(SurveySession &session, int row);
void changeDetail(SurveySession &session, SurveyDetail detail, std::string text);

} // namespace kalvora::ui
