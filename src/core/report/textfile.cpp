#include "core/report/textfile.h"

#include "core/report/file_faults.h"
#include "core/text/text_util.h"

#include <cerrno>
#include <cstring>

Textfile::Textfile(std::string name) : name_(std::move(name)) {}

Textfile::~Textfile() {
    Close();
}

int Textfile::Open(int mode) {
    Close();
    mode_ = mode;
    ok_ = true;
    errorNumber_ = 0;
    lastWasWrite_ = false;
    const char* how = nullptr;
    switch (mode) {
    case ModeRead:
        how = "rb";
        break;
    case ModeCreate:
        how = "w+b";
        break;
    case ModeAppend:
        // "a+" alone would create a missing file; append mode only opens what exists
        how = "r+b";
        break;
    default:
        return 0;
    }
    if (name_.empty())
        return 0;
    if (mode != ModeRead && !file_faults::CreateAllowed()) {
        Fail(EACCES);
        return 0;
    }
    file_ = std::fopen(name_.c_str(), how);
    if (file_ && mode == ModeAppend) {
        std::fclose(file_);
        file_ = std::fopen(name_.c_str(), "a+b");
        if (file_)
            std::rewind(file_);
    }
    if (!file_)
        Fail(errno);
    return file_ ? 1 : 0;
}

bool Textfile::Fail(int errorNumber) {
    if (ok_)
        errorNumber_ = errorNumber;
    ok_ = false;
    return false;
}

void Textfile::Prepare(bool forWriting) {
    // a stdio stream must be repositioned between reading and writing
    if (forWriting != lastWasWrite_) {
        std::fseek(file_, 0, SEEK_CUR);
        lastWasWrite_ = forWriting;
    }
}

bool Textfile::ReadLine(std::string& line, std::size_t maxLength) {
    line.clear();
    if (!file_)
        return false;
    Prepare(false);
    const bool limited = maxLength != NoLimit;
    // maxLength counts characters; one more is kept so that a CR at the limit can go
    const std::size_t keepChars = limited ? maxLength + 1 : NoLimit;
    std::size_t chars = 0;
    bool keeping = true;
    // continuation bytes that may still follow the last kept lead byte; a limited field
    // drops the ones that belong to no character, so each character takes four bytes at most
    int trailing = 0;
    bool any = false;
    int c;
    while ((c = std::getc(file_)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        if (!keeping)
            continue;
        if ((c & 0xC0) == 0x80) {
            if (!limited || trailing > 0) {
                line.push_back(static_cast<char>(c));
                --trailing;
            }
            continue;
        }
        if (chars == keepChars) {
            keeping = false;
            continue;
        }
        line.push_back(static_cast<char>(c));
        ++chars;
        trailing = c >= 0xC0 ? 3 : 0;
    }
    // drop the CR of a CR LF pair, then the part beyond the caller's field
    if (c == '\n' && !line.empty() && line.back() == '\r')
        line.pop_back();
    if (limited)
        line = CutChars(line, maxLength);
    return any;
}

bool Textfile::WriteLine(std::string_view text) {
    if (!file_)
        return false;
    Prepare(true);
    // a text ends at its first line feed or NUL byte, as a C string would
    std::size_t end = text.find_first_of(std::string_view("\n\0", 2));
    if (end != std::string_view::npos)
        text = text.substr(0, end);
    if (!file_faults::WriteAllowed(text.size() + 2))
        return Fail(ENOSPC);
    if ((!text.empty() && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) ||
        std::fwrite("\r\n", 1, 2, file_) != 2)
        return Fail(errno);
    return true;
}

bool Textfile::Close() {
    if (file_) {
        if (std::ferror(file_) && lastWasWrite_)
            Fail(EIO);
        // a full disk often shows only when the buffer goes out here
        if (std::fclose(file_) != 0)
            Fail(errno);
        file_ = nullptr;
    }
    return true;
}

bool Textfile::Remove() {
    Close();
    return !name_.empty() && std::remove(name_.c_str()) == 0;
}

void Textfile::SetName(std::string name) {
    Close();
    name_ = std::move(name);
}

bool Textfile::Rewind() {
    if (!file_)
        return false;
    return std::fseek(file_, 0, SEEK_SET) == 0;
}

bool Textfile::SeekEnd() {
    if (!file_)
        return false;
    return std::fseek(file_, 0, SEEK_END) == 0;
}

long Textfile::Tell() {
    return file_ ? std::ftell(file_) : -1;
}

bool Textfile::Seek(long offset) {
    if (!file_)
        return false;
    return std::fseek(file_, offset, SEEK_SET) == 0;
}
