#pragma once

namespace kalvora::ui {

/// Every window of the program, by its name.
enum class WindowId {
    FormVelsa, ///< credits splash
    Form0, ///< start screen
    Form1, ///< input form
    Form2, ///< evaluation hub
    Form3, ///< WBGT view
    Form4, ///< PMV view
    Form5, ///< wind chill view
    Form6, ///< HSI view
    Form7, ///< required sweat rate view
    Form8, ///< help viewer
    Form10, ///< results summary
    Form11, ///< air-velocity sweep
    Form12, ///< application ranges
    Form13, ///< clothing insulation selector
    Form14, ///< parameters report
    FormIREQ, ///< IREQ view
};

} // namespace kalvora::ui
