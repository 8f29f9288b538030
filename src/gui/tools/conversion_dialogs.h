// The conversion windows of Engineering > Conversions, one class per quantity; the
// torque window comes in four variants of its units.
#pragma once

#include "gui/tools/conversion_dialog.h"

class VnConvertPressureDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertPressureDialog(VnApp& app) : VnConvertDialog(app, ConversionKind::Pressure) {}
};

// Variant 1 in.lb and Nm, 2 ft.lb and Nm, 3 in.lb and kg.m, 4 ft.lb and kg.m.
class VnConvertTorqueDialog : public VnConvertDialog {
    Q_OBJECT
public:
    VnConvertTorqueDialog(VnApp& app, int variant) : VnConvertDialog(app, TorqueVariant(variant)) {}
};

class VnConvertLengthDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertLengthDialog(VnApp& app) : VnConvertDialog(app, ConversionKind::Length) {}
};

class VnConvertWeightDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertWeightDialog(VnApp& app) : VnConvertDialog(app, ConversionKind::Weight) {}
};

class VnConvertVolumeDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertVolumeDialog(VnApp& app) : VnConvertDialog(app, ConversionKind::Volume) {}
};

class VnConvertTemperatureDialog : public VnConvertDialog {
    Q_OBJECT
public:
    explicit VnConvertTemperatureDialog(VnApp& app) : VnConvertDialog(app, ConversionKind::Temperature) {}
};
