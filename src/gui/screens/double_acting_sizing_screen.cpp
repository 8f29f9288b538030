#include "gui/screens/double_acting_sizing_screen.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/sizing/result_rows.h"
#include "core/sizing/sizing.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"

#include <QLabel>

#include <type_traits>

namespace {

// The electric program builds this file too, but sizes its actuators elsewhere.
template <class Data>
Row SizingRow(const Data& data, const std::string& typed, float typedValue, float torqueNm, float safety,
              float pressure) {
    if constexpr (std::is_same_v<Data, TorqueT>)
        return DoubleActingSizingRow(data, typed, typedValue, torqueNm, safety, pressure);
    else
        return {};
}

template <class Data>
SizingOutcome Outcome(const Data& data, float torqueNm, float safety, float pressure) {
    if constexpr (std::is_same_v<Data, TorqueT>)
        return SizeDoubleActing(data, pressure, torqueNm, safety);
    else
        return {};
}

} // namespace

VnSizDoubleActingDlg::VnSizDoubleActingDlg(ScreenContext& context, QWidget* parent, const std::string& actuatorFile)
    : VnTorSizDlg(context, parent, kDialog, actuatorFile) {
    SafetyEdit = AddNumberField(202, tr("&Safety factor:"));
    WatchChanges(SafetyEdit, SafetyAtFocus);
    TorqueEdit = AddNumberField(203, tr("&Torque:"), &TorqueUnitLabel);
    TorqueUnitLabel->setProperty("controlId", 201);
    TorqueUnitLabel->setObjectName(QStringLiteral("torqueUnit"));
    SetResultList(new ptMultiListBox(this, 103, 3));
    ResultList->setMinimumSize(480, 300);
    AddChartPane();
    connect(ResultList, &ptMultiListBox::doubleClicked, this, &VnSizDoubleActingDlg::RowDoubleClicked);
    AddStandardButtons(true);
    // the torque is what changes from one valve to the next
    TorqueEdit->setFocus();
}

void VnSizDoubleActingDlg::SetupWindow() {
    VnTorSizDlg::SetupWindow();
    Caption = QStringLiteral("%1 %2 - %3").arg(Str(27), Str(2), QString::fromStdString(ActuatorData->GetTitle()));
    setWindowTitle(Caption);
    ResultList->SetHeader(0, Str(13), TorqueUnit());
    ResultList->SetHeader(1, Str(13));
    ResultList->Header[1]->InsertString(Str(51), 1);
    ResultList->SetHeader(2, Str(42));
    for (int c = 0; c < 3; ++c)
        ResultList->SetHeaderTip(c, Str(238 + c));
}

void VnSizDoubleActingDlg::CmCalculate() {
    if (!CheckPressure() || !HasTorque())
        return;
    const Row row = SizingRow(*ActuatorData, TorqueEdit->text().toStdString(), TorqueEdit->GetValue(), GetTorque(),
                              SafetyEdit->GetValue(), GetPressure());
    ResultList->AddRow(row);
    KeepRowChart(Outcome(*ActuatorData, GetTorque(), SafetyEdit->GetValue(), GetPressure()),
                 row.size() > 2 ? row[2] : std::string());
    TorqueEdit->clear();
}

void VnSizDoubleActingDlg::RowDoubleClicked(int row) {
    TorqueEdit->setText(ResultList->Column[0]->GetString(row));
}
