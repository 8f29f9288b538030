#include "core/data/torque_e.h"
#include "core/sizing/selection.h"
#include "core/text/text_util.h"
#include "fuzz_support.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TorqueE range(FuzzFile("qu", data, size));
    if (range.GetCount() > 255)
        std::abort();
    for (int i = 0; i < range.GetCount(); ++i)
        if (Utf8Length(range.GetModel(i)) > TorqueE::kModelChars)
            std::abort();
    ElectricSelection s = FindElectric(range, 100.0f, 1.2f, 0.3f, 0.6f);
    if (s.found && s.index >= range.GetCount())
        std::abort();
    return 0;
}
