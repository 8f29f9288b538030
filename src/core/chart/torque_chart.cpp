#include "core/chart/torque_chart.h"

#include "core/text/load_string.h"
#include "core/text/text_util.h"
#include "core/units/conversions.h"

#include <algorithm>
#include <cmath>

namespace {

// String numbers of the chart's own words.
enum ChartString {
    kStrokeAxis = 180,
    kClosed = 181,
    kOpen = 182,
    kAirStroke = 183,
    kSpringStroke = 184,
    kOutput = 185,
    kBreakSeat = 186,
    kRunning = 187,
    kDemand = 188,
    kNoFit = 189,
    kAir = 260,
    kSpring = 261,
    kMast = 380,
    kAirAt = 381,
};

int DemandWord(Demand demand) {
    return demand == Demand::Break ? 111 : demand == Demand::Run ? 112 : 128;
}

// Where on the stroke a spring-return torque acts. Fail close opens on air (0 to 90
// degrees) and closes on the spring (90 back to 0); fail open the other way round.
double AngleOf(Delivered delivered, bool failOpen) {
    switch (delivered) {
    case Delivered::AirStart:
    case Delivered::SpringEnd:
        return failOpen ? 90 : 0;
    case Delivered::AirEnd:
    case Delivered::SpringStart:
        return failOpen ? 0 : 90;
    case Delivered::Output:
    case Delivered::BreakSeat:
        return 0;
    case Delivered::Running:
        return 45;
    }
    return 0;
}

ChartSeries SeriesOf(Delivered delivered) {
    switch (delivered) {
    case Delivered::AirStart:
    case Delivered::AirEnd:
        return ChartSeries::AirStroke;
    case Delivered::SpringStart:
    case Delivered::SpringEnd:
        return ChartSeries::SpringStroke;
    case Delivered::BreakSeat:
        return ChartSeries::BreakSeat;
    case Delivered::Running:
        return ChartSeries::Running;
    case Delivered::Output:
        break;
    }
    return ChartSeries::Output;
}

// The points each rule checks, as (demand, what meets it); the demands alone are drawn
// from these when nothing fits.
std::vector<std::pair<Demand, Delivered>> RulePoints(SizingRule rule) {
    switch (rule) {
    case SizingRule::DoubleActing:
        return {{Demand::Break, Delivered::Output}};
    case SizingRule::FailClose:
        return {{Demand::Break, Delivered::AirStart},
                {Demand::Run, Delivered::AirEnd},
                {Demand::Run, Delivered::SpringStart},
                {Demand::Seat, Delivered::SpringEnd}};
    case SizingRule::FailOpen:
        return {{Demand::Run, Delivered::AirStart},
                {Demand::Seat, Delivered::AirEnd},
                {Demand::Break, Delivered::SpringStart},
                {Demand::Run, Delivered::SpringEnd}};
    case SizingRule::Electric:
        return {{Demand::Break, Delivered::BreakSeat}, {Demand::Run, Delivered::Running}};
    }
    return {};
}

} // namespace

double NiceAxisTop(double value, std::vector<double>& ticks) {
    ticks.clear();
    if (!(value > 0) || !std::isfinite(value))
        value = 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    double step = power;
    double top = power;
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        top = factor * power;
        if (top >= value) {
            step = factor == 2.5 ? 0.5 * power : factor == 1.0 ? 0.2 * power : factor * power / 5;
            break;
        }
    }
    for (double tick = 0; tick <= top * (1 + 1e-9); tick += step)
        ticks.push_back(tick);
    return top;
}

TorqueChartData MakeTorqueChart(const SizingOutcome& o, const ChartInputs& in) {
    TorqueChartData chart;
    auto shown = [&](float nm) { return static_cast<double>(in.imperial ? NmToInLb(nm) : nm); };
    const bool failOpen = o.rule == SizingRule::FailOpen;
    const bool springReturn = o.rule == SizingRule::FailClose || failOpen;

    chart.unit = LoadString(in.imperial ? 44 : 43);
    chart.torqueAxis = LoadString(13) + " [" + chart.unit + "]";
    chart.strokeAxis = LoadString(kStrokeAxis);
    chart.closedText = LoadString(kClosed);
    chart.openText = LoadString(kOpen);
    chart.found = o.found;
    if (!o.found)
        chart.noFitText = LoadString(kNoFit);

    chart.title = in.actuator.empty() ? "---" : in.actuator;
    if (in.hasPressure)
        chart.title += Format(", %.1f ", static_cast<double>(in.pressure)) + LoadString(in.imperial ? 46 : 45);
    if (o.rule == SizingRule::DoubleActing)
        chart.title += ", " + LoadString(2);
    else if (springReturn)
        chart.title += ", " + LoadString(failOpen ? 33 : 34);

    if (o.found) {
        switch (o.rule) {
        case SizingRule::DoubleActing:
            chart.lines.push_back({ChartSeries::Output, 0, shown(o.output), 90, shown(o.output)});
            break;
        case SizingRule::FailClose:
        case SizingRule::FailOpen: {
            const double airFrom = failOpen ? 90 : 0;
            chart.lines.push_back({ChartSeries::AirStroke, airFrom, shown(o.airStart), 90 - airFrom, shown(o.airEnd)});
            chart.lines.push_back(
                {ChartSeries::SpringStroke, 90 - airFrom, shown(o.springStart), airFrom, shown(o.springEnd)});
            break;
        }
        case SizingRule::Electric:
            chart.lines.push_back({ChartSeries::BreakSeat, 0, shown(o.breakSeat), 90, shown(o.breakSeat)});
            chart.lines.push_back({ChartSeries::Running, 0, shown(o.running), 90, shown(o.running)});
            break;
        }
        // the air stroke at the highest supply pressure, along the one at the sizing pressure
        if (in.hasPressureMax && o.rule == SizingRule::DoubleActing)
            chart.lines.push_back({ChartSeries::OutputMax, 0, shown(in.maxAirStart), 90, shown(in.maxAirEnd)});
        else if (in.hasPressureMax && springReturn) {
            const double airFrom = failOpen ? 90 : 0;
            chart.lines.push_back(
                {ChartSeries::AirStrokeMax, airFrom, shown(in.maxAirStart), 90 - airFrom, shown(in.maxAirEnd)});
        }
    }
    if (in.mast > 0) {
        const double mast = shown(in.mast);
        chart.lines.push_back({ChartSeries::Mast, 0, mast, 90, mast});
        chart.mastLabel = LoadText(kMast, {Format("%.0f ", mast) + chart.unit});
    }

    const int weakest = o.WeakestPoint();
    if (o.found) {
        // a spring return checks the run on both strokes, on one marker: each label names its stroke
        auto checkedTwice = [&](Demand demand) {
            return std::count_if(o.points.begin(), o.points.end(),
                                 [&](const CheckedPoint& p) { return p.demand == demand; }) > 1;
        };
        for (std::size_t i = 0; i < o.points.size(); ++i) {
            const CheckedPoint& p = o.points[i];
            ChartMark mark;
            mark.demand = p.demand;
            mark.angle = AngleOf(p.delivered, failOpen);
            mark.torque = shown(p.demandTorque);
            mark.checked = true;
            mark.against = SeriesOf(p.delivered);
            mark.delivered = shown(p.deliveredTorque);
            mark.weakest = static_cast<int>(i) == weakest;
            mark.label = LoadString(DemandWord(p.demand));
            const bool air = mark.against == ChartSeries::AirStroke;
            if (checkedTwice(p.demand) && (air || mark.against == ChartSeries::SpringStroke))
                mark.label += " (" + LoadString(air ? kAir : kSpring) + ")";
            if (p.demandTorque > 0) {
                mark.hasMargin = true;
                mark.margin = (static_cast<double>(p.deliveredTorque) / p.demandTorque - 1.0) * 100.0;
                mark.label += Format(" %+.1f %%", mark.margin);
            }
            chart.marks.push_back(mark);
        }
    } else {
        // the demands alone, each place once
        for (const auto& point : RulePoints(o.rule)) {
            const Demand demand = point.first;
            const double angle = AngleOf(point.second, failOpen);
            const float nm = demand == Demand::Break ? o.required : demand == Demand::Run ? o.run : o.seat;
            const bool seen = std::any_of(chart.marks.begin(), chart.marks.end(), [&](const ChartMark& m) {
                return m.demand == demand && m.angle == angle;
            });
            if (seen)
                continue;
            ChartMark mark;
            mark.demand = demand;
            mark.angle = angle;
            mark.torque = shown(nm);
            mark.label = LoadString(DemandWord(demand));
            chart.marks.push_back(mark);
        }
    }

    double highest = 0;
    for (const ChartLine& line : chart.lines)
        highest = std::max({highest, line.fromTorque, line.toTorque});
    for (const ChartMark& mark : chart.marks)
        highest = std::max(highest, mark.torque);
    chart.torqueTop = NiceAxisTop(highest * 1.15, chart.torqueTicks);

    const std::string airAtMax = ShortestFloat(in.pressureMax) + " " + LoadString(in.imperial ? 46 : 45);
    for (const ChartLine& line : chart.lines) {
        if (line.series == ChartSeries::Mast) {
            chart.legend.push_back({false, line.series, chart.mastLabel});
            continue;
        }
        if (line.series == ChartSeries::AirStrokeMax || line.series == ChartSeries::OutputMax) {
            chart.legend.push_back({false, line.series, LoadText(kAirAt, {airAtMax})});
            continue;
        }
        const int word = line.series == ChartSeries::AirStroke      ? kAirStroke
                         : line.series == ChartSeries::SpringStroke ? kSpringStroke
                         : line.series == ChartSeries::BreakSeat    ? kBreakSeat
                         : line.series == ChartSeries::Running      ? kRunning
                                                                    : kOutput;
        chart.legend.push_back({false, line.series, LoadString(word)});
    }
    chart.legend.push_back({true, ChartSeries::Output, LoadString(kDemand)});
    return chart;
}
