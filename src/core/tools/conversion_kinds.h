// What the nine conversion windows convert: for each kind the two units, the formula
// in both directions, the caption word, and where a new window is placed.
#pragma once

#include <string>
#include <utility>

enum class ConversionKind {
    Pressure,      // psi and bar
    TorqueInLbNm,  // in.lb and Nm
    TorqueFtLbNm,  // ft.lb and Nm
    TorqueInLbKgm, // in.lb and kg.m
    TorqueFtLbKgm, // ft.lb and kg.m
    Length,        // inch and mm
    Weight,        // lb and kg
    Volume,        // cu.in and liter
    Temperature,   // F and degrees Celsius
};

// The torque windows are known by a variant number 1 to 4 (in.lb/Nm, ft.lb/Nm,
// in.lb/kg.m, ft.lb/kg.m); anything else gives the first.
ConversionKind TorqueVariant(int variant);
bool IsTorque(ConversionKind kind);

// Direction 0 converts from the imperial unit to the metric one, 1 the other way.
float ConvertValue(ConversionKind kind, int direction, float x);

// String numbers of the input unit and the result unit for a direction.
std::pair<int, int> ConversionUnitWords(ConversionKind kind, int direction);

// The caption: "Convert" and the quantity; the torque windows add their two units as
// the labels show them.
std::string ConversionCaption(ConversionKind kind, const std::string& fromLabel, const std::string& toLabel);

// Top left corner of a window of size width x height on a desktop of the given size,
// when count conversion windows exist (this one included): right of the middle and in
// the upper half, each further kind of conversion 20 pixels further down and right.
std::pair<int, int> ConversionWindowPosition(int desktopWidth, int desktopHeight, int width, int height, int count);
