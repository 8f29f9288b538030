// How a valve list's bytes are text. Most lists are UTF-8; older spreadsheets export
// Windows-1252, and a spreadsheet's "Unicode text" is UTF-16 with a byte-order mark. The
// encoding is settled on the whole list before a record is read, so the reader always
// sees UTF-8, whatever the list was saved in.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

enum class ListEncoding { Utf8, Windows1252, Utf16Le, Utf16Be };

// Whether text is UTF-8: no overlong forms, surrogates or values beyond Unicode.
bool ValidUtf8(std::string_view text);

// UTF-16 LE or BE when the start of a list begins with that byte-order mark, else UTF-8.
ListEncoding EncodingByMark(std::string_view start);

struct EncodingVerdict {
    bool ok = true;
    ListEncoding encoding = ListEncoding::Utf8;
    long line = 0;       // when not ok: the line of the first byte that no encoding reads
    std::string message; // when not ok: what is wrong, without the line
};

// Reads a list's bytes in order, in pieces of any size, and settles its encoding: UTF-16
// by its byte-order mark; otherwise UTF-8 when all of it is, else Windows-1252. NUL bytes
// and the bytes Windows-1252 leaves undefined mean neither; a list that begins with
// UTF-8's byte-order mark is UTF-8 or nothing.
class EncodingScan {
public:
    void Feed(std::string_view piece);
    EncodingVerdict Finish();

private:
    void Tell();
    void Scan8(std::string_view piece);
    void Scan16(std::string_view piece);
    void Unit16(unsigned unit);
    void Count(unsigned c);
    long Line() const { return breaks_ + 1; }
    void Fail(long line, const char* what);

    std::string head_; // the first bytes, until the byte-order mark is told
    bool told_ = false;
    ListEncoding wide_ = ListEncoding::Utf8; // UTF-16 once its mark is seen
    bool utf8Mark_ = false;
    long breaks_ = 0;
    bool afterCr_ = false;
    // 8-bit text
    bool utf8_ = true;
    int need_ = 0; // continuation bytes still to come, and the sequence so far
    int length_ = 0;
    unsigned long code_ = 0;
    long notUtf8Line_ = 0;
    long nulLine_ = 0;
    long badLine_ = 0; // the first NUL or byte Windows-1252 leaves undefined
    // UTF-16
    int odd_ = -1;      // the first byte of a unit split between pieces
    unsigned high_ = 0; // a high surrogate waiting for its low one
    EncodingVerdict fault_;
};

EncodingVerdict ScanEncoding(std::string_view text);
// Reads an open file to its end and back to its start; false when it cannot be read.
bool ScanEncoding(std::FILE* file, EncodingVerdict& verdict);

// Turns a list's pieces into UTF-8. A UTF-16 list's byte-order mark becomes UTF-8's, so
// the reader sees that the list had one.
class ListDecoder {
public:
    explicit ListDecoder(ListEncoding encoding) : encoding_(encoding) {}
    // The piece as UTF-8, valid until the next call. A character split between two pieces
    // comes with the second.
    std::string_view Text(std::string_view piece);

private:
    ListEncoding encoding_;
    std::string text_;
    int odd_ = -1;
    unsigned high_ = 0;
};

// The bytes of the list that decoded text was read from: progress counts the file's own.
unsigned long long InputBytes(std::string_view text, ListEncoding encoding);
