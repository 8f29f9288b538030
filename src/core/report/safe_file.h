// SafeFile: writes a whole file beside its target and renames it over the target only
// when every line reached the disk. A failed or interrupted save leaves the old file
// exactly as it was.
#pragma once

#include "core/report/temp_beside.h"
#include "core/report/textfile.h"

#include <functional>
#include <string>
#include <string_view>

class SafeFile {
public:
    explicit SafeFile(std::string target);
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    // Creates the temporary file; false when the folder cannot take it.
    bool Open();
    bool WriteLine(std::string_view text);
    // Closes the temporary file and renames it over the target. False when any write
    // failed or the rename was refused; the temporary file is then removed.
    bool Commit();

    const std::string& GetTarget() const { return temp_.Target(); }
    // Why the save failed, in the system's words ("No space left on device"); empty while
    // nothing has.
    const std::string& Error() const { return error_; }

private:
    bool Fail(std::string reason);

    TempBeside temp_; // declared first: the file is closed before its temporary name goes
    Textfile file_;
    std::string error_;
    bool open_ = false;
};

// The same for a writer that opens the file itself: write gets the temporary file, and
// the target is replaced only when it returns true. False, with reason set, otherwise.
bool WriteWhole(const std::string& target, const std::function<bool(Textfile&)>& write, std::string& reason);
