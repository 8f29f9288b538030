// Engineering > Air Tank Capacity (pneumatic program): the pressure left in a buffer
// tank and the torque of the chosen double-acting actuator after each stroke.
#pragma once

#include "core/data/torque_t.h"
#include "gui/screens/screen.h"

#include <string>

class QComboBox;
class QLabel;
class ptEditNum;
class ptMultiListBox;

class VnAirTankDialog : public VnScreen {
    Q_OBJECT
public:
    VnAirTankDialog(ScreenContext& context, QWidget* parent, const std::string& actuatorFile);

public slots:
    void CmCalculate();

protected:
    std::string DatasheetTitle() const override;
    int DatasheetTitleBlankLines() const override { return 3; }
    std::vector<std::string> DatasheetBody() const override;

private:
    int Units() const;

    TorqueT Data;
    ptMultiListBox* ResultList;
    QComboBox* ActuatorList;
    ptEditNum* PressureEdit;
    ptEditNum* TankSizeEdit;
    ptEditNum* OperationsEdit;
    QLabel* PressureUnit;
    QLabel* TankSizeUnit;
};
