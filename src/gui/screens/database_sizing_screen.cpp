#include "gui/screens/database_sizing_screen.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/report/table_text.h"
#include "core/sizing/result_rows.h"
#include "core/sizing/selection.h"
#include "core/sizing/sizing.h"
#include "gui/common/messages.h"
#include "gui/common/remembered.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

struct SizingInputs {
    float pressure;
    float safety;
    float seating;
    float running;
    int action;
    bool imperial;
};

// One overload per kind of actuator data; a program uses the one of its own kind.
[[maybe_unused]] std::vector<Row> SizePage(const TorqueT& data, const ValvePage& page, const SizingInputs& in,
                                           std::vector<int>&) {
    return DatabaseRows(data, page, in.pressure, in.safety, in.seating, in.running, in.action, in.imperial);
}

[[maybe_unused]] std::vector<Row> SizePage(const TorqueE& data, const ValvePage& page, const SizingInputs& in,
                                           std::vector<int>& records) {
    return DatabaseRows(data, page, in.safety, in.seating, in.running, in.imperial, records);
}

// The answers behind the rows, for their charts: the spring-return choice of the pneumatic
// table, the electric choice of the electric one.
[[maybe_unused]] std::vector<SizingOutcome> PageOutcomes(const TorqueT& data, const ValvePage& page,
                                                         const SizingInputs& in) {
    // one search for the page, as its rows had: the balanced spring counts once, not once per size
    const SpringReturnSearch search(data, in.pressure, in.running, in.seating, in.action);
    std::vector<SizingOutcome> outcomes;
    outcomes.reserve(page.sizes.size());
    for (const ValveSize& size : page.sizes)
        outcomes.push_back(SizeSpringReturn(search, size.torque, in.safety));
    return outcomes;
}

[[maybe_unused]] std::vector<SizingOutcome> PageOutcomes(const TorqueE& data, const ValvePage& page,
                                                         const SizingInputs& in) {
    std::vector<SizingOutcome> outcomes;
    outcomes.reserve(page.sizes.size());
    for (const ValveSize& size : page.sizes)
        outcomes.push_back(SizeElectric(data, size.torque, in.safety, in.running, in.seating));
    return outcomes;
}

// The actuator a row names, for its chart's title.
[[maybe_unused]] std::string ChartActuator(const TorqueT&, const Row& row) {
    return row.size() > 4 ? row[4] : std::string();
}

[[maybe_unused]] std::string ChartActuator(const TorqueE&, const Row& row) {
    return row.size() > 5 ? row[5] : std::string();
}

[[maybe_unused]] std::vector<std::string> RowSuffix(const TorqueT&, const std::vector<int>&, std::size_t, bool) {
    return {};
}

// Only rows that a Sizing wrote have a record; the table never has more rows than that.
[[maybe_unused]] std::vector<std::string> RowSuffix(const TorqueE& data, const std::vector<int>& records,
                                                    std::size_t rows, bool imperial) {
    std::vector<std::string> suffix;
    for (std::size_t r = 0; r < rows && r < records.size(); ++r) {
        const int index = records[r];
        const bool found = index >= 0 && index < data.GetCount();
        const TorqueEItem& item = data.Item(index);
        suffix.push_back(ElectricTorqueSuffix(found, item.breakSeatTorque, item.runTorque, imperial));
    }
    return suffix;
}

} // namespace

VnDatabaseSizingDialog::VnDatabaseSizingDialog(ScreenContext& context, QWidget* parent, const std::string& actuatorFile,
                                               const std::string& valveFile)
    : VnTorSizDlg(context, parent, flavour::kPneumatic ? kPneumaticDialog : kElectricDialog, actuatorFile) {
    Database = std::make_unique<TorqueDatabase>(valveFile);

    SafetyEdit = AddNumberField(202, tr("Safe&ty factor:"));
    WatchChanges(SafetyEdit, SafetyAtFocus);
    // the series fixes these two; only the safety margin is the engineer's
    SeatingEdit = AddNumberField(107, tr("Seating factor:"));
    SeatingEdit->setEnabled(false);
    RunningEdit = AddNumberField(108, tr("Running factor:"));
    RunningEdit->setEnabled(false);
    if (flavour::kPneumatic) {
        FailActionCombo = AddList(109, tr("Fail &action:"));
        FillFailActions();
        connect(FailActionCombo, &QComboBox::activated, this, [this](int index) { FailActionChosen(index); });
    }
    Form->setRowStretch(Form->rowCount(), 1);

    auto* list = new ptMultiListBox(this, 103, 6);
    if (flavour::kPneumatic) {
        const float widths[6] = {0.65f, 0.8f, 0.8f, 1.35f, 1.35f, 1.0f};
        for (int c = 0; c < 6; ++c)
            list->ColumnWidth[c] *= widths[c];
    } else {
        list->ColumnWidth[5] *= 1.4f;
    }
    SetResultList(list);
    AddChartPane();
    BuildInfoBlock();

    QPushButton* select = AddButton(104, tr("Select &Valve"));
    connect(select, &QPushButton::clicked, this, &VnDatabaseSizingDialog::CmSelectValve);
    QPushButton* sizing = AddButton(211, tr("&Sizing"));
    sizing->setDefault(true);
    connect(sizing, &QPushButton::clicked, this, &VnDatabaseSizingDialog::CmSizing);
    AddStandardButtons(true, false, 1);

    // the series first, then its inputs, as they stand on the screen
    QWidget* previous = PageCombo;
    for (QWidget* next : {static_cast<QWidget*>(PressureEdit), static_cast<QWidget*>(SafetyEdit),
                          static_cast<QWidget*>(FailActionCombo)}) {
        if (!next)
            continue;
        setTabOrder(previous, next);
        previous = next;
    }
}

VnDatabaseSizingDialog::~VnDatabaseSizingDialog() = default;

void VnDatabaseSizingDialog::BuildInfoBlock() {
    auto* pageRow = new QHBoxLayout;
    PageCombo = new QComboBox(this);
    PageCombo->setProperty("controlId", 114);
    PageCombo->setObjectName(QStringLiteral("list114"));
    PageCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(PageCombo, &QComboBox::activated, this, [this](int index) { ApplyPage(index); });
    auto* pageLabel = new QLabel(tr("Pa&ge:"), this);
    pageLabel->setBuddy(PageCombo);
    pageRow->addWidget(pageLabel);
    pageRow->addWidget(PageCombo);
    pageRow->addStretch(1);

    auto* group = new QGroupBox(tr("Valve database"), this);
    auto* grid = new QGridLayout(group);
    const QString labels[6] = {tr("Valve:"),      tr("Page:"),      tr("Sizes:"),
                               tr("Drawing Nr:"), tr("Data Date:"), tr("From:")};
    for (int i = 0; i < 6; ++i) {
        auto* value = new QLabel(group);
        value->setProperty("controlId", kInfoIds[i]);
        value->setObjectName(QStringLiteral("info%1").arg(kInfoIds[i]));
        // file contents, never markup
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(160);
        grid->addWidget(new QLabel(labels[i], group), i, 0);
        grid->addWidget(value, i, 1);
        Info[i] = value;
    }
    grid->setColumnStretch(1, 1);

    // the series on the left, the inputs beside it, both above the table
    MainLayout->removeItem(Form);
    auto* middle = new QHBoxLayout;
    middle->addWidget(group, 1);
    middle->addSpacing(12);
    middle->addLayout(Form);
    MainLayout->insertLayout(0, pageRow);
    MainLayout->insertLayout(1, middle);
}

void VnDatabaseSizingDialog::SetupWindow() {
    VnTorSizDlg::SetupWindow();
    const QString unit = QLatin1Char('[') + TorqueUnit() + QLatin1Char(']');
    if (flavour::kPneumatic) {
        ResultList->SetHeaderLines(0, Str(99));
        ResultList->SetHeaderLines(1, Str(13), unit);
        ResultList->SetHeaderLines(2, Str(13), Str(51));
        ResultList->SetHeaderLines(3, Str(42), Str(2));
        ResultList->SetHeaderLines(4, Str(42), Str(3));
        ResultList->SetHeaderLines(5, Str(41));
    } else {
        ResultList->SetHeaderLines(0, Str(99));
        ResultList->SetHeaderLines(1, Str(13), unit);
        ResultList->SetHeaderLines(2, Str(111), unit);
        ResultList->SetHeaderLines(3, Str(112), unit);
        ResultList->SetHeaderLines(4, Str(128), unit);
        ResultList->SetHeaderLines(5, Str(42), Str(125));
    }
    const int pneumaticTips[6] = {247, 248, 239, 249, 250, 237};
    const int electricTips[6] = {247, 248, 241, 242, 243, 246};
    for (int c = 0; c < 6; ++c)
        ResultList->SetHeaderTip(c, Str(flavour::kPneumatic ? pneumaticTips[c] : electricTips[c]));
    if (FailActionCombo) {
        FailActionCombo->setCurrentIndex(0);
        LastFailAction = 0;
    }
    ShowDatabase();
    PageCombo->setFocus();
}

void VnDatabaseSizingDialog::ShowDatabase() {
    const bool actuatorsRead = ActuatorData->GetStatus() == 0;
    const bool usable = Database && Database->IsUsable();
    const QString unread = QStringLiteral("***");
    Caption = QStringLiteral("%1 %2 - %3, %4")
                  .arg(Str(98), Str(27), actuatorsRead ? FromStd(ActuatorData->GetTitle()) : unread,
                       usable ? FromStd(Database->valveName) : unread);
    setWindowTitle(Caption);

    PageCombo->clear();
    for (QLabel* info : Info)
        info->clear();
    if (!usable)
        return;
    for (const ValvePage& page : Database->pages)
        PageCombo->addItem(FromStd(page.name));
    PageCombo->setCurrentIndex(0);
    ApplyPage(0);
}

const ValvePage* VnDatabaseSizingDialog::SelectedPage() const {
    const int index = PageCombo->currentIndex();
    if (!Database || !Database->IsUsable() || index < 0 || index >= Database->GetPageCount())
        return nullptr;
    return &Database->pages[static_cast<std::size_t>(index)];
}

void VnDatabaseSizingDialog::ApplyPage(int index) {
    if (!Database || !Database->IsUsable() || index < 0 || index >= Database->GetPageCount())
        return;
    const ValvePage& page = Database->pages[static_cast<std::size_t>(index)];
    if (PressureEdit) {
        PressureEdit->SetValue(Context.GetSettings().Pressure);
        PressureAtFocus = PressureEdit->GetValue();
    }
    SafetyEdit->SetValue(page.safetyFactor);
    SafetyAtFocus = SafetyEdit->GetValue();
    SeatingEdit->SetValue(page.seatFactor);
    SeatingAtFocus = SeatingEdit->GetValue();
    RunningEdit->SetValue(page.runFactor);
    RunningAtFocus = RunningEdit->GetValue();

    Info[0]->setText(FromStd(Database->valveName));
    Info[1]->setText(QStringLiteral("%1 %2 %3").arg(index + 1).arg(Str(100)).arg(Database->GetPageCount()));
    Info[2]->setText(QString::number(page.SizeCount()));
    Info[3]->setText(FromStd(page.drawingNr));
    Info[4]->setText(FromStd(page.dataDate));
    Info[5]->setText(FromStd(page.from));
    ClearTable();
}

void VnDatabaseSizingDialog::FailActionChosen(int index) {
    if (index != LastFailAction)
        ClearTable();
    LastFailAction = index;
}

void VnDatabaseSizingDialog::ClearTable() {
    ResultList->ClearList();
    rowRecords_.clear();
}

void VnDatabaseSizingDialog::CmClear() {
    ClearTable();
}

void VnDatabaseSizingDialog::CmSizing() {
    ClearTable();
    if (!ActuatorData->HasItems() || ActuatorData->GetStatus() != 0) {
        ShowError(this, Str(104));
        return;
    }
    if (!Database || !Database->IsUsable()) {
        ShowError(this, Str(500));
        return;
    }
    if (PressureEdit && !CheckPressure())
        return;
    const ValvePage* page = SelectedPage();
    if (!page)
        return;
    const SizingInputs in{GetPressure(),
                          SafetyEdit->GetValue(),
                          SeatingEdit->GetValue(),
                          RunningEdit->GetValue(),
                          FailActionCombo ? FailActionCombo->currentIndex() : 0,
                          Imperial()};
    const std::vector<Row> rows = SizePage(*ActuatorData, *page, in, rowRecords_);
    const std::vector<SizingOutcome> outcomes = PageOutcomes(*ActuatorData, *page, in);
    for (std::size_t r = 0; r < rows.size() && r < outcomes.size(); ++r) {
        ResultList->AddRow(rows[r]);
        StoreRowChart(outcomes[r], ChartActuator(*ActuatorData, rows[r]));
    }
    ShowChartOf(ResultList->GetSelIndex());
}

void VnDatabaseSizingDialog::CmSelectValve() {
    const QString current = FromStd(Database ? Database->GetFileName() : Context.GetSettings().ValveFile);
    const QString folder = RememberedFolder(
        dialog_folder::SelectValve, current.isEmpty() ? QDir::currentPath() : QFileInfo(current).absolutePath());
    const QString chosen =
        QFileDialog::getOpenFileName(this, Str(23), folder, QStringLiteral("Valve Files (*);;All Files (*)"));
    if (chosen.isEmpty())
        return;
    RememberFolder(dialog_folder::SelectValve, chosen);
    auto fresh = std::make_unique<TorqueDatabase>(chosen.toStdString());
    if (!fresh->IsUsable()) {
        ShowError(this, Str(101));
        return;
    }
    Database = std::move(fresh);
    ShowDatabase();
}

std::string VnDatabaseSizingDialog::DatasheetReference() const {
    const ValvePage* page = SelectedPage();
    return page ? page->drawingNr : std::string();
}

bool VnDatabaseSizingDialog::WriteDatasheetInto(Textfile& file) {
    DatabaseSheet sheet;
    const ValvePage* page = SelectedPage();
    // the series lines and the source describe a chosen page; without one there is none
    sheet.hasDatabase = page != nullptr;
    if (page) {
        sheet.valveName = Database->valveName;
        sheet.pageName = page->name;
        sheet.source = page->from;
    }
    sheet.inputs.actuatorTitle = ActuatorData->GetTitle();
    if (PressureEdit) {
        sheet.inputs.pressure = PressureEdit->GetValue();
        sheet.inputs.pressureUnit = PressureUnitLabel ? PressureUnitLabel->text().toStdString() : std::string();
    }
    if (FailActionCombo)
        sheet.inputs.action = FailActionCombo->currentText().toStdString();
    sheet.columns = ResultList->Columns();
    sheet.electric = !flavour::kPneumatic;
    const std::size_t rows = sheet.columns.empty() ? 0 : sheet.columns[0].cells.size();
    sheet.rowSuffix = RowSuffix(*ActuatorData, rowRecords_, rows, Imperial());
    sheet.safety = SafetyEdit->GetValue();
    sheet.seatingText = SeatingEdit->text().toStdString();
    sheet.runningText = RunningEdit->text().toStdString();
    sheet.imperial = Imperial();
    return WriteDatabaseDatasheet(file, MakeDatasheetFrame(), DatasheetTitle(), sheet);
}
