// The conversion windows of Engineering > Conversions, one class per quantity; the
// torque window comes in four variants of its units.
#pragma once

#include "gui/tools/conversion_dialog.h"

class VnConvertPressureDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertPressureDialog(ScreenContext& context) : VnConvertDialog(context, ConversionKind::Pressure) {}
};

// Variant 1 in.lb and Nm, 2 ft.lb and Nm, 3 in.lb and kg.m, 4 ft.lb and kg.m.
class VnConvertTorqueDialog : public VnConvertDialog {
    Q_OBJECT
public:
    VnConvertTorqueDialog(ScreenContext& context, int variant) : VnConvertDialog(context, TorqueVariant(variant)) {}
};

class VnConvertLengthDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertLengthDialog(ScreenContext& context) : VnConvertDialog(context, ConversionKind::Length) {}
};

class VnConvertWeightDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertWeightDialog(ScreenContext& context) : VnConvertDialog(context, ConversionKind::Weight) {}
};

class VnConvertVolumeDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertVolumeDialog(ScreenContext& context) : VnConvertDialog(context, ConversionKind::Volume) {}
};

class VnConvertTemperatureDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertTemperatureDialog(ScreenContext& context) : VnConvertDialog(context, ConversionKind::Temperature) {}
};
