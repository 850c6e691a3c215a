#pragma once
// What the survey does with its points and the input form: the form's values kept as a new
// point or into an existing one, a point's values put back into the form, a point copied or
// renamed. The input form mirrors the input set of AppState, so the values travel through it.

#include <optional>

class QWidget;

namespace kalvora::ui {

class AppState;
class SurveySession;
class Windows;

/// Asks in window for the new point's name (proposing "Point N") and adds the input form's
/// values under it, after the last point. Returns its row, or nothing when the user cancels.
std::optional<int> addFormValues(QWidget *window, SurveySession &session, const AppState &state);

/// Puts the point's texts, options and methods into the input form and brings the form to the
/// front. An open hub closes, as with its modify button, so that LOAD VALUES evaluates them and
/// the hub and every view then show this point.
void loadIntoForm(int row, const SurveySession &session, AppState &state, Windows &windows);

/// Gives the point the input form's values; its name and notes stay.
void updateFromForm(int row, SurveySession &session, const AppState &state);

/// A copy of the point right after it, named "name (copy)". Returns the copy's row.
int duplicatePoint(int row, SurveySession &session);

/// Asks in window for the point's new name and renames it; nothing when the user cancels.
void renamePoint(QWidget *window, int row, SurveySession &session);

} // namespace kalvora::ui
