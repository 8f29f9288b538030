// VnTorSpringRetDlg: the spring-return torque table of the pneumatic program. Every
// actuator with its air and spring torques at one supply pressure, for the spring set
// estimated from that pressure and moved by an offset the user adds or removes.
#pragma once

#include "gui/screens/calculation_screen.h"

class VnTorSpringRetDlg : public VnTorSizDlg {
    Q_OBJECT
public:
    static constexpr int kDialog = 103;
    static constexpr int kMaxOffset = 100;

    VnTorSpringRetDlg(ScreenContext& context, QWidget* parent, const std::string& actuatorFile);

    int GetSpringOffset() const { return SpringOffset; }

public slots:
    void CmCalculate() override;
    void CmAddSpring();
    void CmRemoveSpring();

protected:
    void SetupWindow() override;

private:
    // "Added" and the offset, or "Removed" and its size.
    void ShowOffset();

    int SpringOffset = 0;
    bool OffsetEditing = false;
    ptEditNum* OffsetEdit = nullptr;
    QLabel* OffsetLabel = nullptr;
};
