// VnTorSizDlg: the base of every torque and sizing screen. It owns the actuator data
// read when the screen opens, the pressure field with its unit label, the unit labels
// of torque, the change rule that empties the table when a shared input changes, the
// pressure check, the valve-type presets, the buttons and the generic datasheet body.
#pragma once

#include "core/chart/torque_chart.h"
#include "core/data/torque_database.h"
#include "core/sizing/datasheet_bodies.h"
#include "gui/common/flavour.h"
#include "gui/screens/screen.h"

#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class ptEditNum;
class ptMultiListBox;
class QCheckBox;
class VnChartView;

class VnTorSizDlg : public VnScreen {
    Q_OBJECT
public:
    // Reads the actuator file into ActuatorData; in the pneumatic program it also makes
    // the pressure field.
    VnTorSizDlg(ScreenContext& context, QWidget* parent, int dialogId, const std::string& actuatorFile);
    ~VnTorSizDlg() override;

    bool HasActuatorData() const override { return ActuatorData && ActuatorData->HasItems(); }

    // The pressure in bar (0 without a pressure field).
    float GetPressure() const;
    // 2 to 10 bar, both ends allowed; otherwise a message. False without a pressure field.
    bool CheckPressure();
    // The torque field in Nm, and back.
    float GetTorque() const;
    void SetTorque(float nm);
    bool HasTorque() const;
    bool Imperial() const;

    ptMultiListBox* GetResultList() const { return ResultList; }
    VnChartView* GetChartView() const { return ChartView; }

public slots:
    virtual void CmCalculate() {}
    virtual void CmClear();

protected:
    // Runs once, when the screen is first shown: pressure from the settings, unit
    // labels, safety factor 1.2. Derived screens call this first.
    virtual void SetupWindow();
    void showEvent(QShowEvent* event) override;

    std::vector<std::string> DatasheetBody() const override;
    // The input lines of the fields this screen has.
    InputLines Inputs() const;

    // Building the dialog: a row of the form, the table, the button row.
    ptEditNum* AddNumberField(int controlId, const QString& label, QLabel** unitLabel = nullptr);
    QComboBox* AddList(int controlId, const QString& label);
    void SetResultList(ptMultiListBox* list);
    // The chart pane beside the table, and its "Show chart" switch and "PDF..." button
    // among the standard buttons; call it after SetResultList.
    void AddChartPane();
    // The chart of a table row: by default from what CmCalculate kept with the row.
    virtual std::optional<TorqueChartData> ChartForRow(int row) const;
    // Keeps the sizing answer behind the row just added, for its chart, and charts the
    // selected row.
    void KeepRowChart(const SizingOutcome& outcome, const std::string& actuator);
    // Only keeps it: a screen that adds a page of rows charts once, after the last.
    void StoreRowChart(const SizingOutcome& outcome, const std::string& actuator);
    // The chart of the selected row, or of the newest when none is selected; none while
    // the pane is hidden.
    std::optional<TorqueChartData> DatasheetChart() const override;
    void ShowChartOf(int row);
    QPushButton* AddButton(int controlId, const QString& text);
    // Calculate (default), Clear when wanted, To File, Print and Close (2, or the
    // number a screen's own dialog gives it).
    void AddStandardButtons(bool withClear, bool withCalculate = true, int closeId = 2);
    // Empties the table when the field is left with another value than it had on entry.
    void WatchChanges(ptEditNum* field, float& valueAtFocus);
    // The valve types in their order, their presets on confirmation.
    void FillValveTypes();
    virtual void ValveTypeChosen(int index);
    void FillFailActions();
    // "[Nm]" or "[in.lb]" without the brackets.
    QString TorqueUnit() const;
    // Each input field says its unit and the values it takes.
    void SetFieldTips();

    std::unique_ptr<::ActuatorData> ActuatorData;
    std::unique_ptr<TorqueDatabase> Database;
    ptMultiListBox* ResultList = nullptr;
    ptEditNum* PressureEdit = nullptr;
    QLabel* PressureUnitLabel = nullptr;
    QLabel* TorqueUnitLabel = nullptr;
    ptEditNum* TorqueEdit = nullptr;
    ptEditNum* SafetyEdit = nullptr;
    ptEditNum* SeatingEdit = nullptr;
    ptEditNum* RunningEdit = nullptr;
    QComboBox* ValveTypeCombo = nullptr;
    QComboBox* FailActionCombo = nullptr;
    QString Caption;
    float PressureAtFocus = 0;
    float SafetyAtFocus = 0;
    float SeatingAtFocus = 0;
    float RunningAtFocus = 0;
    int LastValveType = 0;

    QGridLayout* Form;
    QHBoxLayout* ButtonRow;
    QVBoxLayout* MainLayout;

    VnChartView* ChartView = nullptr;
    QCheckBox* ChartToggle = nullptr;
    std::vector<std::pair<SizingOutcome, ChartInputs>> RowCharts;

private:
    void WidenForHeaders();

    bool setUp_ = false;
};
