#pragma once
// The survey's report as a document to read, print or keep as PDF: a header with the survey's
// own texts; the table of points with each method's rating as a coloured square and in words;
// then each point with the inputs it was evaluated with and every result its evaluation produced.

#include <QString>

namespace kalvora::ui {

class SurveySession;

/// The report as HTML, in the run's language and the locale's digits.
QString surveyReportHtml(const SurveySession &session);

} // namespace kalvora::ui
