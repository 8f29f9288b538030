#include "core/tools/tool_texts.h"

#include "core/text/load_string.h"
#include "core/text/text_util.h"

std::string RangeCaption(int firstWord, int secondWord, const std::string& title) {
    return LoadString(firstWord) + " " + LoadString(secondWord) + "   [" + title + "]";
}

std::string LabelLine(const std::string& label, std::size_t width, const std::string& value) {
    return PadRight(label, width) + " = " + value;
}
