// The survey window with a long survey: a file of 1,000 points, six methods each, opened, every
// point evaluated and every row asked for its texts and rating colour as the table shows them;
// and the table scrolled through page by page, each page drawn.

#include "model/survey_file.h"
#include "ui/shell/app_state.h"
#include "ui/shell/windows.h"
#include "ui/survey/register.h"
#include "ui/survey/survey_files.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace kalvora;

constexpr int kPoints = 1000;

/// Points that every loading rule accepts: air 5 to 34 °C, the globe above it and the natural
/// wet bulb below it, all six methods.
model::Survey longSurvey()
{
    model::Survey survey;
    survey.title = "Long survey";
    for (int i = 0; i < kPoints; ++i) {
        model::MeasurementPoint point;
        point.name = "Point " + std::to_string(i + 1);
        const double ta = 5 + (i % 30);
        point.input.setText(model::Field::Taseco, std::to_string(ta));
        point.input.setText(model::Field::tglobo, std::to_string(ta + (i % 7)));
        point.input.setText(model::Field::tbhn, std::to_string(ta - 3 - (i % 5)));
        point.input.setText(model::Field::vaire, std::to_string(0.1 + 0.05 * (i % 9)));
        for (const model::Method method : model::kAllMethods)
            point.input.setMethod(method, true);
        survey.points.push_back(std::move(point));
    }
    return survey;
}

class LongSurveyFile
{
public:
    LongSurveyFile()
    {
        if (const auto error = model::SaveSurveyFile(longSurvey(), path().toStdString()))
            qFatal("%s", error->c_str());
    }
    QString path() const { return m_folder.filePath(QStringLiteral("long.kalvora")); }

private:
    QTemporaryDir m_folder;
};

/// Every cell of every row, as the table asks for it while it is scrolled through.
void askEveryRow(const QAbstractItemModel &model)
{
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            benchmark::DoNotOptimize(index.data(Qt::DisplayRole));
            benchmark::DoNotOptimize(index.data(Qt::DecorationRole));
        }
}

void OpenLongSurvey(benchmark::State &state)
{
    const LongSurveyFile file;
    for (auto _ : state) {
        ui::AppState appState;
        appState.setLanguage(model::Language::Spanish);
        ui::Windows windows;
        ui::SurveyDesk &desk = ui::registerSurveyWindows(appState, windows);
        desk.files().openPath(nullptr, file.path());
        QWidget *window = windows.open(ui::WindowId::Survey);
        QApplication::processEvents(); // drawn
        auto *table = window->findChild<QTableView *>();
        if (table->model()->rowCount() != kPoints)
            state.SkipWithError("the survey was not opened whole");
        askEveryRow(*table->model());
    }
}
BENCHMARK(OpenLongSurvey)->Unit(benchmark::kMillisecond);

void ScrollPage(benchmark::State &state)
{
    const LongSurveyFile file;
    ui::AppState appState;
    ui::Windows windows;
    ui::SurveyDesk &desk = ui::registerSurveyWindows(appState, windows);
    desk.files().openPath(nullptr, file.path());
    QWidget *window = windows.open(ui::WindowId::Survey);
    auto *table = window->findChild<QTableView *>();
    QScrollBar *scroll = table->verticalScrollBar();
    for (auto _ : state) {
        int value = scroll->value() + scroll->pageStep();
        scroll->setValue(value > scroll->maximum() ? 0 : value);
        // Drawn into a picture: every visible cell painted, whatever the screen shows.
        benchmark::DoNotOptimize(table->viewport()->grab());
    }
}
BENCHMARK(ScrollPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The survey's recovery files go to a folder of their own, not to a user's.
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
