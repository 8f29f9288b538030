// The core at the limits of its formats: a full actuator file, database sizing of a
// 1000-size page against 255 records, a datasheet.
#include "data/torque_database.h"
#include "data/torque_t.h"
#include "report/datasheet.h"
#include "report/text_util.h"
#include "screens/screen_rows.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// 255 records that grow like a real range, written as the program reads them.
std::string WriteFullRange() {
    const std::string path = TempPath("vnbench_full.kav");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs("Benchmark range\r\n255\r\n\r\n\r\n\r\n", f);
    float perBar = 2.5f;
    for (int i = 0; i < 255; ++i, perBar *= 1.03f) {
        std::fprintf(f, "RPD\r\nRPS\r\n%d\r\n%g\r\n%g\r\n%g\r\n%g\r\n%g\r\n%g\r\n%g\r\n%g\r\n0\r\n%g\r\n", i + 1,
                     perBar * 0.1, perBar, perBar * 0.7, perBar * 0.45, perBar, perBar * 0.1, perBar * 0.45,
                     perBar * 0.7, perBar * 0.02);
        std::fprintf(f, "1.0\r\n1.0\r\n0\r\n12\r\n1\r\n");
    }
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
