// The desktop program's command line: --help and --version, the questions a packaged program is
// asked from a terminal.

#pragma once

#include <QString>

class QCoreApplication;

namespace kalvora::app {

/// Names the program and its version for the answers below and for the window system.
void describeProgram();

/// True when the command line asks only for --help or --version: those are answered without
/// opening a display, so that they work over a terminal with no window system.
bool asksOnlyForText(int argc, char *argv[]);

/// Answers --help and --version on standard output and ends the program; refuses unknown options
/// and more than one file with status 1. Qt's own options (-platform, -style, ...) are taken by
/// the application object before this runs. Returns the survey file to open, if one is named.
QString processCommandLine(const QCoreApplication &application);

} // namespace kalvora::app
