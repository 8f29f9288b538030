#include "core/sizing/checks.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"

#include <algorithm>

bool AirStrokeAt(const TorqueT& data, const SizingOutcome& outcome, float pressureBar, float& start, float& end) {
    if (!outcome.found)
        return false;
    if (outcome.rule == SizingRule::DoubleActing) {
        float output = 0;
        if (!data.DaTorque(outcome.index, pressureBar, output))
            return false;
        start = end = output;
        return true;
    }
    float springStart = 0, springEnd = 0;
    return data.SrTorque(outcome.index, static_cast<float>(outcome.springUnits), pressureBar, start, end, springStart,
                         springEnd);
}

float LargestOutput(const TorqueT& data, const SizingOutcome& outcome, float pressureMaxBar) {
    float start = 0, end = 0;
    if (!AirStrokeAt(data, outcome, pressureMaxBar, start, end))
        return 0;
    if (outcome.rule == SizingRule::DoubleActing)
        return start;
    return std::max({start, end, outcome.springStart, outcome.springEnd});
}

float LargestOutput(const TorqueE& data, const SizingOutcome& outcome) {
    if (!outcome.found)
        return 0;
    const TorqueEItem& item = data.Item(outcome.index);
    return static_cast<float>(std::max(item.breakSeatTorque, item.runTorque));
}

float FreeAirPerStroke(const TorqueT& data, int index, float pressureBar) {
    return data.Item(index).airVolume * (pressureBar + kAtmosphereBar) / kAtmosphereBar;
}

float FreeAirPerCycle(const TorqueT& data, int index, float pressureBar, bool doubleActing) {
    return FreeAirPerStroke(data, index, pressureBar) * (doubleActing ? 2.0f : 1.0f);
}

bool StrokeSeconds(const TorqueT& data, int index, float pressureBar, float kv, float& seconds) {
    if (!(kv > 0))
        return false;
    return data.StrokeTime(index, pressureBar, kv, seconds);
}
