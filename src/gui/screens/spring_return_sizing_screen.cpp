#include "gui/screens/spring_return_sizing_screen.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/report/table_text.h"
#include "core/sizing/result_rows.h"
#include "core/sizing/sizing.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"

#include <QComboBox>
#include <QLabel>

namespace {

struct SizingInputs {
    std::string typed;
    float typedValue;
    float torque; // Nm
    float safety;
    float running;
    float seating;
    float pressure; // bar
    int action;
    bool imperial;
};

[[maybe_unused]] Row MakeRow(const TorqueT& data, const SizingInputs& in, int& index) {
    index = -1;
    return SpringReturnSizingRow(data, in.typed, in.typedValue, in.torque, in.safety, in.running, in.seating,
                                 in.pressure, in.action, in.imperial);
}

Row MakeRow(const TorqueE& data, const SizingInputs& in, int& index) {
    return ElectricSizingRow(data, in.typed, in.torque, in.safety, in.running, in.imperial, index);
}

// The answer behind a row, and the cell that names its actuator, for the chart.
[[maybe_unused]] SizingOutcome MakeOutcome(const TorqueT& data, const SizingInputs& in, const Row& row,
                                           std::string& actuator) {
    actuator = row.size() > 4 ? row[4] : std::string();
    return SizeSpringReturn(data, in.pressure, in.torque, in.safety, in.running, in.seating, in.action);
}

[[maybe_unused]] SizingOutcome MakeOutcome(const TorqueE& data, const SizingInputs& in, const Row& row, std::string& actuator) {
    actuator = row.size() > 3 ? row[3] : std::string();
    return SizeElectric(data, in.torque, in.safety, in.running, 0);
}

// The chosen actuator's own torques behind every electric row; only rows whose record
// was remembered get one.
[[maybe_unused]] std::vector<std::string> RowSuffixes(const TorqueT&, const std::vector<int>&, std::size_t, bool) {
    return {};
}

std::vector<std::string> RowSuffixes(const TorqueE& data, const std::vector<int>& records, std::size_t rows,
                                     bool imperial) {
    std::vector<std::string> suffix;
    for (std::size_t r = 0; r < rows && r < records.size(); ++r) {
        const int index = records[r];
        const TorqueEItem& item = data.Item(index);
        suffix.push_back(ElectricTorqueSuffix(index >= 0 && index < data.GetCount(), item.breakSeatTorque,
                                              item.runTorque, imperial));
    }
    return suffix;
}

} // namespace

VnSizSpringReturnDlg::VnSizSpringReturnDlg(ScreenContext& context, QWidget* parent, const std::string& actuatorFile)
    : VnTorSizDlg(context, parent, flavour::kPneumatic ? kPneumaticDialog : kElectricDialog, actuatorFile) {
    ValveTypeCombo = AddList(104, tr("&Valve type:"));
    FillValveTypes();
    SafetyEdit = AddNumberField(202, tr("&Safety factor:"));
    WatchChanges(SafetyEdit, SafetyAtFocus);
    if (flavour::kPneumatic) {
        SeatingEdit = AddNumberField(107, tr("Seat&ing factor:"));
        WatchChanges(SeatingEdit, SeatingAtFocus);
    }
    RunningEdit = AddNumberField(108, tr("&Running factor:"));
    WatchChanges(RunningEdit, RunningAtFocus);
    if (flavour::kPneumatic) {
        FailActionCombo = AddList(109, tr("Fail &action:"));
        FillFailActions();
    }
    TorqueEdit = AddNumberField(203, tr("&Torque:"), &TorqueUnitLabel);
    TorqueUnitLabel->setProperty("controlId", 201);
    TorqueUnitLabel->setObjectName(QStringLiteral("torqueUnit"));

    auto* list = new ptMultiListBox(this, 103, flavour::kPneumatic ? 7 : 4);
    if (flavour::kPneumatic) {
        for (int c = 0; c < 4; ++c)
            list->ColumnWidth[c] *= 0.9f;
        list->ColumnWidth[5] *= 1.2f;
    }
    SetResultList(list);
    AddChartPane();
    AddStandardButtons(true);
}

void VnSizSpringReturnDlg::SetupWindow() {
    VnTorSizDlg::SetupWindow();
    const QString title = QString::fromStdString(ActuatorData->GetTitle());
    Caption = flavour::kPneumatic ? QStringLiteral("%1 %2 - %3").arg(Str(27), Str(3), title)
                                  : QStringLiteral("%1 - %2").arg(Str(601), title);
    setWindowTitle(Caption);

    ValveTypeCombo->setCurrentIndex(0);
    if (FailActionCombo)
        FailActionCombo->setCurrentIndex(0);
    LastValveType = 0;
    ValveTypeChosen(0);

    const QString unit = TorqueUnit();
    ResultList->SetHeader(0, Str(13), unit);
    ResultList->SetHeader(1, Str(111), unit);
    ResultList->SetHeader(2, Str(112), unit);
    if (flavour::kPneumatic) {
        ResultList->SetHeader(3, Str(128), unit);
        ResultList->SetHeaderLines(4, Str(42), Str(125));
        ResultList->SetHeader(5, Str(41));
        ResultList->SetHeader(6, Str(47));
    } else {
        ResultList->SetHeaderLines(3, Str(42), Str(125));
    }
    const std::vector<int> tips = flavour::kPneumatic ? std::vector<int>{238, 241, 242, 243, 244, 237, 245}
                                                      : std::vector<int>{238, 241, 242, 246};
    for (std::size_t c = 0; c < tips.size(); ++c)
        ResultList->SetHeaderTip(static_cast<int>(c), Str(tips[c]));
}

void VnSizSpringReturnDlg::CmCalculate() {
    if (PressureEdit && !CheckPressure())
        return;
    if (!HasTorque())
        return;
    const SizingInputs in{TorqueEdit->text().toStdString(),
                          TorqueEdit->GetValue(),
                          GetTorque(),
                          SafetyEdit->GetValue(),
                          RunningEdit->GetValue(),
                          SeatingEdit ? SeatingEdit->GetValue() : 0.0f,
                          GetPressure(),
                          FailActionCombo ? FailActionCombo->currentIndex() : 0,
                          Imperial()};
    int index = -1;
    const Row row = MakeRow(*ActuatorData, in, index);
    // rows are only ever cleared all at once, so the store follows the table
    rowRecords_.resize(static_cast<std::size_t>(ResultList->RowCount()));
    rowRecords_.push_back(index);
    ResultList->AddRow(row);
    std::string actuator;
    const SizingOutcome outcome = MakeOutcome(*ActuatorData, in, row, actuator);
    KeepRowChart(outcome, actuator);
    TorqueEdit->clear();
}

std::vector<std::string> VnSizSpringReturnDlg::DatasheetBody() const {
    const std::vector<TableColumn> columns = ResultList->Columns();
    if (flavour::kPneumatic)
        return SpringReturnScreenBody(Inputs(), columns);
    const std::size_t rows = columns.empty() ? 0 : columns[0].cells.size();
    return ElectricSizingScreenBody(Inputs(), columns, RowSuffixes(*ActuatorData, rowRecords_, rows, Imperial()));
}
