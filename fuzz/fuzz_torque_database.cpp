#include "core/data/torque_database.h"
#include "fuzz_support.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = FuzzFile("valves", data, size);
    TorqueDatabase db(name);
    if (db.status != 0)
        return 0;
    // a page whose size list ended early reads, but a count of 0 cannot be written back;
    // the editor refuses to save such a page
    for (const ValvePage& page : db.pages)
        if (page.sizes.empty())
            return 0;
    // a file that read cleanly writes and reads back to the same data
    if (db.Write(name + ".out") != 1)
        std::abort();
    TorqueDatabase again(name + ".out");
    if (again.status != 0 || again.GetPageCount() != db.GetPageCount() || again.valveName != db.valveName)
        std::abort();
    for (int p = 0; p < db.GetPageCount(); ++p) {
        const ValvePage& a = db.pages[static_cast<std::size_t>(p)];
        const ValvePage& b = again.pages[static_cast<std::size_t>(p)];
        if (a.SizeCount() != b.SizeCount() || a.name != b.name || !(a.safetyFactor == b.safetyFactor ||
                                                                    (a.safetyFactor != a.safetyFactor)))
            std::abort();
        for (int s = 0; s < a.SizeCount(); ++s) {
            const ValveSize& x = a.sizes[static_cast<std::size_t>(s)];
            const ValveSize& y = b.sizes[static_cast<std::size_t>(s)];
            if (x.size != y.size || x.torque != y.torque)
                std::abort();
        }
    }
    return 0;
}
