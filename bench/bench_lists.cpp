// A valve list at the size a large plant gives: 100 000 rows sized against a full
// 255-record pneumatic range, the whole way from the CSV text to a CSV written out; and the
// same list from a workbook file.
#include "core/data/torque_t.h"
#include "lists/list_job.h"
#include "lists/list_writers.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kRows = 100000;

// 255 records that grow as the sample range does from its smallest size, about 4 % a size
// up to some 30 000 Nm double-acting at 6 bar, with its spring units and slopes.
TorqueT FullRange() {
    std::vector<TorqueTItem> items;
    double scale = 1.0;
    for (int i = 0; i < 255; ++i, scale *= 1.029) {
        const auto f = [scale](double value) { return static_cast<float>(value * scale); };
        TorqueTItem item;
        item.daModel = "RPD";
        item.srModel = "RPS";
        item.size = static_cast<int>(15 * scale);
        item.daOffset = f(0.46);
        item.daPerBar = f(2.643);
        item.springStartPerSpring = f(1.996);
        item.springEndPerSpring = f(1.263);
        item.srAirPerBar = f(2.603);
        item.srAirOffset = f(0.58);
        item.airStartPerSpring = f(1.301);
        item.airEndPerSpring = f(1.936);
        item.airVolume = f(0.049);
        item.springSlopeFailClose = 0.893f;
        item.springSlopeFailOpen = 0.893f;
        item.springIntercept = -0.18f;
        item.maxSprings = 5;
        item.springsPerStep = 2;
        items.push_back(item);
    }
    return TorqueT("Benchmark range", std::move(items));
}

// Double-acting, fail close and fail open in turn, the torques spread evenly on a log
// scale from 2 Nm to past the largest spring-return actuator, so every size is chosen and a few rows
// find none.
std::string LargeList() {
    static const char* const actions[] = {"DA", "FC", "FO"};
    std::string text = "Tag,Action,Torque,Valve type,Safety,Seating,Running,Pressure\n";
    std::uint32_t seed = 12345;
    char line[160];
    for (int r = 0; r < kRows; ++r) {
        seed = seed * 1664525u + 1013904223u;
        const double torque = 2.0 * std::pow(10.0, 3.9 * (seed >> 8) / double(1u << 24));
        std::snprintf(line, sizeof line, "XV-%06d,%s,%.1f,Ball,1.2,0.6,0.3,5.5\n", r + 1, actions[r % 3], torque);
        text += line;
    }
    return text;
}

void SizeA100000RowList(benchmark::State& state) {
    const TorqueT range = FullRange();
    const std::string list = LargeList();
    std::FILE* sink = std::fopen("/dev/null", "wb");
    long rows = 0;
    for (auto _ : state) {
        ListSizer sizer(range, nullptr, ListSettings{});
        std::unique_ptr<ListWriter> writer;
        const ListJobResult result = SizeListText(
            list, "bench.csv", sizer,
            [&](const ListSizer& ready) {
                writer = MakeCsvStreamWriter(sink, ready.Format());
                return writer->Begin(ready.OutputHeader(), ready.OutputKinds());
            },
            [&](SizedRow&& row, unsigned long long) { return writer->Row(row.cells); });
        if (!result.ok || result.rows != kRows || !writer->Commit()) {
            state.SkipWithError("the list was not sized to its end");
            break;
        }
        rows = result.sized;
    }
    state.counters["sized"] = static_cast<double>(rows);
    std::fclose(sink);
}
BENCHMARK(SizeA100000RowList)->Unit(benchmark::kMillisecond);

// The same list as a workbook written by the program itself, its numbers in number cells.
std::string LargeWorkbook() {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vnbench-" + std::to_string(getpid()) + ".xlsx")).string();
    std::unique_ptr<ListWriter> writer = MakeListWriter(ListFileKind::Xlsx, path, ListFormat{});
    bool header = true;
    const ListReadResult read = ReadListText(LargeList(), [&](ListRecord&& record) {
        if (header) {
            header = false;
            const std::vector<CellKind> kinds = {CellKind::Text,   CellKind::Text,   CellKind::Number, CellKind::Text,
                                                 CellKind::Number, CellKind::Number, CellKind::Number, CellKind::Number};
            return writer->Begin(record.fields, kinds);
        }
        return writer->Row(record.fields);
    });
    return read.ok && writer->Commit() ? path : std::string();
}

void SizeA100000RowWorkbook(benchmark::State& state) {
    const TorqueT range = FullRange();
    const std::string book = LargeWorkbook();
    std::FILE* sink = std::fopen("/dev/null", "wb");
    long rows = 0;
    for (auto _ : state) {
        ListSizer sizer(range, nullptr, ListSettings{});
        std::unique_ptr<ListWriter> writer;
        const ListJobResult result = SizeListFile(
            book, sizer,
            [&](const ListSizer& ready) {
                writer = MakeCsvStreamWriter(sink, ready.Format());
                return writer->Begin(ready.OutputHeader(), ready.OutputKinds());
            },
            [&](SizedRow&& row, unsigned long long) { return writer->Row(row.cells); });
        if (!result.ok || result.rows != kRows || !writer->Commit()) {
            state.SkipWithError("the workbook was not sized to its end");
            break;
        }
        rows = result.sized;
    }
    state.counters["sized"] = static_cast<double>(rows);
    std::fclose(sink);
    std::error_code ec;
    std::filesystem::remove(book, ec);
}
BENCHMARK(SizeA100000RowWorkbook)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
