#include "core/report/datasheet_frame.h"
#include "fuzz_support.h"

#include <cstdlib>

// The footer counts the lines of whatever file it is given before it pads and appends.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Textfile file(FuzzFile("sheet", data, size));
    std::string place(data, data + (size < 80 ? size : 80));
    if (!WriteDatasheetFooter(file, place, "REF-1", {6, 12, 2026}, kPneumaticVersionText))
        std::abort();
    if (FooterPlaceLine(place, "REF-1", {6, 12, 2026}).empty())
        std::abort();
    return 0;
}
