// The result table at the largest page a screen shows: filled on its own, and in the
// screens as the user waits for them, from the button press to the table and chart drawn.
#include "full_range.h"
#include "work_folder.h"

#include "gui/app/application.h"
#include "gui/chart/chart_view.h"
#include "gui/controls/multi_list_box.h"
#include "gui/screens/database_sizing_screen.h"
#include "gui/screens/spring_return_torque_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

void Fill1000RowsOf6Columns(benchmark::State& state) {
    QStringList cells{"125", "1 234", "1 481", "RPD 2000", "RPS 2000", "12"};
    for (auto _ : state) {
        ptMultiListBox list(nullptr, 103, 6);
        list.resize(800, 400);
        list.show();
        for (int r = 0; r < 1000; ++r)
            list.AddRow(cells);
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.RowCount());
    }
}
BENCHMARK(Fill1000RowsOf6Columns)->Unit(benchmark::kMillisecond);

// One series of 1000 sizes, torques across the range.
QByteArray ThousandSizeDatabase() {
    QByteArray out = "Benchmark valves\r\n1\r\n1\r\nThousand sizes\r\nDB-1000\r\n2025-01-01\r\n1.2\r\n0.6\r\n0.3\r\n"
                     "Bench\r\n1000\r\n";
    for (int s = 0; s < 1000; ++s)
        out += QByteArray::number(s + 1) + " " + QByteArray::number(5.0 + s * 3.0) + "\r\n";
    return out;
}

// The full range, the database and a settings file naming them.
WorkFolder ScreenFolder() {
    return WorkFolder({{"range.kav", QByteArray::fromStdString(FullRangeText())},
                       {"valves", ThousandSizeDatabase()},
                       {"sizkav.set", "ACTUATOR = range.kav\r\nVALVE = valves\r\nUNITS = METRIC\r\nPRESSURE = 5.500000\r\n"}});
}

// Shown as the user sees it; the chart beside the table too, when the screen has one.
bool ShowScreen(VnTorSizDlg& screen) {
    screen.show();
    if (auto* toggle = screen.findChild<QCheckBox*>(QStringLiteral("chartToggle")))
        toggle->setChecked(true);
    QApplication::processEvents();
    return !screen.GetChartView() || screen.GetChartView()->isVisible();
}

// One press of the button and everything it leaves for the event loop: the selected row,
// the column layout, the table and the chart drawn.
void Press(QPushButton* button) {
    button->click();
    QApplication::processEvents();
}

void ClickSizingOn1000SizePage(benchmark::State& state) {
    WorkFolder folder = ScreenFolder();
    VnDatabaseSizingDialog screen(folder.App(), nullptr, "range.kav", "valves");
    if (!ShowScreen(screen))
        state.SkipWithError("the chart pane is not shown");
    auto* sizing = screen.findChild<QPushButton*>(QStringLiteral("button211"));
    for (auto _ : state)
        Press(sizing);
    state.counters["rows"] = screen.GetResultList()->RowCount();
    if (screen.GetResultList()->RowCount() != 1000)
        state.SkipWithError("the page did not fill the table");
}
BENCHMARK(ClickSizingOn1000SizePage)->Unit(benchmark::kMillisecond);

void Calculate255RowTorqueTable(benchmark::State& state) {
    WorkFolder folder = ScreenFolder();
    VnTorSpringRetDlg screen(folder.App(), nullptr, "range.kav");
    ShowScreen(screen);
    auto* calculate = screen.findChild<QPushButton*>(QStringLiteral("button102"));
    for (auto _ : state)
        Press(calculate);
    state.counters["rows"] = screen.GetResultList()->RowCount();
    if (screen.GetResultList()->RowCount() != 255)
        state.SkipWithError("the range did not fill the table");
}
BENCHMARK(Calculate255RowTorqueTable)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // the screens remember their chart switch and sizes; not in the home folder of whoever runs this
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
