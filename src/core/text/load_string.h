// LoadString: every user-visible word by its number. The English table is built in;
// the application can put a language catalogue in front of it with SetStringLookup.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Answers the text of a number in the active language.
using StringLookup = std::function<std::string(int id)>;

// The text of number id; empty when the active table has no such number.
std::string LoadString(int id);

// Copies at most maxCount bytes of the text and a terminating zero into buffer (which
// holds maxCount + 1 bytes), never splitting a character. Returns the bytes copied.
std::size_t LoadString(int id, char* buffer, std::size_t maxCount);

// The text of number id with each "%s" filled, in order, by the values. A translation is
// only ever filled, never read as a printf format, so a placeholder too many or too few
// costs a word, not the program.
std::string LoadText(int id, std::initializer_list<std::string> values);

// Replaces the lookup; an empty function restores the built-in English table.
void SetStringLookup(StringLookup lookup);

// The built-in English table: the text of id or nullptr, and all its numbers in order.
const char* EnglishString(int id);
std::vector<int> EnglishStringIds();

// Buffer sizes of the places that show loaded texts.
constexpr std::size_t kMessageChars = 127;
constexpr std::size_t kUnitNameChars = 29;
constexpr std::size_t kShortUnitChars = 9; // temperature and length units
constexpr std::size_t kShortWordChars = 15;
