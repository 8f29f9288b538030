#include "core/settings/settings.h"
#include "core/text/text_util.h"
#include "fuzz_support.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = FuzzFile("settings", data, size);
    Settings settings(name);
    if (Utf8Length(settings.ActuatorFile) > Settings::kNameChars || Utf8Length(settings.Place) > Settings::kNameChars)
        std::abort();
    // what was read writes and reads back to the same record
    if (settings.WriteSettings() != 1)
        std::abort();
    Settings again(name);
    if (again.Language != (settings.Language >= 0 && settings.Language <= 3 ? settings.Language : 0) ||
        again.Units != settings.Units || again.ActuatorFile != settings.ActuatorFile ||
        again.ValveFile != settings.ValveFile)
        std::abort();
    return 0;
}
