// The name a save or print dialog proposes for a datasheet: the screen's title, made
// safe to use as a file name on any desktop the file may travel to.
#pragma once

#include <string>
#include <string_view>

// At most this many characters before the suffix: far below every file system's limit,
// and still the whole title of any screen.
inline constexpr std::size_t kSuggestedNameChars = 100;

// The title without the characters a file name cannot hold (/ \ : * ? " < > | and
// control characters), blanks run together, then the suffix (".txt", ".pdf"). A title
// that leaves nothing gives "datasheet".
std::string SuggestedFileName(std::string_view title, std::string_view suffix);
