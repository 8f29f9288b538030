#include "core/text/load_string.h"

#include "core/text/text_util.h"

#include <cstring>

namespace {

// The one process-wide string source, like the resource module of the running program.
StringLookup& ActiveLookup() {
    static StringLookup lookup;
    return lookup;
}

} // namespace

std::string LoadString(int id) {
    if (const StringLookup& lookup = ActiveLookup())
        return lookup(id);
    const char* text = EnglishString(id);
    return text ? std::string(text) : std::string();
}

std::size_t LoadString(int id, char* buffer, std::size_t maxCount) {
    if (!buffer)
        return 0;
    std::string text = CutToBytes(LoadString(id), maxCount);
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return text.size();
}

std::string LoadText(int id, std::initializer_list<std::string> values) {
    std::string text = LoadString(id);
    std::size_t from = 0;
    for (const std::string& value : values) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, value);
        from = at + value.size();
    }
    return text;
}

void SetStringLookup(StringLookup lookup) {
    ActiveLookup() = std::move(lookup);
}
