#pragma once
// The program's pictures, compiled into the executable from resources/pictures.

namespace kalvora::ui::pictures {

inline constexpr char kBack[] = ":/pictures/back.svg"; ///< a view's `salir`: close the view
inline constexpr char kCredits[] = ":/pictures/credits.svg"; ///< the splash, with the credits text
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

} // namespace kalvora::ui::pictures
