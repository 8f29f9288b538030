#include "gui/screens/calculation_screen.h"

#include "core/sizing/sizing.h"
#include "core/units/conversions.h"
#include "gui/chart/chart_view.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

VnTorSizDlg::VnTorSizDlg(ScreenContext& context, QWidget* parent, int dialogId, const std::string& actuatorFile)
    : VnScreen(context, parent), ActuatorData(std::make_unique<::ActuatorData>(actuatorFile)), Form(new QGridLayout),
      ButtonRow(new QHBoxLayout), MainLayout(new QVBoxLayout(this)) {
    setObjectName(QStringLiteral("dialog%1").arg(dialogId));
    setProperty("dialogId", dialogId);
    Form->setColumnStretch(3, 1);
    MainLayout->addLayout(Form);
    MainLayout->addLayout(ButtonRow);
    if (flavour::kPneumatic) {
        PressureEdit = AddNumberField(105, tr("Press&ure:"), &PressureUnitLabel);
        PressureUnitLabel->setProperty("controlId", 106);
        PressureUnitLabel->setObjectName(QStringLiteral("pressureUnit"));
        WatchChanges(PressureEdit, PressureAtFocus);
    }
}

VnTorSizDlg::~VnTorSizDlg() = default;

bool VnTorSizDlg::Imperial() const {
    return Context.GetSettings().Units == Settings::Imperial;
}

QString VnTorSizDlg::TorqueUnit() const {
    return Str(Imperial() ? 44 : 43);
}

ptEditNum* VnTorSizDlg::AddNumberField(int controlId, const QString& label, QLabel** unitLabel) {
    const int row = Form->rowCount();
    auto* field = new ptEditNum(this, controlId, 0);
    field->setObjectName(QStringLiteral("edit%1").arg(controlId));
    auto* text = new QLabel(label, this);
    text->setBuddy(field);
    Form->addWidget(text, row, 0);
    Form->addWidget(field, row, 1);
    if (unitLabel) {
        *unitLabel = new QLabel(this);
        Form->addWidget(*unitLabel, row, 2);
    }
    return field;
}

QComboBox* VnTorSizDlg::AddList(int controlId, const QString& label) {
    const int row = Form->rowCount();
    auto* list = new QComboBox(this);
    list->setProperty("controlId", controlId);
    list->setObjectName(QStringLiteral("list%1").arg(controlId));
    auto* text = new QLabel(label, this);
    text->setBuddy(list);
    Form->addWidget(text, row, 0);
    Form->addWidget(list, row, 1);
    return list;
}

void VnTorSizDlg::SetResultList(ptMultiListBox* list) {
    ResultList = list;
    list->setMinimumSize(560, 240);
    MainLayout->insertWidget(1, list, 1);
}

void VnTorSizDlg::AddChartPane() {
    ChartView = new VnChartView(this);
    auto* panes = new QHBoxLayout;
    MainLayout->removeWidget(ResultList);
    // the table keeps the width its columns ask for; the chart takes what is left
    panes->addWidget(ResultList, 0);
    panes->addWidget(ChartView, 1);
    MainLayout->insertLayout(1, panes, 1);

    // the switch goes under the fields: the button row has no room left in every language
    ChartToggle = new QCheckBox(Str(190), this);
    ChartToggle->setObjectName(QStringLiteral("chartToggle"));
    Form->addWidget(ChartToggle, Form->rowCount(), 1, 1, 2);
    const bool shown = QSettings().value(QStringLiteral("chart/visible"), true).toBool();
    ChartToggle->setChecked(shown);
    ChartView->setVisible(shown);
    connect(ChartToggle, &QCheckBox::toggled, this, [this](bool on) {
        ChartView->setVisible(on);
        QSettings().setValue(QStringLiteral("chart/visible"), on);
        ShowChartOf(ResultList->GetSelIndex());
    });
    connect(ResultList, &ptMultiListBox::selectionChanged, this, &VnTorSizDlg::ShowChartOf);
    connect(ResultList, &ptMultiListBox::cleared, this, [this] {
        RowCharts.clear();
        ChartView->ClearChart();
    });
}

std::optional<TorqueChartData> VnTorSizDlg::ChartForRow(int row) const {
    if (row < 0 || row >= static_cast<int>(RowCharts.size()))
        return std::nullopt;
    const auto& [outcome, inputs] = RowCharts[static_cast<std::size_t>(row)];
    return MakeTorqueChart(outcome, inputs);
}

void VnTorSizDlg::KeepRowChart(const SizingOutcome& outcome, const std::string& actuator) {
    StoreRowChart(outcome, actuator);
    ShowChartOf(ResultList->GetSelIndex());
}

void VnTorSizDlg::StoreRowChart(const SizingOutcome& outcome, const std::string& actuator) {
    if (!ChartView)
        return;
    ChartInputs inputs;
    inputs.actuator = actuator;
    inputs.imperial = Imperial();
    inputs.hasPressure = PressureEdit != nullptr && outcome.rule != SizingRule::Electric;
    inputs.pressure = PressureEdit ? PressureEdit->GetValue() : 0.0f;
    // the store follows the table, which is only ever emptied as a whole
    RowCharts.resize(static_cast<std::size_t>(std::max(0, ResultList->RowCount() - 1)));
    RowCharts.emplace_back(outcome, inputs);
}

void VnTorSizDlg::ShowChartOf(int row) {
    if (!ChartView || ChartView->isHidden())
        return;
    if (row < 0)
        row = ResultList->RowCount() - 1;
    if (const std::optional<TorqueChartData> chart = ChartForRow(row))
        ChartView->SetChart(*chart);
    else
        ChartView->ClearChart();
}

std::optional<TorqueChartData> VnTorSizDlg::DatasheetChart() const {
    if (!ChartView || !ChartToggle->isChecked() || !ResultList)
        return std::nullopt;
    const int selected = ResultList->GetSelIndex();
    return ChartForRow(selected >= 0 ? selected : ResultList->RowCount() - 1);
}

QPushButton* VnTorSizDlg::AddButton(int controlId, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setProperty("controlId", controlId);
    button->setObjectName(QStringLiteral("button%1").arg(controlId));
    button->setAutoDefault(false);
    ButtonRow->addWidget(button);
    return button;
}

void VnTorSizDlg::AddStandardButtons(bool withClear, bool withCalculate, int closeId) {
    if (withCalculate) {
        QPushButton* calculate = AddButton(102, tr("&Calculate"));
        calculate->setDefault(true);
        connect(calculate, &QPushButton::clicked, this, [this] { CmCalculate(); });
    }
    if (withClear)
        connect(AddButton(120, tr("Cl&ear")), &QPushButton::clicked, this, [this] { CmClear(); });
    connect(AddButton(400, tr("To &File")), &QPushButton::clicked, this, &VnScreen::CmToFile);
    QPushButton* print = AddButton(110, tr("&Print"));
    connect(print, &QPushButton::clicked, this, &VnScreen::CmPrint);
    AddPrintKey(print);
    if (ChartView) {
        connect(AddButton(130, Str(191)), &QPushButton::clicked, this, &VnScreen::CmPdf);
    }
    ButtonRow->addStretch(1);
    connect(AddButton(closeId, tr("C&lose")), &QPushButton::clicked, this, &QDialog::reject);
}

void VnTorSizDlg::WatchChanges(ptEditNum* field, float& valueAtFocus) {
    connect(field, &ptEditNum::focusIn, this, [field, &valueAtFocus] { valueAtFocus = field->GetValue(); });
    connect(field, &ptEditNum::focusOut, this, [this, field, &valueAtFocus] {
        if (field->GetValue() != valueAtFocus && ResultList)
            ResultList->ClearList();
    });
}

void VnTorSizDlg::FillValveTypes() {
    for (int id : kValveTypeStrings)
        ValveTypeCombo->addItem(Str(id));
    connect(ValveTypeCombo, &QComboBox::activated, this, [this](int index) { ValveTypeChosen(index); });
}

void VnTorSizDlg::FillFailActions() {
    for (int id : {34, 33})
        FailActionCombo->addItem(Str(id));
}

void VnTorSizDlg::ValveTypeChosen(int index) {
    if (index >= 0 && index < 3) {
        const ValveTypePreset& preset = kValveTypePresets[index];
        if (RunningEdit) {
            RunningEdit->SetValue(preset.running);
            RunningAtFocus = RunningEdit->GetValue();
        }
        if (SeatingEdit) {
            SeatingEdit->SetValue(preset.seating);
            SeatingAtFocus = SeatingEdit->GetValue();
        }
    }
    if (index != LastValveType && ResultList)
        ResultList->ClearList();
    LastValveType = index;
}

void VnTorSizDlg::showEvent(QShowEvent* event) {
    if (!setUp_) {
        setUp_ = true;
        SetupWindow();
        RestoreSize();
        WidenForHeaders();
    }
    VnScreen::showEvent(event);
}

void VnTorSizDlg::WidenForHeaders() {
    // the chart stands beside the table only where the screen has room for both; the
    // switch then shows it on request, over the table's width
    if (ChartView && !ChartView->isHidden() && screen() &&
        sizeHint().width() > screen()->availableGeometry().width() - (frameGeometry().width() - width())) {
        const QSignalBlocker quiet(ChartToggle);
        ChartToggle->setChecked(false);
        ChartView->hide();
        MainLayout->activate();
        resize(sizeHint().width(), height());
    }
    // the window took its size before SetupWindow gave the table its headers; it grows,
    // within the screen, rather than open on a table that scrolls. The dialog places
    // itself after this, so it is centred at its new width.
    int wider = sizeHint().width() - width();
    if (const QScreen* shown = screen())
        wider = std::min(wider, shown->availableGeometry().width() - frameGeometry().width());
    if (wider > 0)
        resize(width() + wider, height());
}

void VnTorSizDlg::SetupWindow() {
    if (PressureEdit) {
        PressureEdit->SetValue(Context.GetSettings().Pressure);
        PressureAtFocus = PressureEdit->GetValue();
    }
    if (PressureUnitLabel)
        PressureUnitLabel->setText(Str(Imperial() ? 46 : 45));
    if (TorqueUnitLabel)
        TorqueUnitLabel->setText(TorqueUnit());
    if (SafetyEdit) {
        SafetyEdit->SetValue(kDefaultSafety);
        SafetyAtFocus = SafetyEdit->GetValue();
    }
    if (ValveTypeCombo)
        LastValveType = ValveTypeCombo->currentIndex();
    SetFieldTips();
}

void VnTorSizDlg::SetFieldTips() {
    if (PressureEdit)
        PressureEdit->setToolTip(Str(Imperial() ? 211 : 210));
    if (SafetyEdit)
        SafetyEdit->setToolTip(Str(212));
    if (SeatingEdit)
        SeatingEdit->setToolTip(Str(213));
    if (RunningEdit)
        RunningEdit->setToolTip(Str(214));
    if (TorqueEdit)
        TorqueEdit->setToolTip(Str(215).replace(QStringLiteral("%s"), TorqueUnit()));
}

float VnTorSizDlg::GetPressure() const {
    if (!PressureEdit)
        return 0;
    const float value = PressureEdit->GetValue();
    return Imperial() ? PsiToBar(value) : value;
}

bool VnTorSizDlg::CheckPressure() {
    if (!PressureEdit)
        return false;
    const float p = GetPressure();
    if (p >= 2.0f && p <= 10.0f)
        return true;
    // NaN is neither, and counts as too low
    ShowError(this, Str(55) + QLatin1Char(' ') + Str(p > 10.0f ? 15 : 14));
    return false;
}

float VnTorSizDlg::GetTorque() const {
    if (!TorqueEdit)
        return 0;
    const float value = TorqueEdit->GetValue();
    return Imperial() ? InLbToNm(value) : value;
}

void VnTorSizDlg::SetTorque(float nm) {
    if (TorqueEdit)
        TorqueEdit->SetValue(Imperial() ? NmToInLb(nm) : nm);
}

bool VnTorSizDlg::HasTorque() const {
    return TorqueEdit && !TorqueEdit->text().isEmpty();
}

void VnTorSizDlg::CmClear() {
    if (ResultList)
        ResultList->ClearList();
}

InputLines VnTorSizDlg::Inputs() const {
    InputLines in;
    in.actuatorTitle = ActuatorData->GetTitle();
    if (PressureEdit) {
        in.pressure = PressureEdit->GetValue();
        in.pressureUnit = PressureUnitLabel ? PressureUnitLabel->text().toStdString() : std::string();
    }
    if (ValveTypeCombo)
        in.valveType = ValveTypeCombo->currentText().toStdString();
    if (SafetyEdit)
        in.safety = SafetyEdit->GetValue();
    if (SeatingEdit)
        in.seating = SeatingEdit->GetValue();
    if (RunningEdit)
        in.running = RunningEdit->GetValue();
    if (FailActionCombo)
        in.action = FailActionCombo->currentText().toStdString();
    return in;
}

std::vector<std::string> VnTorSizDlg::DatasheetBody() const {
    return GenericScreenBody(Inputs(), ResultList ? ResultList->Columns() : std::vector<TableColumn>{});
}
