#pragma once
// Texts that several windows show alike: the descriptions of the pictures every view carries
// (close the window, leave the program, print the window). Each window still sets them once, at
// load, in the language of the run.

#include "caption.h"

namespace kalvora::ui {

enum class CommonText {
    ExitProgram, ///< the exit picture (`salir` on the input form, `Picture2` on the views)
    CloseWindow, ///< a view's `salir` picture: back to the window underneath
    PrintWindow, ///< the print picture of the summary, the sweep and the report
};

constexpr Caption commonCaption(CommonText text)
{
    switch (text) {
    case CommonText::ExitProgram:
        return { "Salir del programa", "Exit the program" };
    case CommonText::CloseWindow:
        return { "Volver", "Back" };
    case CommonText::PrintWindow:
        return { "Imprimir", "Print" };
    }
    return { "", "" };
}

} // namespace kalvora::ui
