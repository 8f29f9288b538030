#include "core/sizing/sizing.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/sizing/selection.h"

bool SizingOutcome::Margin(double& percent) const {
    const int weakest = WeakestPoint();
    if (weakest < 0)
        return false;
    const CheckedPoint& p = points[static_cast<std::size_t>(weakest)];
    percent = (static_cast<double>(p.deliveredTorque) / p.demandTorque - 1.0) * 100.0;
    return true;
}

int SizingOutcome::WeakestPoint() const {
    int weakest = -1;
    double lowest = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CheckedPoint& p = points[i];
        if (!(p.demandTorque > 0))
            continue;
        const double ratio = static_cast<double>(p.deliveredTorque) / p.demandTorque;
        if (weakest < 0 || ratio < lowest) {
            weakest = static_cast<int>(i);
            lowest = ratio;
        }
    }
    return weakest;
}

SizingOutcome SizeDoubleActing(const TorqueT& data, float pressure, float torque, float safety) {
    SizingOutcome out;
    out.rule = SizingRule::DoubleActing;
    out.pressure = pressure;
    out.required = torque * safety;
    const Selection s = FindDoubleActing(data, pressure, torque, safety);
    if (!s.found)
        return out;
    out.found = true;
    out.index = s.index;
    data.DaTorque(s.index, pressure, out.output);
    out.points.push_back({Demand::Break, Delivered::Output, out.required, out.output});
    return out;
}

SizingOutcome SizeSpringReturn(const SpringReturnSearch& search, float torque, float safety) {
    SizingOutcome out;
    const int action = search.Action();
    out.rule = action == 1 ? SizingRule::FailOpen : SizingRule::FailClose;
    out.pressure = search.Pressure();
    out.required = torque * safety;
    out.run = out.required * search.Running();
    out.seat = out.required * search.Seating();
    const Selection s = search.Find(torque, safety);
    if (!s.found)
        return out;
    out.found = true;
    out.index = s.index;
    out.springSet = s.springSet;
    out.springUnits = s.units;
    search.Data().SrTorque(s.index, static_cast<float>(s.units), out.pressure, out.airStart, out.airEnd,
                           out.springStart, out.springEnd);
    // the air stroke's two ends, then the spring stroke's
    if (action == 0)
        out.points = {{Demand::Break, Delivered::AirStart, out.required, out.airStart},
                      {Demand::Run, Delivered::AirEnd, out.run, out.airEnd},
                      {Demand::Run, Delivered::SpringStart, out.run, out.springStart},
                      {Demand::Seat, Delivered::SpringEnd, out.seat, out.springEnd}};
    else
        out.points = {{Demand::Run, Delivered::AirStart, out.run, out.airStart},
                      {Demand::Seat, Delivered::AirEnd, out.seat, out.airEnd},
                      {Demand::Break, Delivered::SpringStart, out.required, out.springStart},
                      {Demand::Run, Delivered::SpringEnd, out.run, out.springEnd}};
    return out;
}

SizingOutcome SizeSpringReturn(const TorqueT& data, float pressure, float torque, float safety, float running,
                               float seating, int action) {
    return SizeSpringReturn(SpringReturnSearch(data, pressure, running, seating, action), torque, safety);
}

SizingOutcome SizeElectric(const TorqueE& data, float torque, float safety, float running, float seating) {
    SizingOutcome out;
    out.rule = SizingRule::Electric;
    const ElectricSelection s = FindElectric(data, torque, safety, running, seating);
    out.required = s.breakTorque;
    out.run = s.runTorque;
    out.seat = s.thirdTorque;
    if (!s.found)
        return out;
    out.found = true;
    out.index = s.index;
    out.breakSeat = static_cast<float>(data.Item(s.index).breakSeatTorque);
    out.running = static_cast<float>(data.Item(s.index).runTorque);
    out.points = {{Demand::Break, Delivered::BreakSeat, out.required, out.breakSeat},
                  {Demand::Run, Delivered::Running, out.run, out.running}};
    return out;
}
