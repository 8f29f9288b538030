#include "controls/edit_num_rules.h"

#include "report/text_util.h"

#include <cstdio>

bool AcceptEditKey(std::string_view currentText, char32_t key, char decimalChar) {
    if (key >= U'0' && key <= U'9')
        return true;
    if (key < 32 || key == 127)
        return true;
    const std::string_view head = currentText.substr(0, kEditKeyLookAhead);
    for (char once : {decimalChar, '-'}) {
        if (key == static_cast<unsigned char>(once))
            return head.find(once) == std::string_view::npos;
    }
    return false;
}

std::string FormatEditFloat(float x, char decimalChar) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(x));
    std::string text = buffer;
    // "%f" always writes '.'; the field shows its own decimal char.
    if (decimalChar != '.') {
        const std::size_t point = text.find('.');
        if (point != std::string::npos)
            text[point] = decimalChar;
    }
    for (std::size_t i = text.size(); i > 0 && text[i - 1] == '0'; --i) {
        // a zero right after the decimal char stays, so 12 reads "12.0" and not "12."
        if (i < 2 || text[i - 2] != decimalChar)
            text.resize(i - 1);
    }
    return text;
}

float EditTextValue(std::string_view text) {
    return static_cast<float>(ParseDouble(text.substr(0, kEditValueChars)));
}
