// Filling the result table with the largest page a screen shows.
#include "controls/multi_list_box.h"

#include <QApplication>

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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
