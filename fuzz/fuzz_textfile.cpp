#include "core/report/textfile.h"
#include "core/text/text_util.h"
#include "fuzz_support.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Textfile file(FuzzFile("textfile", data, size));
    for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{79}, std::size_t{255}, Textfile::NoLimit}) {
        if (!file.Open(Textfile::ModeRead))
            return 0;
        std::string line;
        std::size_t total = 0;
        while (file.ReadLine(line, limit)) {
            // the limit counts characters; the bytes kept stay bounded all the same
            if (Utf8Length(line) > limit || (limit != Textfile::NoLimit && line.size() > 4 * limit))
                std::abort();
            total += line.size();
        }
        if (total > size)
            std::abort();
        file.Close();
    }
    return 0;
}
