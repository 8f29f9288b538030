// Engineering > Actuator Speed (pneumatic program): the stroke time of every actuator
// of the range for a supply pressure and a pilot valve's flow coefficient.
#pragma once

#include "core/data/torque_t.h"
#include "gui/screens/screen.h"

#include <string>

class QLabel;
class ptEditNum;
class ptMultiListBox;

class VnActuatorSpeedDialog : public VnScreen {
    Q_OBJECT
public:
    VnActuatorSpeedDialog(ScreenContext& context, QWidget* parent, const std::string& actuatorFile);

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
    ptEditNum* PressureEdit;
    ptEditNum* FlowEdit;
    QLabel* PressureUnit;
    QLabel* FlowUnit;
};
