#include "gui/tools/actuator_speed_dialog.h"

#include "core/text/load_string.h"
#include "core/tools/actuator_speed.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"
#include "gui/tools/tool_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

VnActuatorSpeedDialog::VnActuatorSpeedDialog(ScreenContext& context, QWidget* parent, const std::string& actuatorFile)
    : VnScreen(context, parent), Data(actuatorFile) {
    setObjectName(QStringLiteral("dialog107"));
    setWindowTitle(QText(RangeCaption(42, 79, Data.GetTitle())));
    const bool imperial = Units() == 1;

    PressureEdit = new ptEditNum(this, 105, 8);
    PressureEdit->setObjectName(QStringLiteral("pressure"));
    PressureEdit->SetValue(Context.GetSettings().Pressure);
    FlowEdit = new ptEditNum(this, 101, 8);
    FlowEdit->setObjectName(QStringLiteral("flowCoefficient"));
    PressureUnit = ToolLabel(this, Str(imperial ? 46 : 45), 106, QStringLiteral("pressureUnit"));
    FlowUnit = ToolLabel(this, Str(imperial ? 81 : 80), 151, QStringLiteral("flowUnit"));

    auto* fields = new QGridLayout;
    QLabel* pressureLabel = ToolLabel(this, tr("Pressure"));
    pressureLabel->setBuddy(PressureEdit);
    QLabel* flowLabel = ToolLabel(this, tr("Flow Coëfficient"));
    flowLabel->setBuddy(FlowEdit);
    fields->addWidget(pressureLabel, 0, 0);
    fields->addWidget(PressureEdit, 0, 1);
    fields->addWidget(PressureUnit, 0, 2);
    fields->addWidget(flowLabel, 1, 0);
    fields->addWidget(FlowEdit, 1, 1);
    fields->addWidget(FlowUnit, 1, 2);
    fields->setColumnStretch(3, 1);

    ResultList = ToolTable(this, 2, 300, 260);
    SetToolHeaders(ResultList, ActuatorSpeedHeaders());
    SetToolHeaderTips(ResultList, {232, 251});
    PressureEdit->setToolTip(Str(imperial ? 211 : 210));
    FlowEdit->setToolTip(UnitTip(218, FlowUnit->text()));

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(ResultList, 1);

    QPushButton* calculate = ToolButton(this, 211, tr("&Calculate"), QStringLiteral("calculate"));
    calculate->setDefault(true);
    QPushButton* toFile = ToolButton(this, 400, tr("To &File"), QStringLiteral("toFile"));
    QPushButton* print = ToolButton(this, 110, tr("&Print"), QStringLiteral("print"));
    QPushButton* close = ToolButton(this, 2, tr("C&lose"), QStringLiteral("close"));
    connect(calculate, &QPushButton::clicked, this, &VnActuatorSpeedDialog::CmCalculate);
    connect(toFile, &QPushButton::clicked, this, &VnScreen::CmToFile);
    connect(print, &QPushButton::clicked, this, &VnScreen::CmPrint);
    AddPrintKey(print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(ButtonColumn({calculate, toFile, print, close}));
    FlowEdit->setFocus();
}

int VnActuatorSpeedDialog::Units() const {
    return Context.GetSettings().Units;
}

void VnActuatorSpeedDialog::CmCalculate() {
    std::vector<ToolRow> rows;
    const bool ok =
        ActuatorSpeedRows(Data, PressureEdit->text().toStdString(), FlowEdit->text().toStdString(), Units(), rows);
    ResultList->ClearList();
    if (!ok) {
        QMessageBox::warning(this, tr("Error"), Str(600));
        return;
    }
    AddToolRows(ResultList, rows);
}

std::string VnActuatorSpeedDialog::DatasheetTitle() const {
    return LoadString(8);
}

std::vector<std::string> VnActuatorSpeedDialog::DatasheetBody() const {
    return ActuatorSpeedDatasheetBody(PressureEdit->text().toStdString(), PressureUnit->text().toStdString(),
                                      FlowEdit->text().toStdString(), Units(), ResultList->Columns());
}
