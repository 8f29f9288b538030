// The progress of a long run on standard error: nothing for a run that ends within a
// second, nothing when standard error is no terminal (a log file gets no carriage
// returns), and erased when done so that only the messages stay.
#pragma once

#include <chrono>
#include <string>

class ProgressLine {
public:
    using Clock = std::chrono::steady_clock;

    // label says what is going on; total is the amount of work (bytes, sheets); the
    // second counts from started, so a run of several steps shows after one second in all.
    ProgressLine(std::string label, unsigned long long total, Clock::time_point started, bool enabled);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void Show(unsigned long long done);
    void Clear();

    // Whether a progress line may go to standard error: it is a terminal, and standard
    // output is not the same terminal (a CSV written there would run into the line).
    static bool Wanted(bool writingToStandardOutput);

private:
    std::string label_;
    unsigned long long total_;
    Clock::time_point started_;
    bool enabled_;
    int shown_ = -1; // the percent on screen, -1 when nothing is
    std::size_t width_ = 0;
};
