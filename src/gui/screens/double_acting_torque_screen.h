// VnTorDouble: the double-acting torque table of the pneumatic program. Every actuator
// of the range with its double-acting torque at one supply pressure; the table is
// rebuilt on every Calculate and is already full when the screen opens.
#pragma once

#include "gui/screens/calculation_screen.h"

class VnTorDouble : public VnTorSizDlg {
    Q_OBJECT
public:
    static constexpr int kDialog = 102;

    VnTorDouble(ScreenContext& context, QWidget* parent, const std::string& actuatorFile);

public slots:
    void CmCalculate() override;

protected:
    void SetupWindow() override;
};
