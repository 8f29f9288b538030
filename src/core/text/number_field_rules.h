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

// The char a typed key puts into the field, or 0 when the field refuses it. Digits and
// control keys (Backspace, Ctrl+V ...) go in as they are. Both "," and "." enter
// decimalChar, whatever the desktop's habit; it and '-' go in only while the head of
// currentText does not hold that char yet.
char32_t EditKeyChar(std::string_view currentText, char32_t key, char decimalChar);

// Pasted text as the field takes it: blanks around it dropped, "," and "." made decimalChar.
std::string PastedEditText(std::string_view pasted, char decimalChar);

// True when text reads as a number as a whole: an optional leading '-', digits, at most
// one decimalChar, at least one digit. An empty field is a number not given yet.
bool IsEditNumber(std::string_view text, char decimalChar);

// "%f" with the trailing zeros dropped, keeping one digit after decimalChar: 12 -> "12.0".
std::string FormatEditFloat(float x, char decimalChar = '.');

// The field's number as atof reads it: "12abc" -> 12, "-" -> 0. A decimalChar other
// than '.' reads as the point.
float EditTextValue(std::string_view text, char decimalChar = '.');
