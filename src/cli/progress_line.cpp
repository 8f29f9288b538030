#include "progress_line.h"

#include <cstdio>
#include <unistd.h>

ProgressLine::ProgressLine(std::string label, unsigned long long total, Clock::time_point started, bool enabled)
    : label_(std::move(label)), total_(total), started_(started), enabled_(enabled) {}

ProgressLine::~ProgressLine() {
    Clear();
}

bool ProgressLine::Wanted(bool writingToStandardOutput) {
    return isatty(STDERR_FILENO) && !(writingToStandardOutput && isatty(STDOUT_FILENO));
}

void ProgressLine::Show(unsigned long long done) {
    if (!enabled_ || total_ == 0)
        return;
    const int percent = static_cast<int>(done >= total_ ? 100 : done * 100 / total_);
    if (percent == shown_)
        return;
    if (shown_ < 0 && Clock::now() - started_ < std::chrono::seconds(1))
        return;
    const std::string line = label_ + " " + std::to_string(percent) + "%";
    std::fprintf(stderr, "\r%s", line.c_str());
    std::fflush(stderr);
    width_ = line.size() > width_ ? line.size() : width_;
    shown_ = percent;
}

void ProgressLine::Clear() {
    if (shown_ < 0)
        return;
    std::fprintf(stderr, "\r%*s\r", static_cast<int>(width_), "");
    std::fflush(stderr);
    shown_ = -1;
}
