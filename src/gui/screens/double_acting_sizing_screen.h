// VnSizDoubleActingDlg: double-acting actuator sizing. Each Calculate sizes one valve
// torque at the pressure and safety factor on screen and appends a row, so a series of
// valves shares one table and one datasheet.
#pragma once

#include "gui/screens/calculation_screen.h"

class VnSizDoubleActingDlg : public VnTorSizDlg {
    Q_OBJECT
public:
    static constexpr int kDialog = 200;

    VnSizDoubleActingDlg(ScreenContext& context, QWidget* parent, const std::string& actuatorFile);

public slots:
    void CmCalculate() override;

protected:
    void SetupWindow() override;

private:
    // Puts a row's torque text back into the torque field, to size it again after a change.
    void RowDoubleClicked(int row);
};
