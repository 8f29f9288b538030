#include "core/text/text_util.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return text.substr(i);
}

// strtod's answer for a prefix that from_chars found out of range: underflow gives 0,
// overflow gives infinity.
double OutOfRange(std::string_view number, bool negative) {
    bool negativeExponent = false;
    for (std::size_t i = 0; i + 1 < number.size(); ++i) {
        if ((number[i] == 'e' || number[i] == 'E' || number[i] == 'p' || number[i] == 'P') && number[i + 1] == '-')
            negativeExponent = true;
    }
    double value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

bool ParseNumberPrefix(std::string_view text, double& value, std::size_t& consumed) {
    value = 0.0;
    consumed = 0;
    const std::size_t blanks = text.size() - SkipBlanks(text).size();
    std::string_view rest = text.substr(blanks);
    bool negative = false;
    std::size_t sign = 0;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        sign = 1;
        rest.remove_prefix(1);
    }
    // only digits make a number here: "nan" and "inf" in a file or a pasted field would
    // otherwise carry through every formula and come out as "nan" on a datasheet
    if (rest.empty() || !((rest[0] >= '0' && rest[0] <= '9') || rest[0] == '.'))
        return false;

    const char* first = rest.data();
    const char* last = rest.data() + rest.size();
    std::from_chars_result res{};
    std::size_t prefix = 0;
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        res = std::from_chars(first + 2, last, value, std::chars_format::hex);
        if (res.ec == std::errc::invalid_argument) {
            // "0x" without hex digits is the number 0 followed by an x
            value = 0.0;
            consumed = blanks + sign + 1;
            return true;
        }
    } else {
        res = std::from_chars(first, last, value, std::chars_format::general);
        if (res.ec == std::errc::invalid_argument)
            return false;
    }
    prefix = static_cast<std::size_t>(res.ptr - first);
    if (res.ec == std::errc::result_out_of_range)
        value = OutOfRange(std::string_view(first, prefix), false);
    if (negative)
        value = -value;
    consumed = blanks + sign + prefix;
    return true;
}

double ParseDouble(std::string_view text) {
    double value;
    std::size_t consumed;
    ParseNumberPrefix(text, value, consumed);
    return value;
}

float ParseFloat(std::string_view text) {
    return static_cast<float>(ParseDouble(text));
}

int ParseInt(std::string_view text) {
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    const long long limit =
        negative ? -static_cast<long long>(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

int TruncToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int SaturatingMul(int a, int b) {
    long long product = static_cast<long long>(a) * b;
    if (product > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (product < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(product);
}

std::string CutToField(std::string_view text, std::size_t maxChars) {
    const std::size_t end = text.find('\0');
    return CutChars(end == std::string_view::npos ? text : text.substr(0, end), maxChars);
}

std::string CutToBytes(std::string_view text, std::size_t maxBytes) {
    std::size_t end = text.find('\0');
    if (end == std::string_view::npos)
        end = text.size();
    if (end > maxBytes) {
        end = maxBytes;
        // a cut inside a multi-byte character drops that character whole
        while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end])))
            --end;
    }
    return std::string(text.substr(0, end));
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if (!IsContinuation(static_cast<unsigned char>(c)))
            ++n;
    return n;
}

std::string CutChars(std::string_view text, std::size_t chars) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
            if (seen == chars)
                return std::string(text.substr(0, i));
            ++seen;
        }
    }
    return std::string(text);
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string out(text);
    std::size_t length = Utf8Length(text);
    if (length < width)
        out.append(width - length, ' ');
    return out;
}

std::string ToUpperText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 'a' && c <= 'z') {
            out.push_back(static_cast<char>(c - 'a' + 'A'));
            continue;
        }
        const unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        // the small letters of the Latin-1 block (U+00E0..U+00FE) sit 0x20 above their capitals
        if (c == 0xC3 && next >= 0xA0 && next <= 0xBE && next != 0xB7) {
            out.push_back(static_cast<char>(0xC3));
            out.push_back(static_cast<char>(next - 0x20));
            ++i;
            continue;
        }
        const std::string_view pair = text.substr(i, 2);
        if (pair == "\xc3\x9f") { // sharp s has no capital in print: SS
            out += "SS";
        } else if (pair == "\xc3\xbf") { // y with diaeresis
            out += "\xc5\xb8";
        } else if (pair == "\xc5\x93") { // oe ligature
            out += "\xc5\x92";
        } else if (pair == "\xc4\xb3") { // Dutch ij
            out += "\xc4\xb2";
        } else {
            out.push_back(static_cast<char>(c));
            continue;
        }
        ++i;
    }
    return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    }
    return true;
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (needed > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        out.assign(buffer.data(), static_cast<std::size_t>(needed));
    }
    va_end(args);
    return out;
}

std::string ShortestFloat(float value) {
    char buffer[64];
    auto res = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, res.ptr);
}
