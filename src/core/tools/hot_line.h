// The hot line tool: how far an actuator must stand from a hot pipe. One calculation
// of three typed temperatures gives either a verdict or the height of a tall mounting
// kit; the datasheet prints the inputs and that result.
#pragma once

#include <string>
#include <vector>

struct HotLineResult {
    // What the result box shows; lines end with CR LF between them.
    std::string text;
    // In the display unit (mm or inch); 0 when the answer is a verdict.
    float height = 0;
};

// The heat ratio in percent of the temperature drop that must happen between pipe and
// actuator; all three in degrees Celsius.
float HotLineHeatRatio(float fluid, float ambient, float instrument);

// The fields' texts as typed; units 0 metric (degrees Celsius), 1 imperial (F).
HotLineResult CalculateHotLine(const std::string& fluid, const std::string& ambient, const std::string& instrument,
                               int units);

// The lines of a result box text; a text that ends in a line break has an empty last line.
std::vector<std::string> ResultBoxLines(const std::string& text);

// What the datasheet prints below its title: the fixed introduction, the three inputs as
// typed, the height or the result box's lines, and the closing note.
std::vector<std::string> HotLineDatasheetBody(const std::string& fluid, const std::string& ambient,
                                              const std::string& instrument, float height,
                                              const std::vector<std::string>& resultLines, int units);
