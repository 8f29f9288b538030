// The conversion windows of Engineering > Conversions, one class per quantity; the
// torque window comes in four variants of its units.
#pragma once

#include "tools/vn_convert_dialog.h"

class VnConvertPressureDialog : public VnConvertDialog {
    Q_OBJECT
public:
    VnConvertPressureDialog(VnApp& app, QWidget* parent) : VnConvertDialog(app, parent, ConversionKind::Pressure) {}
};

// Variant 1 in.lb and Nm, 2 ft.lb and Nm, 3 in.lb and kg.m, 4 ft.lb and kg.m.
class VnConvertTorqueDialog : public VnConvertDialog {
    Q_OBJECT
public:
    VnConvertTorqueDialog(VnApp& app, QWidget* parent, int variant)
        : VnConvertDialog(app, parent, TorqueVariant(variant)) {}
};

class VnConvertLengthDialog : public VnConvertDialog {
    Q_OBJECT
public:
    VnConvertLengthDialog(VnApp& app, QWidget* parent) : VnConvertDialog(app, parent, ConversionKind::Length) {}
};

class VnConvertWeightDialog : public VnConvertDialog {
    Q_OBJECT
public:
    VnConvertWeightDialog(VnApp& app, QWidget* parent) : VnConvertDialog(app, parent, ConversionKind::Weight) {}
};

class VnConvertVolumeDialog : public VnConvertDialog {
    Q_OBJECT
public:
    VnConvertVolumeDialog(VnApp& app, QWidget* parent) : VnConvertDialog(app, parent, ConversionKind::Volume) {}
};

class VnConvertTemperatureDialog : public VnConvertDialog {
    Q_OBJECT
public:
    VnConvertTemperatureDialog(VnApp& app, QWidget* parent)
        : VnConvertDialog(app, parent, ConversionKind::Temperature) {}
};
