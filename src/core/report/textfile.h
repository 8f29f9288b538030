// Textfile: the one line-oriented file class of the programs. Lines end with CR LF on
// disk; a CR before the LF is dropped on reading.
#pragma once

#include <cstddef>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

class Textfile {
public:
    enum Mode { ModeRead = 0, ModeCreate = 1, ModeAppend = 2 };
    static constexpr std::size_t NoLimit = std::numeric_limits<std::size_t>::max();

    explicit Textfile(std::string name = {});
    ~Textfile();
    Textfile(const Textfile&) = delete;
    Textfile& operator=(const Textfile&) = delete;

    // 0 read, 1 create or empty (read and write), 2 append (reads from the start, writes
    // at the end). Returns non-zero when the file is open afterwards.
    int Open(int mode);
    bool IsOpen() const { return file_ != nullptr; }
    int GetMode() const { return mode_; }

    // One line without its line end. Only the first maxLength characters (UTF-8 code
    // points, never a part of one) are kept; the rest of an over-long line is read and
    // dropped, so a hostile file costs no memory. Within such a limit, continuation bytes
    // that belong to no character are dropped. False only when no byte at all was left to
    // read.
    bool ReadLine(std::string& line, std::size_t maxLength = NoLimit);

    // Writes text up to its first line feed or NUL byte, then CR LF. False when the file is not open
    // or the write failed.
    bool WriteLine(std::string_view text);

    // Closes the file; true when it is closed afterwards.
    bool Close();
    // Deletes the file, closing it first.
    bool Remove();

    // False once a write, flush or close of this file has failed since it was opened.
    bool Ok() const { return ok_; }
    // The errno of the first failure since the file was opened, so a caller can say why;
    // 0 when nothing failed.
    int ErrorNumber() const { return errorNumber_; }

    const std::string& GetName() const { return name_; }
    void SetName(std::string name);

    bool Rewind();
    bool SeekEnd();
    long Tell();
    bool Seek(long offset);

private:
    void Prepare(bool forWriting);
    bool Fail(int errorNumber);

    std::string name_;
    std::FILE* file_ = nullptr;
    int mode_ = ModeRead;
    bool ok_ = true;
    int errorNumber_ = 0;
    bool lastWasWrite_ = false;
};
