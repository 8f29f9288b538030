#include "core/data/torque_t.h"
#include "core/sizing/selection.h"
#include "fuzz_support.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TorqueT range(FuzzFile("kav", data, size));
    if (range.GetCount() > 255 || (!range.HasItems() && range.GetCount() != 0))
        std::abort();
    // every rule over whatever was read must end and stay in range
    for (float pressure : {2.0f, 5.5f, 10.0f}) {
        Selection da = FindDoubleActing(range, pressure, 100.0f, 1.2f);
        Selection sr = FindSpringReturn(range, pressure, 100.0f, 1.2f, 0.3f, 0.6f, 0);
        if ((da.found && da.index >= range.GetCount()) || (sr.found && sr.index >= range.GetCount()))
            std::abort();
        for (int i = 0; i < range.GetCount(); ++i) {
            float a, b, c, d, seconds, p, torque;
            int set;
            range.SrTorqueWithOffset(i, pressure, 1, -3, a, b, c, d, set);
            range.StrokeTime(i, pressure, 1.2f, seconds);
            range.AirTankDrop(i, 50, pressure, 20.0f, p, torque);
            BalancedSpringCount(range, i, pressure, 1.0f, 1);
        }
    }
    return 0;
}
