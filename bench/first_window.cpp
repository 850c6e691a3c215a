// The program's start as window_bench measures it: the windows wired as `kalvora` wires them, the
// credits splash opened. Started by window_bench with the monotonic time of its start; prints the
// nanoseconds from then to the splash painted. It links what `kalvora` links and nothing of the
// measuring program, so that loading it costs what loading `kalvora` costs.

#include "app/program.h"
#include "first_paint.h"
#include "ui/shell/app_state.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const std::int64_t started = std::atoll(argv[1]);
    QApplication application(argc, argv);
    kalvora::ui::AppState state;
    kalvora::ui::Windows windows;
    kalvora::ui::registerProgramWindows(state, windows);
    kalvora::bench::FirstPaint painted(
        kalvora::ui::formObjectName(kalvora::ui::WindowId::CreditsSplash));
    kalvora::ui::startProgram(windows);
    if (!painted.wait())
        return 1;
    std::printf("%lld\n", static_cast<long long>(kalvora::bench::monotonicNanoseconds() - started));
    return 0;
}
