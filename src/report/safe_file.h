// SafeFile: writes a whole file beside its target and renames it over the target only
// when every line reached the disk. A failed or interrupted save leaves the old file
// exactly as it was.
#pragma once

#include "report/textfile.h"

#include <string>
#include <string_view>

class SafeFile {
public:
    explicit SafeFile(std::string target);
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    // Creates the temporary file; false when the folder cannot take it.
    bool Open();
    bool WriteLine(std::string_view text);
    // Closes the temporary file and renames it over the target. False when any write
    // failed or the rename was refused; the temporary file is then removed.
    bool Commit();

    const std::string& GetTarget() const { return target_; }

private:
    std::string target_;
    Textfile temp_;
    bool open_ = false;
};
