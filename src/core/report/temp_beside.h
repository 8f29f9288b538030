// TempBeside: a temporary file of its own in the target's folder, where a file is written
// whole before it takes the target's place. Its name is made exclusively, so two saves of
// the same file at once never share one, and no file of the user's is ever taken for it.
#pragma once

#include <string>

class TempBeside {
public:
    explicit TempBeside(std::string target);
    // A temporary file that was not put in place is removed.
    ~TempBeside();
    TempBeside(const TempBeside&) = delete;
    TempBeside& operator=(const TempBeside&) = delete;

    // Makes the empty temporary file; false, with Reason() set, when the folder refuses it.
    bool Create();
    // Renames the temporary file over the target. It gets the mode the old file had, or
    // for a new file the mode a plain create would give. False, with Reason() set, when the
    // rename is refused; the temporary file is then removed.
    bool Place();
    // Removes the temporary file: its writing failed.
    void Discard();

    const std::string& Name() const { return name_; }
    const std::string& Target() const { return target_; }
    // Why the last step failed, in the system's words ("Permission denied"); empty when
    // none did.
    const std::string& Reason() const { return reason_; }

private:
    std::string target_;
    std::string name_;
    std::string reason_;
};

// The system's words for an errno value.
std::string SystemReason(int errorNumber);
