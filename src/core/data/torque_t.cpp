#include "core/data/torque_t.h"

#include "core/data/actuator_file.h"

#include <cmath>

namespace {

TorqueTItem ParseRecord(const std::array<std::string, TorqueT::kLinesPerRecord>& l) {
    TorqueTItem it;
    it.daModel = CutToField(l[0], TorqueT::kModelChars);
    it.srModel = CutToField(l[1], TorqueT::kModelChars);
    it.size = ParseInt(l[2]);
    it.daOffset = ParseFloat(l[3]);
    it.daPerBar = ParseFloat(l[4]);
    it.springStartPerSpring = ParseFloat(l[5]);
    it.springEndPerSpring = ParseFloat(l[6]);
    it.srAirPerBar = ParseFloat(l[7]);
    it.srAirOffset = ParseFloat(l[8]);
    it.airStartPerSpring = ParseFloat(l[9]);
    it.airEndPerSpring = ParseFloat(l[10]);
    // line 12 of a record carries nothing the programs use
    it.airVolume = ParseFloat(l[12]);
    it.springSlopeFailClose = ParseFloat(l[13]);
    it.springSlopeFailOpen = ParseFloat(l[14]);
    it.springIntercept = ParseFloat(l[15]);
    it.maxSprings = ParseInt(l[16]);
    it.springsPerStep = ParseInt(l[17]);
    return it;
}

} // namespace

TorqueT::TorqueT(std::string fileName) : file(std::move(fileName)) {
    status = Read();
}

TorqueT::TorqueT(std::string title_, std::vector<TorqueTItem> items_)
    : title(std::move(title_)), items(std::move(items_)), itemsPresent(true) {
    if (items.size() > static_cast<std::size_t>(actuator_file::kMaxRecords))
        items.resize(actuator_file::kMaxRecords);
}

int TorqueT::Read() {
    return actuator_file::Read<kLinesPerRecord>(file, title, items, itemsPresent, ParseRecord);
}

const TorqueTItem& TorqueT::Item(int i) const {
    static const TorqueTItem empty;
    return Valid(i) ? items[static_cast<std::size_t>(i)] : empty;
}

bool TorqueT::DaTorque(int i, float p, float& torque) const {
    if (!Valid(i))
        return false;
    const TorqueTItem& it = Item(i);
    torque = it.daPerBar * p - it.daOffset;
    return true;
}

bool TorqueT::SrTorque(int i, float n, float p, float& airStart, float& airEnd, float& springStart,
                       float& springEnd) const {
    if (!Valid(i))
        return false;
    const TorqueTItem& it = Item(i);
    if (!(n >= 1.0f)) // also catches NaN
        n = 1.0f;
    if (n > static_cast<float>(it.maxSprings))
        n = static_cast<float>(it.maxSprings);
    const float startLoss = n * it.airStartPerSpring + it.srAirOffset;
    const float endLoss = n * it.airEndPerSpring + it.srAirOffset;
    airStart = it.srAirPerBar * p - startLoss;
    airEnd = it.srAirPerBar * p - endLoss;
    springStart = n * it.springStartPerSpring;
    springEnd = n * it.springEndPerSpring;
    return true;
}

bool TorqueT::SrTorqueWithOffset(int i, float p, int action, int offset, float& airStart, float& airEnd,
                                 float& springStart, float& springEnd, int& springSet, float) const {
    if (!Valid(i))
        return false;
    const TorqueTItem& it = Item(i);
    const float slope = action == 0 ? it.springSlopeFailClose : it.springSlopeFailOpen;
    const float estimate = p * slope + it.springIntercept;
    long long n = static_cast<long long>(TruncToInt(estimate + 0.5)) + offset;
    if (n < 1)
        n = 1;
    if (n > it.maxSprings)
        n = it.maxSprings;
    SrTorque(i, static_cast<float>(n), p, airStart, airEnd, springStart, springEnd);
    springSet = SaturatingMul(static_cast<int>(n), it.springsPerStep);
    return true;
}

bool TorqueT::StrokeTime(int i, float p, float kv, float& seconds) const {
    seconds = 0;
    if (!Valid(i))
        return false;
    const TorqueTItem& it = Item(i);
    const float k = static_cast<float>(5 - (p - 5) * 0.1);
    seconds = static_cast<float>(it.airVolume * k * 0.51 * std::pow(static_cast<double>(kv), -0.6) * (1.0L / 6) + 0.3);
    return true;
}

bool TorqueT::AirTankDrop(int i, int k, float p0, float tankVolume, float& p, float& torque) const {
    if (!Valid(i))
        return false;
    const TorqueTItem& it = Item(i);
    const float s = tankVolume + it.airVolume;
    p = p0;
    for (long long stroke = 0; stroke <= k; ++stroke) {
        const float next = tankVolume * p / s;
        torque = it.daPerBar * next - it.daOffset;
        // once the pressure no longer moves, every further stroke gives the same answer
        if (next == p)
            break;
        p = next;
    }
    return true;
}
