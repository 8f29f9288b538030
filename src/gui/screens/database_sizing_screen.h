// VnDatabaseSizingDialog: sizes every valve size of one page of a valve torque database
// in one go. The pneumatic program shows the double-acting and the spring-return
// actuator with its spring set for each size; the electric program the electric
// actuator, with the break, running and seating torques it must deliver.
#pragma once

#include "gui/screens/calculation_screen.h"

#include <array>
#include <vector>

struct ValvePage;

class VnDatabaseSizingDialog : public VnTorSizDlg {
    Q_OBJECT
public:
    static constexpr int kPneumaticDialog = 110;
    static constexpr int kElectricDialog = 120;

    // Reads the actuator file (in the base) and the valve database.
    VnDatabaseSizingDialog(ScreenContext& context, QWidget* parent, const std::string& actuatorFile, const std::string& valveFile);
    ~VnDatabaseSizingDialog() override;

    const TorqueDatabase* GetDatabase() const { return Database.get(); }
    // The record chosen on each row of the table (-1: none), electric program only.
    const std::vector<int>& RowRecords() const { return rowRecords_; }

public slots:
    void CmSizing();
    void CmSelectValve();
    void CmClear() override;

protected:
    void SetupWindow() override;
    bool WriteDatasheetInto(Textfile& file) override;
    std::string DatasheetReference() const override;

private:
    void BuildInfoBlock();
    void ShowDatabase();
    void ApplyPage(int index);
    void FailActionChosen(int index);
    void ClearTable();
    // The page chosen in the list, null while the database is not usable.
    const ValvePage* SelectedPage() const;

    QComboBox* PageCombo = nullptr;
    // Valve, Page, Sizes, Drawing Nr, Data Date, From
    static constexpr std::array<int, 6> kInfoIds{135, 130, 131, 132, 133, 134};
    std::array<QLabel*, 6> Info{};
    int LastFailAction = 0;
    std::vector<int> rowRecords_;
};
