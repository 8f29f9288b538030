// What the numeric edit field lets through and how it shows and reads its number.
// Kept apart from the widget so the rules can be checked without a window.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Only the head of the text counts when looking for a second decimal char or minus.
inline constexpr std::size_t kEditKeyLookAhead = 18;
// atof reads no further than this.
inline constexpr std::size_t kEditValueChars = 30;

// True when the key may go into the field: digits, control keys (Backspace, Ctrl+V ...),
// and decimalChar or '-' while the head of currentText does not hold that char yet.
bool AcceptEditKey(std::string_view currentText, char32_t key, char decimalChar);

// "%f" with the trailing zeros dropped, keeping one digit after decimalChar: 12 -> "12.0".
std::string FormatEditFloat(float x, char decimalChar = '.');

// The field's number as atof reads it: "12abc" -> 12, "-" -> 0.
float EditTextValue(std::string_view text);
