#pragma once
// The program's pictures, compiled into the executable from resources/pictures.

namespace kalvora::ui::pictures {

inline constexpr char kBack[] = ":/pictures/back.svg"; ///< a view's `salir`: close the view
/// The splash, with the credits text: rendered from credits.svg when the program is built, at 1x
/// and 2x.
inline constexpr char kCredits[] = ":/pictures/credits.png";
inline constexpr char kCredits2x[] = ":/pictures/credits@2x.png";
inline constexpr char kExit[] = ":/pictures/exit.svg"; ///< leave the program
inline constexpr char kLoad[] = ":/pictures/load.svg"; ///< validate and load; caption drawn on it
inline constexpr char kLinkCursor[] = ":/pictures/link_cursor.svg";
inline constexpr char kPrint[] = ":/pictures/print.svg"; ///< print the window's image
inline constexpr char kResults[] = ":/pictures/results.svg"; ///< hub: results summary
inline constexpr char kReport[] = ":/pictures/report.svg"; ///< hub: parameters report
inline constexpr char kSweep[] = ":/pictures/sweep.svg"; ///< hub: air-velocity sweep
inline constexpr char kModify[] = ":/pictures/modify.svg"; ///< hub: back to the input form
inline constexpr char kThermometer[] = ":/pictures/thermometer.svg"; ///< start screen icon
inline constexpr char kWorker[] = ":/pictures/worker.svg"; ///< start screen icon
inline constexpr char kPreviousPage[] = ":/pictures/previous_page.svg"; ///< help: previous page
inline constexpr char kNextPage[] = ":/pictures/next_page.svg"; ///< help: next page
inline constexpr char kHelp[] = ":/pictures/help.svg"; ///< open the help
inline constexpr char kAccept[] = ":/pictures/accept.svg"; ///< accept and close

} // namespace kalvora::ui::pictures
