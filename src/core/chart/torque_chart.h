// The torque chart of one sizing answer, as plain data: the valve's demands where the
// rule checks them over the stroke (0 degrees closed, 90 open), the chosen actuator's
// torques as lines, and the margin at every checked point. The painter only draws this.
// Torques are in the screen's units; texts come from the active string table.
#pragma once

#include "core/sizing/sizing.h"

#include <string>
#include <vector>

// AirStrokeMax and OutputMax are the air stroke and the double-acting output at the
// highest supply pressure; Mast is the valve's maximum allowable stem torque.
enum class ChartSeries { AirStroke, SpringStroke, Output, BreakSeat, Running, AirStrokeMax, OutputMax, Mast };

// A straight line over (part of) the stroke: one of the actuator's torques, or the MAST.
struct ChartLine {
    ChartSeries series;
    double fromAngle = 0;
    double fromTorque = 0;
    double toAngle = 0;
    double toTorque = 0;
};

// A demand of the valve; when an actuator was chosen, also the torque that meets it there.
struct ChartMark {
    Demand demand = Demand::Break;
    double angle = 0;
    double torque = 0; // the demand
    bool checked = false;
    ChartSeries against = ChartSeries::Output; // the line that meets it, when checked
    double delivered = 0;
    double margin = 0; // percent, when checked and the demand is positive
    bool hasMargin = false;
    bool weakest = false;
    std::string label; // "Break", "Break +12.5 %", or "Run (air) +8.1 %" where a demand is checked on both strokes
};

struct TorqueChartData {
    std::string title;
    std::string unit;       // "Nm" or "in.lb"
    std::string torqueAxis; // "Torque [Nm]"
    std::string strokeAxis;
    std::string closedText;
    std::string openText;
    std::string noFitText; // empty when an actuator was chosen
    bool found = false;
    std::vector<ChartLine> lines; // the MAST, when given, is the last, level over the whole stroke
    std::string mastLabel;        // "MAST 400 Nm", written over its line; empty without one
    std::vector<ChartMark> marks;
    double torqueTop = 1; // the axis runs from 0 to here
    std::vector<double> torqueTicks;

    struct LegendEntry {
        bool demand = false; // the valve's demands; otherwise the series' line
        ChartSeries series = ChartSeries::Output;
        std::string text;
    };
    std::vector<LegendEntry> legend;
};

struct ChartInputs {
    std::string actuator;    // the chosen actuator as the table names it, or "---"
    bool imperial = false;   // torques in in.lb
    bool hasPressure = false;
    float pressure = 0;      // as typed, in bar or psi
    // The valve's maximum allowable stem torque, Nm; 0 when the list gives none.
    float mast = 0;
    // The air stroke at the highest supply pressure, when a list gives one (double acting:
    // the output there, at both ends); Nm, with that pressure as typed.
    bool hasPressureMax = false;
    float pressureMax = 0;
    float maxAirStart = 0;
    float maxAirEnd = 0;
};

TorqueChartData MakeTorqueChart(const SizingOutcome& outcome, const ChartInputs& inputs);

// An axis top above value, on a 1, 2, 2.5 or 5 step, with its ticks.
double NiceAxisTop(double value, std::vector<double>& ticks);
