// The readers take file names, so every target writes the fuzzer's bytes to a file of
// its own first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

inline std::string FuzzFile(const char* tag, const std::uint8_t* data, std::size_t size) {
    std::string name = "/tmp/vnfuzz_" + std::string(tag) + "_" + std::to_string(getpid());
    if (std::FILE* f = std::fopen(name.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return name;
}
