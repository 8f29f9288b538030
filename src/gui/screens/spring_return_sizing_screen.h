// VnSizSpringReturnDlg: actuator sizing for one valve torque per Calculate. In the
// pneumatic program it chooses a spring-return actuator and its spring set for a fail
// action; in the electric program it chooses the first electric actuator that delivers
// both the break and the running torque.
#pragma once

#include "gui/screens/calculation_screen.h"

#include <vector>

class VnSizSpringReturnDlg : public VnTorSizDlg {
    Q_OBJECT
public:
    static constexpr int kPneumaticDialog = 220;
    static constexpr int kElectricDialog = 230;

    VnSizSpringReturnDlg(ScreenContext& context, QWidget* parent, const std::string& actuatorFile);

    // The record chosen on each row (-1: none), electric program only.
    const std::vector<int>& RowRecords() const { return rowRecords_; }

public slots:
    void CmCalculate() override;

protected:
    void SetupWindow() override;
    std::vector<std::string> DatasheetBody() const override;

private:
    std::vector<int> rowRecords_;
};
