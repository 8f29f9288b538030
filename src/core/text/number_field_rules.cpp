#include "core/text/number_field_rules.h"

#include "core/text/text_util.h"

#include <cstdio>

char32_t EditKeyChar(std::string_view currentText, char32_t key, char decimalChar) {
    if (key >= U'0' && key <= U'9')
        return key;
    if (key < 32 || key == 127)
        return key;
    if (key == U',' || key == U'.')
        key = static_cast<unsigned char>(decimalChar);
    const std::string_view head = currentText.substr(0, kEditKeyLookAhead);
    for (char once : {decimalChar, '-'}) {
        if (key == static_cast<unsigned char>(once))
            return head.find(once) == std::string_view::npos ? key : 0;
    }
    return 0;
}

std::string PastedEditText(std::string_view pasted, char decimalChar) {
    const std::size_t first = pasted.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = pasted.find_last_not_of(" \t\r\n");
    std::string text(pasted.substr(first, last - first + 1));
    for (char& c : text)
        if (c == ',' || c == '.')
            c = decimalChar;
    return text;
}

bool IsEditNumber(std::string_view text, char decimalChar) {
    if (text.empty())
        return true;
    std::size_t i = text[0] == '-' ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == decimalChar && !point)
            point = true;
        else
            return false;
    }
    return digit;
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

float EditTextValue(std::string_view text, char decimalChar) {
    std::string head(text.substr(0, kEditValueChars));
    if (decimalChar != '.')
        for (char& c : head)
            if (c == decimalChar)
                c = '.';
    return static_cast<float>(ParseDouble(head));
}
