// The selection rules: which actuator of a range, searched in file order, meets a
// valve's torque. Every comparison is "at least": an actuator that exactly meets the
// demand is chosen. Torques in Nm, pressures in bar.
#pragma once

#include <vector>

class TorqueT;
class TorqueE;

struct Selection {
    bool found = false;
    int index = -1;
    int springSet = 0; // spring-return only: spring units x springs per unit
    int units = 0;     // spring-return only: the spring units
};

// The first record whose double-acting torque at pressure is at least torque x safety.
Selection FindDoubleActing(const TorqueT& data, float pressure, float torque, float safety);

// Spring-return actuator and spring set for a break torque, safety S, running factor R,
// seating factor Z and fail action (0 fail close, 1 fail open). Two searches: the
// strongest spring set first, and the balanced spring count; the smaller actuator of the
// two wins, the balanced one on a tie.
Selection FindSpringReturn(const TorqueT& data, float pressure, float torque, float safety, float running,
                           float seating, int action);

// The spring-return rule for many torques at one pressure, factor set and fail action,
// as database sizing asks it: a record's balanced spring count does not depend on the
// torque, so each is worked out once.
class SpringReturnSearch {
public:
    SpringReturnSearch(const TorqueT& data, float pressure, float running, float seating, int action);
    Selection Find(float torque, float safety) const;

    const TorqueT& Data() const { return data_; }
    float Pressure() const { return pressure_; }
    float Running() const { return running_; }
    float Seating() const { return seating_; }
    int Action() const { return action_; }

private:
    int Balanced(int index) const;
    // Upper bounds on the torque x safety that record index can meet, at any spring count
    // and at its balanced one; they only let the search pass records that cannot fit.
    double Capacity(int index) const;
    double BalancedCapacity(int index) const;
    double CapacityAt(int index, int n) const;
    bool CannotFit(double capacity, float required) const;

    const TorqueT& data_;
    float pressure_;
    float running_;
    float seating_;
    int action_;
    mutable std::vector<int> balanced_;
    mutable std::vector<bool> known_;
    mutable std::vector<double> capacity_;         // NaN until worked out
    mutable std::vector<double> balancedCapacity_; // NaN until worked out
};

// The spring units that balance the spring against the air for seating factor Z, a whole
// number in [1, maxSprings].
int BalancedSpringCount(const TorqueT& data, int index, float pressure, float seating, int action);

// True when record index with n spring units meets all four spring-return demands.
bool SpringReturnFits(const TorqueT& data, int index, float n, float pressure, float required, float running,
                      float seating, int action);

struct ElectricSelection {
    bool found = false;
    int index = -1;
    float breakTorque = 0; // B = torque x safety
    float runTorque = 0;   // B x running factor
    float thirdTorque = 0; // B x the further factor (the seat torque in database sizing)
};

// The first electric actuator whose break/seat torque is at least B and whose running
// torque is at least B x running.
ElectricSelection FindElectric(const TorqueE& data, float torque, float safety, float running, float further);
