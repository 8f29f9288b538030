#include "core/report/temp_beside.h"

#include "core/report/file_faults.h"
#include "core/text/text_util.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The longest file name the desktops' file systems hold, in bytes.
constexpr std::size_t kNameMax = 255;
constexpr std::string_view kTempSuffix = ".~XXXXXX";

// The umask; read from /proc where it can be, since asking umask() changes it for a moment
// while other threads may be creating files.
mode_t ProcessUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    const mode_t mask = umask(022);
    umask(mask);
    return mask;
}

// The mode the finished file should have: the old file's, or what a plain create gives.
mode_t ModeFor(const std::string& target) {
    struct stat old {};
    if (stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 0777;
    static const mode_t mask = ProcessUmask();
    return 0666 & ~mask;
}

} // namespace

std::string SystemReason(int errorNumber) {
    return std::strerror(errorNumber);
}

TempBeside::TempBeside(std::string target) : target_(std::move(target)) {}

TempBeside::~TempBeside() {
    Discard();
}

bool TempBeside::Create() {
    Discard();
    reason_.clear();
    if (target_.empty()) {
        reason_ = "no file name was given";
        return false;
    }
    if (!file_faults::CreateAllowed()) {
        reason_ = SystemReason(EACCES);
        return false;
    }
    // the name is cut so that even a target of the longest name has a temporary file
    const std::size_t slash = target_.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string pattern = target_.substr(0, nameStart) +
                          CutToBytes(std::string_view(target_).substr(nameStart), kNameMax - kTempSuffix.size());
    pattern += kTempSuffix;
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        reason_ = SystemReason(errno);
        return false;
    }
    close(fd);
    name_ = std::move(pattern);
    return true;
}

bool TempBeside::Place() {
    if (name_.empty())
        return false;
    // mkstemp makes the file for its owner alone; a failed chmod still leaves a whole file
    chmod(name_.c_str(), ModeFor(target_));
    errno = EACCES;
    if (!file_faults::RenameAllowed() || std::rename(name_.c_str(), target_.c_str()) != 0) {
        reason_ = SystemReason(errno);
        Discard();
        return false;
    }
    name_.clear();
    return true;
}

void TempBeside::Discard() {
    if (!name_.empty())
        std::remove(name_.c_str());
    name_.clear();
}
