// One sizing answer with everything behind it: the demands, the chosen actuator, its
// torques at the points the rule checks, and how much stronger than required it is at
// its weakest point. The screens' rows, database sizing, valve lists and the torque
// chart are all built from it, so they cannot disagree. Torques in Nm, pressures in bar.
#pragma once

#include <vector>

class TorqueT;
class TorqueE;
class SpringReturnSearch;

enum class SizingRule { DoubleActing, FailClose, FailOpen, Electric };

// Which demand a checked point compares against.
enum class Demand { Break, Run, Seat };

// Which of the actuator's torques meets it.
enum class Delivered { Output, AirStart, AirEnd, SpringStart, SpringEnd, BreakSeat, Running };

struct CheckedPoint {
    Demand demand;
    Delivered delivered;
    float demandTorque = 0;    // Nm
    float deliveredTorque = 0; // Nm
};

struct SizingOutcome {
    SizingRule rule = SizingRule::DoubleActing;
    bool found = false;
    int index = -1;
    int springSet = 0; // spring return: spring units x springs per unit
    int springUnits = 0; // spring return: the spring units the torques are worked out with
    float pressure = 0;
    float required = 0; // T = torque x safety
    float run = 0;      // T x running factor
    float seat = 0;     // T x seating factor
    // The chosen actuator's torques (all 0 when none was found): double-acting output,
    // the spring-return four at the pressure and spring count, electric break/seat and run.
    float output = 0;
    float airStart = 0;
    float airEnd = 0;
    float springStart = 0;
    float springEnd = 0;
    float breakSeat = 0;
    float running = 0;
    // The points the rule checks, in the order of the stroke; empty when nothing was found.
    std::vector<CheckedPoint> points;

    // The smallest (delivered / demand - 1) x 100 over the points with a positive demand;
    // false when there is none.
    bool Margin(double& percent) const;
    // The index into points of that weakest point, -1 when there is none.
    int WeakestPoint() const;
};

// The safety factor a screen starts with, and a list row takes when it gives none.
inline constexpr float kDefaultSafety = 1.2f;

// The valve types in the order the screens list them (ball, butterfly, plug), as string
// numbers, and the running and seating factors each presets.
inline constexpr int kValveTypeStrings[3] = {29, 28, 30};
struct ValveTypePreset {
    float running;
    float seating;
};
inline constexpr ValveTypePreset kValveTypePresets[3] = {{0.3f, 0.6f}, {0.2f, 1.0f}, {0.9f, 0.9f}};

// The first record whose double-acting torque at pressure is at least torque x safety.
SizingOutcome SizeDoubleActing(const TorqueT& data, float pressure, float torque, float safety);

// Spring return, the search carrying pressure, factors and fail action.
SizingOutcome SizeSpringReturn(const SpringReturnSearch& search, float torque, float safety);
SizingOutcome SizeSpringReturn(const TorqueT& data, float pressure, float torque, float safety, float running,
                               float seating, int action);

// Electric: the choice looks at break/seat and running; seating only gives the seat demand.
SizingOutcome SizeElectric(const TorqueE& data, float torque, float safety, float running, float seating);
