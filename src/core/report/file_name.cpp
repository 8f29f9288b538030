#include "core/report/file_name.h"

#include "core/text/text_util.h"

namespace {

bool Forbidden(unsigned char c) {
    return c < 32 || c == 127 || std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// Blanks and dots at either end make names that some desktops hide or refuse.
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" .");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" .") - first + 1);
}

} // namespace

std::string SuggestedFileName(std::string_view title, std::string_view suffix) {
    std::string name;
    for (char c : title) {
        // a forbidden character becomes a blank, so the words on either side stay apart
        const char kept = Forbidden(static_cast<unsigned char>(c)) ? ' ' : c;
        if (kept == ' ' && (name.empty() || name.back() == ' '))
            continue;
        name += kept;
    }
    name = Trimmed(CutChars(Trimmed(name), kSuggestedNameChars));
    if (name.empty())
        name = "datasheet";
    return name + std::string(suffix);
}
