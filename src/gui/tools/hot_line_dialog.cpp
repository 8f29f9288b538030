#include "gui/tools/hot_line_dialog.h"

#include "core/text/load_string.h"
#include "core/tools/hot_line.h"
#include "gui/common/messages.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"
#include "gui/tools/tool_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

VnHotLineActuatorDialog::VnHotLineActuatorDialog(ScreenContext& context, QWidget* parent) : VnScreen(context, parent) {
    setObjectName(QStringLiteral("dialog106"));
    setWindowTitle(tr("Hot Line Actuators"));

    FluidEdit = new ptEditNum(this, 101, 0);
    FluidEdit->setObjectName(QStringLiteral("fluidTemperature"));
    AmbientEdit = new ptEditNum(this, 102, 0);
    AmbientEdit->setObjectName(QStringLiteral("ambientTemperature"));
    InstrumentEdit = new ptEditNum(this, 103, 0);
    InstrumentEdit->setObjectName(QStringLiteral("instrumentTemperature"));

    const QString unit = Str(Units() == 1 ? 53 : 52);
    auto* fields = new QGridLayout;
    const struct {
        QString label;
        ptEditNum* edit;
        int unitId;
        const char* unitName;
    } rows[] = {{tr("Fluid Temperature"), FluidEdit, 106, "fluidUnit"},
                {tr("Ambient Temperature"), AmbientEdit, 107, "ambientUnit"},
                {tr("Maximum Instrument Temperature"), InstrumentEdit, 108, "instrumentUnit"}};
    int row = 0;
    for (const auto& r : rows) {
        QLabel* label = ToolLabel(this, r.label);
        label->setBuddy(r.edit);
        fields->addWidget(label, row, 0);
        fields->addWidget(r.edit, row, 1);
        fields->addWidget(ToolLabel(this, unit, r.unitId, QString::fromLatin1(r.unitName)), row, 2);
        ++row;
    }
    fields->setColumnStretch(1, 1);
    FluidEdit->setToolTip(UnitTip(224, unit));
    AmbientEdit->setToolTip(UnitTip(225, unit));
    InstrumentEdit->setToolTip(UnitTip(226, unit));

    ResultBox = new QPlainTextEdit(this);
    ResultBox->setProperty("controlId", 105);
    ResultBox->setObjectName(QStringLiteral("resultBox"));
    ResultBox->setTabChangesFocus(true);
    ResultBox->setMinimumSize(380, 90);

    QLabel* note =
        ToolLabel(this, tr("Note: Height is from the surface of the pipe to the nearest point on the actuator."), 104,
                  QStringLiteral("note"));
    note->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addSpacing(8);
    left->addWidget(ToolLabel(this, tr("Calculation Result")));
    left->addWidget(ResultBox, 1);
    left->addWidget(note);

    QPushButton* calculate = ToolButton(this, 211, tr("&Calculate"), QStringLiteral("calculate"));
    calculate->setDefault(true);
    QPushButton* print = ToolButton(this, 110, tr("&Print"), QStringLiteral("print"));
    QPushButton* toFile = ToolButton(this, 400, tr("To &File"), QStringLiteral("toFile"));
    QPushButton* close = ToolButton(this, 1, tr("C&lose"), QStringLiteral("close"));
    connect(calculate, &QPushButton::clicked, this, &VnHotLineActuatorDialog::CmCalculate);
    connect(print, &QPushButton::clicked, this, &VnHotLineActuatorDialog::CmPrintCalculated);
    AddPrintKey(print);
    connect(toFile, &QPushButton::clicked, this, &VnScreen::CmToFile);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(ButtonColumn({calculate, print, toFile, close}));
    FluidEdit->setFocus();
}

int VnHotLineActuatorDialog::Units() const {
    return Context.GetSettings().Units;
}

void VnHotLineActuatorDialog::CmCalculate() {
    const HotLineResult result = CalculateHotLine(FluidEdit->text().toStdString(), AmbientEdit->text().toStdString(),
                                                  InstrumentEdit->text().toStdString(), Units());
    Height = result.height;
    ResultBox->setPlainText(QText(result.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void VnHotLineActuatorDialog::CmPrintCalculated() {
    CmCalculate();
    CmPrint();
}

std::string VnHotLineActuatorDialog::DatasheetTitle() const {
    return LoadString(96);
}

std::vector<std::string> VnHotLineActuatorDialog::DatasheetBody() const {
    return HotLineDatasheetBody(FluidEdit->text().toStdString(), AmbientEdit->text().toStdString(),
                                InstrumentEdit->text().toStdString(), Height,
                                ResultBoxLines(ResultBox->toPlainText().toStdString()), Units());
}
