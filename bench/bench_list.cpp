// Opening a valve list of 10 000 rows in the list screen: reading, sizing every row and
// filling the table, as long as the user waits for it.
#include "work_folder.h"

#include "gui/app/application.h"
#include "gui/lists/valve_list_screen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace {

// A project's list: every valve type and action, torques across the range, every fifth
// valve from the database by series and size.
QByteArray ProjectList(int rows) {
    static const char* const types[] = {"Ball", "Butterfly", "Plug"};
    static const char* const actions[] = {"FC", "FO", "DA"};
    static const char* const sizes[] = {"15", "25", "40", "65", "100", "150"};
    QByteArray out = "Tag,Service,Valve type,Action,Torque,Series,Size,Safety,Pressure\n";
    for (int r = 0; r < rows; ++r) {
        out += "XV-" + QByteArray::number(10000 + r) + ",Line " + QByteArray::number(r % 97) + ',' + types[r % 3] +
               ',' + actions[(r / 3) % 3] + ',';
        if (r % 5 == 4)
            out += QByteArray(",\"Floating ball, full bore, PTFE seats, PN40\",") + sizes[r % 6];
        else
            out += QByteArray::number(5 + (r * 37) % 3000) + ",,";
        out += r % 7 == 0 ? ",1.3," : ",,";
        out += r % 11 == 0 ? "6\n" : "\n";
    }
    return out;
}

QByteArray Sample(const char* name) {
    QFile file(QStringLiteral(VN_SAMPLES "/") + QLatin1String(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The samples, a settings file naming them and the list.
WorkFolder ListFolder() {
    return WorkFolder({{"varnox-rp.kav", Sample("varnox-rp.kav")},
                       {"ball-valves", Sample("ball-valves")},
                       {"sizkav.set", "ACTUATOR = varnox-rp.kav\r\nVALVE = ball-valves\r\nUNITS = METRIC\r\nPRESSURE = 5.500000\r\n"},
                       {"list.csv", ProjectList(10000)}});
}

void Open10000RowList(benchmark::State& state) {
    WorkFolder folder = ListFolder();
    VnValveListDlg screen(folder.App(), nullptr, "varnox-rp.kav", "ball-valves");
    screen.show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (!screen.OpenList(QStringLiteral("list.csv")))
            state.SkipWithError("the list did not open");
        // the table drawn once with its rows
        screen.Table()->viewport()->repaint();
        QApplication::processEvents();
    }
    state.counters["rows"] = screen.Table()->model()->rowCount();
}
BENCHMARK(Open10000RowList)->Unit(benchmark::kMillisecond);

// A header click on a number column of the long list, both ways.
void Sort10000RowsByTorque(benchmark::State& state) {
    WorkFolder folder = ListFolder();
    VnValveListDlg screen(folder.App(), nullptr, "varnox-rp.kav", "ball-valves");
    screen.show();
    if (!screen.OpenList(QStringLiteral("list.csv")))
        state.SkipWithError("the list did not open");
    const int torque = 4; // Tag, Service, Valve type, Action, Torque
    for (auto _ : state) {
        screen.Table()->sortByColumn(torque, Qt::AscendingOrder);
        screen.Table()->sortByColumn(torque, Qt::DescendingOrder);
        screen.Table()->viewport()->repaint();
    }
}
BENCHMARK(Sort10000RowsByTorque)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
