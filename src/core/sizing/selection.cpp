#include "core/sizing/selection.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/text/text_util.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Records whose maximum spring count runs into the thousands come only from damaged
// files; the strongest-first search would otherwise try every count down from there.
constexpr int kSpringSearchLimit = 1000;

// Bound on the rounds of the balanced spring count, for a ratio that jumps across its band.
constexpr int kBalanceRounds = 1000;

} // namespace

Selection FindDoubleActing(const TorqueT& data, float pressure, float torque, float safety) {
    const float required = torque * safety;
    for (int i = 0; i < data.GetCount(); ++i) {
        float delivered = 0;
        data.DaTorque(i, pressure, delivered);
        if (delivered >= required)
            return {true, i, 0, 0};
    }
    return {};
}

bool SpringReturnFits(const TorqueT& data, int index, float n, float pressure, float required, float running,
                      float seating, int action) {
    float airStart, airEnd, springStart, springEnd;
    if (!data.SrTorque(index, n, pressure, airStart, airEnd, springStart, springEnd))
        return false;
    const float run = required * running;
    const float seat = required * seating;
    if (action == 0)
        return airStart >= required && airEnd >= run && springStart >= run && springEnd >= seat;
    if (action == 1)
        return airStart >= run && airEnd >= seat && springStart >= required && springEnd >= run;
    return false;
}

int BalancedSpringCount(const TorqueT& data, int index, float pressure, float seating, int action) {
    const TorqueTItem& it = data.Item(index);
    const float slope = action == 0 ? it.springSlopeFailClose : it.springSlopeFailOpen;
    float e = pressure * slope + it.springIntercept;

    if (it.springSlopeFailClose == it.springSlopeFailOpen) {
        for (int round = 0; round < kBalanceRounds; ++round) {
            float airStart, airEnd, springStart, springEnd;
            data.SrTorque(index, e, pressure, airStart, airEnd, springStart, springEnd);
            float q;
            if (action == 0) {
                if (airStart == 0)
                    break;
                q = springEnd / airStart;
            } else {
                if (springStart == 0)
                    break;
                q = airEnd / springStart;
            }
            if (seating * (1.0L / 1.05) < q && q < seating * 1.05)
                break;
            const bool shrink = action == 0 ? q > seating : !(q > seating);
            e = shrink ? static_cast<float>(e * (1.0L / 1.02)) : static_cast<float>(e * 1.02);
            // above the largest set nothing changes any more; below one unit the torques
            // stay at one unit, so a shrinking e would shrink for ever, while a growing
            // one may still reach the band
            if (!(e <= static_cast<float>(it.maxSprings)) || (shrink && e < 1.0f))
                break;
        }
    }

    int n = TruncToInt(e + 0.5);
    if (n < 1)
        n = 1;
    if (n > it.maxSprings)
        n = it.maxSprings;
    return n;
}

SpringReturnSearch::SpringReturnSearch(const TorqueT& data, float pressure, float running, float seating, int action)
    : data_(data), pressure_(pressure), running_(running), seating_(seating), action_(action),
      balanced_(static_cast<std::size_t>(data.GetCount()), 0), known_(balanced_.size(), false),
      capacity_(balanced_.size(), std::numeric_limits<double>::quiet_NaN()), balancedCapacity_(capacity_) {}

// The largest required torque whose four demands record index with n units meets, in
// exact arithmetic: the smallest delivered torque over its demand factor.
double SpringReturnSearch::CapacityAt(int index, int n) const {
    float airStart, airEnd, springStart, springEnd;
    if (!data_.SrTorque(index, static_cast<float>(n), pressure_, airStart, airEnd, springStart, springEnd))
        return -std::numeric_limits<double>::infinity();
    const double r = running_, z = seating_;
    if (action_ == 0)
        return std::min({static_cast<double>(airStart), airEnd / r, springStart / r, springEnd / z});
    return std::min({airStart / r, airEnd / z, static_cast<double>(springStart), springEnd / r});
}

double SpringReturnSearch::Capacity(int index) const {
    double& known = capacity_[static_cast<std::size_t>(index)];
    if (std::isnan(known)) {
        known = -std::numeric_limits<double>::infinity();
        const int top = std::min(data_.Item(index).maxSprings, kSpringSearchLimit);
        for (int n = top; n >= 1; --n)
            known = std::max(known, CapacityAt(index, n));
    }
    return known;
}

double SpringReturnSearch::BalancedCapacity(int index) const {
    double& known = balancedCapacity_[static_cast<std::size_t>(index)];
    if (std::isnan(known))
        known = CapacityAt(index, Balanced(index));
    return known;
}

// True only when the record surely fails: the float comparisons round each demand by far
// less than the margin allowed here. Factors that are not positive, and torques that are
// not, always take the exact test.
bool SpringReturnSearch::CannotFit(double capacity, float required) const {
    if (!(running_ > 0 && seating_ > 0 && required > 0) || std::isnan(capacity))
        return false;
    return required > capacity + std::fabs(capacity) * 1e-4;
}

int SpringReturnSearch::Balanced(int index) const {
    const auto i = static_cast<std::size_t>(index);
    if (!known_[i]) {
        balanced_[i] = BalancedSpringCount(data_, index, pressure_, seating_, action_);
        known_[i] = true;
    }
    return balanced_[i];
}

Selection SpringReturnSearch::Find(float torque, float safety) const {
    if (action_ != 0 && action_ != 1)
        return {};
    const float required = torque * safety;
    const TorqueT& data = data_;

    Selection a;
    for (int i = 0; i < data.GetCount() && !a.found; ++i) {
        if (CannotFit(Capacity(i), required))
            continue;
        const int top = std::min(data.Item(i).maxSprings, kSpringSearchLimit);
        for (int n = top; n >= 1; --n) {
            if (SpringReturnFits(data, i, static_cast<float>(n), pressure_, required, running_, seating_, action_)) {
                a = {true, i, n};
                break;
            }
        }
    }

    Selection b;
    for (int j = 0; j < data.GetCount(); ++j) {
        if (CannotFit(BalancedCapacity(j), required))
            continue;
        const int n = Balanced(j);
        if (SpringReturnFits(data, j, static_cast<float>(n), pressure_, required, running_, seating_, action_)) {
            b = {true, j, n};
            break;
        }
    }

    Selection chosen;
    if (a.found && b.found)
        chosen = data.GetSize(a.index) < data.GetSize(b.index) ? a : b;
    else if (a.found)
        chosen = a;
    else if (b.found)
        chosen = b;
    else
        return {};
    // springSet held the unit count until here
    chosen.units = chosen.springSet;
    chosen.springSet = SaturatingMul(chosen.springSet, data.Item(chosen.index).springsPerStep);
    return chosen;
}

Selection FindSpringReturn(const TorqueT& data, float pressure, float torque, float safety, float running,
                           float seating, int action) {
    return SpringReturnSearch(data, pressure, running, seating, action).Find(torque, safety);
}

ElectricSelection FindElectric(const TorqueE& data, float torque, float safety, float running, float further) {
    ElectricSelection result;
    result.breakTorque = torque * safety;
    result.runTorque = result.breakTorque * running;
    result.thirdTorque = result.breakTorque * further;
    for (int i = 0; i < data.GetCount(); ++i) {
        const TorqueEItem& it = data.Item(i);
        if (static_cast<double>(it.breakSeatTorque) >= result.breakTorque &&
            static_cast<double>(it.runTorque) >= result.runTorque) {
            result.found = true;
            result.index = i;
            break;
        }
    }
    return result;
}
