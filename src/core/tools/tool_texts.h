// Texts shared by the tool screens: captions, table headers and the label lines of
// their datasheets.
#pragma once

#include <string>
#include <vector>

using ToolRow = std::vector<std::string>;

// A column header of a tool table: the title and the unit that goes in square brackets
// below it (empty when the column has no unit line).
struct ToolHeader {
    std::string title;
    std::string unit;
};

// "first second   [title]": the caption of a tool that works on an actuator range.
std::string RangeCaption(int firstWord, int secondWord, const std::string& title);

// A datasheet line "label = value", the label padded to width characters.
std::string LabelLine(const std::string& label, std::size_t width, const std::string& value);
