// The core at the limits of its formats: a full actuator file, database sizing of a
// 1000-size page against 255 records, a datasheet.
#include "full_range.h"

#include "core/data/torque_database.h"
#include "core/data/torque_t.h"
#include "core/report/datasheet_frame.h"
#include "core/sizing/result_rows.h"
#include "core/text/text_util.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

std::string WriteFullRange() {
    const std::string path = TempPath("vnbench_full.kav");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs(FullRangeText().c_str(), f);
    std::fclose(f);
    return path;
}

void ReadFullActuatorFile(benchmark::State& state) {
    const std::string path = WriteFullRange();
    for (auto _ : state) {
        TorqueT range(path);
        benchmark::DoNotOptimize(range.GetCount());
    }
}
BENCHMARK(ReadFullActuatorFile)->Unit(benchmark::kMicrosecond);

void SizeA1000SizePage(benchmark::State& state) {
    TorqueT range(WriteFullRange());
    ValvePage page;
    page.name = "Benchmark series";
    for (int s = 0; s < 1000; ++s)
        page.sizes.push_back({static_cast<float>(s + 1), 5.0f + s * 3.0f});
    for (auto _ : state) {
        std::vector<Row> rows = DatabaseRows(range, page, 5.5f, 1.2f, 0.6f, 0.3f, 0, false);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(SizeA1000SizePage)->Unit(benchmark::kMillisecond);

void WriteA58LineDatasheet(benchmark::State& state) {
    const std::string path = TempPath("vnbench_sheet.txt");
    DatasheetFrame frame;
    frame.banner = kPneumaticBanner;
    frame.versionText = kPneumaticVersionText;
    frame.place = "Rotterdam";
    std::vector<std::string> body;
    for (int i = 0; i < 40; ++i)
        body.push_back(Format("RPD %-5d %10d %10d", i, i * 7, i * 11));
    for (auto _ : state) {
        Textfile file(path);
        benchmark::DoNotOptimize(WriteDatasheet(file, frame, "Benchmark ", 2, body));
    }
}
BENCHMARK(WriteA58LineDatasheet)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
