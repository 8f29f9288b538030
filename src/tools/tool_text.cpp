#include "tools/tool_text.h"

#include "app/load_string.h"
#include "report/text_util.h"

std::string RangeCaption(int firstWord, int secondWord, const std::string& title) {
    return LoadString(firstWord) + " " + LoadString(secondWord) + "   [" + title + "]";
}

std::string LabelLine(const std::string& label, std::size_t width, const std::string& value) {
    return PadRight(label, width) + " = " + value;
}
