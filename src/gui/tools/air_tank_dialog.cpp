#include "gui/tools/air_tank_dialog.h"

#include "core/text/load_string.h"
#include "core/tools/air_tank.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"
#include "gui/tools/tool_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

VnAirTankDialog::VnAirTankDialog(ScreenContext& context, QWidget* parent, const std::string& actuatorFile)
    : VnScreen(context, parent), Data(actuatorFile) {
    setObjectName(QStringLiteral("dialog108"));
    setWindowTitle(QText(RangeCaption(82, 83, Data.GetTitle())));
    const bool imperial = Units() == 1;

    ActuatorList = new QComboBox(this);
    ActuatorList->setProperty("controlId", 102);
    ActuatorList->setObjectName(QStringLiteral("actuatorList"));
    for (const std::string& name : AirTankActuatorNames(Data))
        ActuatorList->addItem(QText(name));
    ActuatorList->setCurrentIndex(ActuatorList->count() > 0 ? 0 : -1);

    PressureEdit = new ptEditNum(this, 105, 8);
    PressureEdit->setObjectName(QStringLiteral("pressure"));
    PressureEdit->SetValue(Context.GetSettings().Pressure);
    TankSizeEdit = new ptEditNum(this, 101, 8);
    TankSizeEdit->setObjectName(QStringLiteral("tankSize"));
    OperationsEdit = new ptEditNum(this, 107, 8);
    OperationsEdit->setObjectName(QStringLiteral("operations"));
    PressureUnit = ToolLabel(this, Str(imperial ? 46 : 45), 106, QStringLiteral("pressureUnit"));
    TankSizeUnit = ToolLabel(this, Str(imperial ? 62 : 61), 152, QStringLiteral("tankSizeUnit"));

    auto* fields = new QGridLayout;
    const struct {
        QString label;
        QWidget* field;
        QLabel* unit;
    } rows[] = {{tr("Actuator"), ActuatorList, nullptr},
                {tr("Pressure"), PressureEdit, PressureUnit},
                {tr("Tank Size"), TankSizeEdit, TankSizeUnit},
                {tr("Operations"), OperationsEdit, nullptr}};
    int row = 0;
    for (const auto& r : rows) {
        QLabel* label = ToolLabel(this, r.label);
        label->setBuddy(r.field);
        fields->addWidget(label, row, 0);
        fields->addWidget(r.field, row, 1);
        if (r.unit)
            fields->addWidget(r.unit, row, 2);
        ++row;
    }
    fields->setColumnStretch(3, 1);

    ResultList = ToolTable(this, 3, 360, 260);
    SetToolHeaders(ResultList, AirTankHeaders(Units()));
    SetToolHeaderTips(ResultList, {252, 253, 254});
    PressureEdit->setToolTip(Str(imperial ? 211 : 210));
    TankSizeEdit->setToolTip(UnitTip(219, TankSizeUnit->text()));
    OperationsEdit->setToolTip(Str(220));

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(ResultList, 1);

    QPushButton* calculate = ToolButton(this, 211, tr("&Calculate"), QStringLiteral("calculate"));
    calculate->setDefault(true);
    QPushButton* toFile = ToolButton(this, 400, tr("To &File"), QStringLiteral("toFile"));
    QPushButton* print = ToolButton(this, 110, tr("&Print"), QStringLiteral("print"));
    QPushButton* close = ToolButton(this, 2, tr("C&lose"), QStringLiteral("close"));
    connect(calculate, &QPushButton::clicked, this, &VnAirTankDialog::CmCalculate);
    connect(toFile, &QPushButton::clicked, this, &VnScreen::CmToFile);
    connect(print, &QPushButton::clicked, this, &VnScreen::CmPrint);
    AddPrintKey(print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(ButtonColumn({calculate, toFile, print, close}));
    ActuatorList->setFocus();
}

int VnAirTankDialog::Units() const {
    return Context.GetSettings().Units;
}

void VnAirTankDialog::CmCalculate() {
    ResultList->ClearList();
    AddToolRows(ResultList,
                AirTankRows(Data, ActuatorList->currentIndex(), PressureEdit->text().toStdString(),
                            TankSizeEdit->text().toStdString(), OperationsEdit->text().toStdString(), Units()));
}

std::string VnAirTankDialog::DatasheetTitle() const {
    return LoadString(9);
}

std::vector<std::string> VnAirTankDialog::DatasheetBody() const {
    return AirTankDatasheetBody(PressureEdit->text().toStdString(), PressureUnit->text().toStdString(),
                                ActuatorList->currentText().toStdString(), OperationsEdit->text().toStdString(),
                                TankSizeEdit->text().toStdString(), Units(), ResultList->Columns());
}
