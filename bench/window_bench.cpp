// Desktop timings, run under a virtual X screen (xvfb-run -a bench/window_bench [RUNS]):
// - the start of the program (first_window, beside this program) to its first window (the credits
//   splash) painted, against a Qt program that shows one label (one_label);
// - a click on LOAD VALUES (all six methods ticked) to the hub painted;
// - a click on each result window's button on the hub to that window painted.
// Each figure is taken RUNS times (7 by default); the first showing in this process and the
// median, least and greatest of all runs are printed in milliseconds.

#include "app/program.h"
#include "first_paint.h"
#include "ui/shell/app_state.h"
#include "ui/shell/control_name.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using kalvora::bench::FirstPaint;
using kalvora::bench::monotonicNanoseconds;
using kalvora::ui::formObjectName;
using kalvora::ui::WindowId;

void print(const char *what, std::vector<double> ms)
{
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    std::printf("%-36s first %7.1f  median %7.1f  least %7.1f  greatest %7.1f ms\n", what, first,
        ms[ms.size() / 2], ms.front(), ms.back());
}

/// Milliseconds from starting command (given the start time as its last argument) to what it
/// prints, its own measure of its first window painted.
double startToFirstPaint(const std::string &command)
{
    const std::string line = command + " " + std::to_string(monotonicNanoseconds());
    FILE *child = popen(line.c_str(), "r");
    long long ns = -1;
    if (!child || std::fscanf(child, "%lld", &ns) != 1 || pclose(child) != 0) {
        std::fprintf(stderr, "window_bench: %s did not paint\n", line.c_str());
        std::exit(1);
    }
    return ns / 1e6;
}

void measureStart(int runs)
{
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe");
    const std::string floor = (self.parent_path() / "one_label").string();
    const std::string program = (self.parent_path() / "first_window").string();
    std::vector<double> label, splash;
    for (int i = 0; i < runs; ++i) {
        label.push_back(startToFirstPaint(floor));
        splash.push_back(startToFirstPaint(program));
    }
    print("start: one-label Qt program", label);
    print("start: credits splash", splash);
    std::vector<double> ratio;
    for (int i = 0; i < runs; ++i)
        ratio.push_back(splash[i] / label[i]);
    std::sort(ratio.begin(), ratio.end());
    std::printf("%-36s median %.2f (%.2f to %.2f)\n", "start: splash / one label",
        ratio[ratio.size() / 2], ratio.front(), ratio.back());
}

/// Milliseconds from a click on button of window `from` to window `to` painted.
double clickToPaint(kalvora::ui::Windows &windows, WindowId from, const char *button, WindowId to)
{
    auto *target = windows.window(from)->findChild<QAbstractButton *>(QString::fromUtf8(button));
    QWidget *control = target ? target : windows.window(from)->findChild<QWidget *>(button);
    if (!control) {
        std::fprintf(stderr, "window_bench: no control %s\n", button);
        std::exit(1);
    }
    FirstPaint painted(formObjectName(to));
    const std::int64_t start = monotonicNanoseconds();
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    if (!painted.wait()) {
        std::fprintf(stderr, "window_bench: %s did not paint\n", button);
        std::exit(1);
    }
    return (monotonicNanoseconds() - start) / 1e6;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

struct Door
{
    const char *what;
    const char *button;
    WindowId window;
};

constexpr Door kDoors[] = {
    { "PMV view", "BIVM", WindowId::PmvView },
    { "heat stress index view", "BISC", WindowId::HsiView },
    { "WBGT view", "BWBGT", WindowId::WbgtView },
    { "required sweat rate view", "BSWreq", WindowId::SweatRateView },
    { "wind chill view", "BIVF", WindowId::WindChillView },
    { "IREQ view", "BIREQ", WindowId::IreqView },
    { "results summary (charts)", "Picture1", WindowId::ResultsSummary },
    { "parameters report", "observaciones", WindowId::ParametersReport },
    { "air-velocity sweep (16 rows)", "Picture3", WindowId::SweepWindow },
};

void measureWindows(int argc, char *argv[], int runs)
{
    QApplication application(argc, argv);
    kalvora::ui::AppState state;
    kalvora::ui::Windows windows;
    kalvora::ui::registerProgramWindows(state, windows);
    state.setLanguage(kalvora::model::Language::English);
    windows.open(WindowId::InputForm);
    for (int method = 0; method < 6; ++method)
        windows.window(WindowId::InputForm)
            ->findChild<QCheckBox *>(kalvora::ui::controlName("Método", method))
            ->setChecked(true);
    settle();

    std::vector<double> load;
    std::vector<std::vector<double>> doors(std::size(kDoors));
    for (int i = 0; i < runs; ++i) {
        windows.close(WindowId::Hub);
        settle();
        load.push_back(clickToPaint(windows, WindowId::InputForm, "Cargar_datos", WindowId::Hub));
        settle();
        for (std::size_t d = 0; d < std::size(kDoors); ++d) {
            doors[d].push_back(
                clickToPaint(windows, WindowId::Hub, kDoors[d].button, kDoors[d].window));
            windows.close(kDoors[d].window);
            settle();
        }
    }
    print("LOAD VALUES -> hub", load);
    for (std::size_t d = 0; d < std::size(kDoors); ++d)
        print((std::string("hub -> ") + kDoors[d].what).c_str(), doors[d]);
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc == 2 ? std::max(1, std::atoi(argv[1])) : 7;
    measureStart(runs);
    measureWindows(argc, argv, runs);
    return 0;
}
