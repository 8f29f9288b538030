// The largest actuator file the programs read: 255 records that grow like a real range,
// in the file's own lines. The core and the screen benchmarks size against it.
#pragma once

#include <cstdio>
#include <string>

inline std::string FullRangeText() {
    std::string out = "Benchmark range\r\n255\r\n\r\n\r\n\r\n";
    char record[512];
    float perBar = 2.5f;
    for (int i = 0; i < 255; ++i, perBar *= 1.03f) {
        std::snprintf(record, sizeof record,
                      "RPD\r\nRPS\r\n%d\r\n%g\r\n%g\r\n%g\r\n%g\r\n%g\r\n%g\r\n%g\r\n%g\r\n0\r\n%g\r\n"
                      "1.0\r\n1.0\r\n0\r\n12\r\n1\r\n",
                      i + 1, perBar * 0.1, perBar, perBar * 0.7, perBar * 0.45, perBar, perBar * 0.1, perBar * 0.45,
                      perBar * 0.7, perBar * 0.02);
        out += record;
    }
    return out;
}
