// The checks a reviewer asks for beside the sizing: the largest torque the chosen actuator
// can put on the valve's stem, the free air it uses and how fast it strokes. One function
// each; a list, its datasheets and its chart all use these.
#pragma once

#include "core/sizing/sizing.h"

class TorqueT;
class TorqueE;

// Atmospheric pressure, bar, for free air.
inline constexpr float kAtmosphereBar = 1.01325f;
// Litres in a cubic foot.
inline constexpr double kLitresPerCubicFoot = 28.316846592;

// The air stroke's two torques at a supply pressure, for the actuator and spring set of a
// sizing (double acting: its output, at both ends); Nm. False when nothing was found.
bool AirStrokeAt(const TorqueT& data, const SizingOutcome& outcome, float pressureBar, float& start, float& end);

// The largest torque the chosen actuator delivers at the highest supply pressure: double
// acting its output there; spring return the largest of its air stroke there and its spring
// stroke, which no pressure changes; Nm, in the single precision of the selection. 0 when
// nothing was found.
float LargestOutput(const TorqueT& data, const SizingOutcome& outcome, float pressureMaxBar);
// Electric: the larger of the break/seat and the run torque the actuator delivers.
float LargestOutput(const TorqueE& data, const SizingOutcome& outcome);

// Free air at atmospheric pressure for one stroke of actuator index at a gauge pressure, in
// litres: its air volume x (p + 1.01325) / 1.01325.
float FreeAirPerStroke(const TorqueT& data, int index, float pressureBar);
// A cycle is two strokes double acting, one spring return.
float FreeAirPerCycle(const TorqueT& data, int index, float pressureBar, bool doubleActing);

// The stroke time, in seconds, through a pilot valve of flow coefficient kv at a pressure,
// as the actuator speed tool works it out. False when kv is not above 0.
bool StrokeSeconds(const TorqueT& data, int index, float pressureBar, float kv, float& seconds);
