#include "gui/screens/double_acting_torque_screen.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/sizing/result_rows.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"

#include <QTimer>

#include <type_traits>

namespace {

// The electric program builds this file too, but has no such table.
template <class Data> std::vector<Row> TorqueRows(const Data& data, float pressure, bool imperial) {
    if constexpr (std::is_same_v<Data, TorqueT>)
        return DoubleActingTorqueRows(data, pressure, imperial);
    else
        return {};
}

} // namespace

VnTorDouble::VnTorDouble(ScreenContext& context, QWidget* parent, const std::string& actuatorFile)
    : VnTorSizDlg(context, parent, kDialog, actuatorFile) {
    SetResultList(new ptMultiListBox(this, 103, 2));
    // the whole range of a usual file fits without scrolling
    ResultList->setMinimumSize(420, 360);
    AddStandardButtons(false);
}

void VnTorDouble::SetupWindow() {
    VnTorSizDlg::SetupWindow();
    Caption = QStringLiteral("%1 %2 - %3").arg(Str(13), Str(2), QString::fromStdString(ActuatorData->GetTitle()));
    setWindowTitle(Caption);
    ResultList->SetHeader(0, Str(42));
    ResultList->SetHeader(1, Str(13), TorqueUnit());
    ResultList->SetHeaderTip(0, Str(230));
    ResultList->SetHeaderTip(1, Str(231));
    // once the screen is on view, so that a message about the pressure stands over it
    QTimer::singleShot(0, this, [this] {
        if (CheckPressure())
            CmCalculate();
    });
}

void VnTorDouble::CmCalculate() {
    // emptied before the check: a rejected pressure leaves no table of another pressure
    ResultList->ClearList();
    if (!CheckPressure())
        return;
    for (const Row& row : TorqueRows(*ActuatorData, GetPressure(), Imperial()))
        ResultList->AddRow(row);
}
