#include "lists/list_encoding.h"

namespace {

constexpr const char* kNeither = "the text is neither UTF-8 nor Windows-1252; save the list as CSV in UTF-8";

// Windows-1252 from 0x80 to 0x9F; 0 where it leaves a byte undefined. The rest of the
// upper half is Latin-1, the byte's own value.
constexpr char16_t kUpper1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool Undefined1252(unsigned char c) {
    return c >= 0x80 && c < 0xA0 && kUpper1252[c - 0x80] == 0;
}

// One byte of UTF-8; false when it cannot stand where it does.
bool TakeUtf8(unsigned char c, int& need, int& length, unsigned long& code) {
    if (need == 0) {
        if (c < 0x80)
            return true;
        need = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
        if (need == 0)
            return false;
        length = need;
        code = c & (0x3F >> need);
        return true;
    }
    if ((c & 0xC0) != 0x80)
        return false;
    code = (code << 6) | (c & 0x3F);
    if (--need > 0)
        return true;
    // overlong forms, surrogates and values beyond Unicode
    return !((length == 1 && code < 0x80) || (length == 2 && code < 0x800) || (length == 3 && code < 0x10000) ||
             (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF);
}

void AppendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool HighSurrogate(unsigned unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool LowSurrogate(unsigned unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

bool ValidUtf8(std::string_view text) {
    int need = 0, length = 0;
    unsigned long code = 0;
    for (char c : text)
        if (!TakeUtf8(static_cast<unsigned char>(c), need, length, code))
            return false;
    return need == 0;
}

ListEncoding EncodingByMark(std::string_view start) {
    if (start.substr(0, 2) == "\xFF\xFE")
        return ListEncoding::Utf16Le;
    if (start.substr(0, 2) == "\xFE\xFF")
        return ListEncoding::Utf16Be;
    return ListEncoding::Utf8;
}

void EncodingScan::Feed(std::string_view piece) {
    if (!told_) {
        head_.append(piece);
        if (head_.size() >= 3)
            Tell();
    } else if (wide_ == ListEncoding::Utf8) {
        Scan8(piece);
    } else {
        Scan16(piece);
    }
}

void EncodingScan::Tell() {
    told_ = true;
    wide_ = EncodingByMark(head_);
    utf8Mark_ = head_.substr(0, 3) == "\xEF\xBB\xBF";
    const std::string head = std::move(head_);
    head_.clear();
    Feed(head);
}

void EncodingScan::Count(unsigned c) {
    // the lines the reader numbers: LF, CR LF or a lone CR end one
    if (c == '\r')
        ++breaks_;
    else if (c == '\n' && !afterCr_)
        ++breaks_;
    afterCr_ = c == '\r';
}

void EncodingScan::Scan8(std::string_view piece) {
    for (char ch : piece) {
        if (!utf8_ && badLine_ != 0)
            return; // settled: neither
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0 && nulLine_ == 0)
            nulLine_ = Line();
        if (badLine_ == 0 && (c == 0 || Undefined1252(c)))
            badLine_ = Line();
        if (utf8_ && !TakeUtf8(c, need_, length_, code_)) {
            utf8_ = false;
            notUtf8Line_ = Line();
        }
        Count(c);
    }
}

void EncodingScan::Fail(long line, const char* what) {
    if (!fault_.ok)
        return;
    fault_.ok = false;
    fault_.line = line;
    fault_.message = what;
}

void EncodingScan::Unit16(unsigned unit) {
    if (high_ != 0) {
        high_ = 0;
        if (LowSurrogate(unit))
            return;
        Fail(Line(), "the UTF-16 text has an unpaired surrogate; save the list as CSV in UTF-8");
    } else if (HighSurrogate(unit)) {
        high_ = unit;
    } else if (LowSurrogate(unit)) {
        Fail(Line(), "the UTF-16 text has an unpaired surrogate; save the list as CSV in UTF-8");
    } else if (unit == 0) {
        Fail(Line(), "the UTF-16 text holds a NUL character; save the list as CSV in UTF-8");
    } else {
        Count(unit);
    }
}

void EncodingScan::Scan16(std::string_view piece) {
    for (char ch : piece) {
        if (!fault_.ok)
            return;
        const auto c = static_cast<unsigned char>(ch);
        if (odd_ < 0) {
            odd_ = c;
            continue;
        }
        const auto first = static_cast<unsigned>(odd_);
        odd_ = -1;
        Unit16(wide_ == ListEncoding::Utf16Le ? first | (c << 8) : (first << 8) | c);
    }
}

EncodingVerdict EncodingScan::Finish() {
    if (!told_)
        Tell();
    EncodingVerdict verdict;
    if (wide_ != ListEncoding::Utf8) {
        if (odd_ >= 0)
            Fail(Line(), "the UTF-16 text ends in half a character; save the list as CSV in UTF-8");
        if (high_ != 0)
            Fail(Line(), "the UTF-16 text has an unpaired surrogate; save the list as CSV in UTF-8");
        verdict = fault_;
        verdict.encoding = wide_;
        return verdict;
    }
    if (utf8_ && need_ != 0) {
        utf8_ = false;
        notUtf8Line_ = Line();
    }
    if (utf8_) {
        if (nulLine_ != 0)
            verdict = {false, ListEncoding::Utf8, nulLine_, kNeither};
        return verdict;
    }
    // the mark says UTF-8: such a list is damaged, and read as Windows-1252 its first
    // header would begin with three odd letters
    if (utf8Mark_)
        return {false, ListEncoding::Utf8, notUtf8Line_,
                "the text is not UTF-8, though the list begins with UTF-8's byte-order mark; save the list as CSV "
                "in UTF-8"};
    if (badLine_ != 0)
        return {false, ListEncoding::Windows1252, badLine_, kNeither};
    verdict.encoding = ListEncoding::Windows1252;
    return verdict;
}

EncodingVerdict ScanEncoding(std::string_view text) {
    EncodingScan scan;
    scan.Feed(text);
    return scan.Finish();
}

bool ScanEncoding(std::FILE* file, EncodingVerdict& verdict) {
    EncodingScan scan;
    std::string buffer(1 << 16, '\0');
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        scan.Feed(std::string_view(buffer.data(), got));
        if (got < buffer.size())
            break;
    }
    if (std::ferror(file) || std::fseek(file, 0, SEEK_SET) != 0)
        return false;
    verdict = scan.Finish();
    return true;
}

std::string_view ListDecoder::Text(std::string_view piece) {
    if (encoding_ == ListEncoding::Utf8)
        return piece;
    text_.clear();
    if (encoding_ == ListEncoding::Windows1252) {
        for (char ch : piece) {
            const auto c = static_cast<unsigned char>(ch);
            if (c < 0x80)
                text_ += ch;
            else if (c >= 0xA0)
                AppendUtf8(text_, c);
            else
                AppendUtf8(text_, Undefined1252(c) ? 0xFFFD : kUpper1252[c - 0x80]);
        }
        return text_;
    }
    // what the scan refuses becomes U+FFFD, one character for each unit, as InputBytes counts
    for (char ch : piece) {
        const auto c = static_cast<unsigned char>(ch);
        if (odd_ < 0) {
            odd_ = c;
            continue;
        }
        const auto first = static_cast<unsigned>(odd_);
        odd_ = -1;
        const unsigned unit = encoding_ == ListEncoding::Utf16Le ? first | (c << 8) : (first << 8) | c;
        if (high_ != 0) {
            const unsigned high = high_;
            high_ = 0;
            if (LowSurrogate(unit)) {
                AppendUtf8(text_, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
                continue;
            }
            AppendUtf8(text_, 0xFFFD);
        }
        if (HighSurrogate(unit))
            high_ = unit;
        else
            AppendUtf8(text_, LowSurrogate(unit) ? 0xFFFD : unit);
    }
    return text_;
}

unsigned long long InputBytes(std::string_view text, ListEncoding encoding) {
    if (encoding == ListEncoding::Utf8)
        return text.size();
    unsigned long long bytes = 0;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c & 0xC0) == 0x80)
            continue; // a character's later bytes
        bytes += encoding == ListEncoding::Windows1252 ? 1 : c >= 0xF0 ? 4 : 2;
    }
    return bytes;
}
