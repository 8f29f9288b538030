#include "core/report/file_faults.h"

namespace file_faults {
namespace {

struct State {
    long budget = -1;
    bool failCreate = false;
    bool failRename = false;
};

State& Current() {
    static State state;
    return state;
}

} // namespace

void FailWritesAfter(long bytes) {
    Current().budget = bytes;
}

void FailCreate(bool on) {
    Current().failCreate = on;
}

void FailRename(bool on) {
    Current().failRename = on;
}

void Reset() {
    Current() = State{};
}

bool WriteAllowed(std::size_t bytes) {
    State& s = Current();
    if (s.budget < 0)
        return true;
    if (static_cast<std::size_t>(s.budget) < bytes) {
        s.budget = 0;
        return false;
    }
    s.budget -= static_cast<long>(bytes);
    return true;
}

bool CreateAllowed() {
    return !Current().failCreate;
}

bool RenameAllowed() {
    return !Current().failRename;
}

} // namespace file_faults
