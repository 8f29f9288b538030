// Small text helpers shared by the readers, the writers and the datasheets.
// Numbers are parsed the way atof/atol read them, but without looking at the
// process locale: a German desktop must not turn "4.5" into 4.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The number at the start of text (after white space), as strtod reads it. False when
// there is none; consumed is then 0.
bool ParseNumberPrefix(std::string_view text, double& value, std::size_t& consumed);

// atof: leading white space skipped, the longest valid prefix converted, no number gives 0.
double ParseDouble(std::string_view text);
float ParseFloat(std::string_view text);

// atol, clamped to the 32-bit range instead of wrapping.
int ParseInt(std::string_view text);

// Truncation toward zero that is defined for every input: NaN gives 0, values beyond
// the 32-bit range give its ends.
int TruncToInt(double value);

// Saturating product of two 32-bit integers.
int SaturatingMul(int a, int b);

// The text up to its first NUL byte and at most maxChars characters (UTF-8 code
// points) long: a field holds characters, whatever bytes they take.
std::string CutToField(std::string_view text, std::size_t maxChars);

// The text up to its first NUL byte and at most maxBytes long, for a caller's byte
// buffer; never ends inside a UTF-8 sequence.
std::string CutToBytes(std::string_view text, std::size_t maxBytes);

// Counts and cuts in characters (UTF-8 code points), so that a datasheet column holding
// "°C" or an accented word lines up like plain ASCII.
std::size_t Utf8Length(std::string_view text);
std::string CutChars(std::string_view text, std::size_t chars);
std::string PadRight(std::string_view text, std::size_t width);

// Upper case for the letters of English, Dutch, German and French (ASCII, the Latin-1
// accented letters, oe, ij and y with diaeresis; sharp s becomes SS); other characters
// stay as they are.
std::string ToUpperText(std::string_view text);

// Case-insensitive comparison of the first n characters of text with word
// (text shorter than n never matches).
bool StartsWithNoCase(std::string_view text, std::string_view word);

// printf into a string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Shortest text that reads back to the same float.
std::string ShortestFloat(float value);
