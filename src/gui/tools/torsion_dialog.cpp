#include "gui/tools/torsion_dialog.h"

#include "core/text/load_string.h"
#include "core/tools/torsion.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"
#include "gui/tools/tool_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

VnTorsionDialog::VnTorsionDialog(ScreenContext& context, QWidget* parent) : VnScreen(context, parent) {
    setObjectName(QStringLiteral("dialog109"));
    setWindowTitle(tr("Calculations for Shaft Torsion"));
    const bool imperial = Units() == 1;
    const QString length = Str(imperial ? 60 : 59);

    TorqueEdit = new ptEditNum(this, 203, 8);
    TorqueEdit->setObjectName(QStringLiteral("torque"));
    DiameterEdit = new ptEditNum(this, 105, 8);
    DiameterEdit->setObjectName(QStringLiteral("diameter"));
    LengthEdit = new ptEditNum(this, 202, 8);
    LengthEdit->setObjectName(QStringLiteral("length"));

    auto* fields = new QGridLayout;
    const struct {
        QString label;
        ptEditNum* edit;
        QString unit;
        int unitId;
        const char* unitName;
    } rows[] = {{tr("Torque:"), TorqueEdit, Str(imperial ? 44 : 43), 201, "torqueUnit"},
                {tr("Shaft Diameter"), DiameterEdit, length, 106, "diameterUnit"},
                {tr("Shaft Length"), LengthEdit, length, 101, "lengthUnit"}};
    int row = 0;
    for (const auto& r : rows) {
        QLabel* label = ToolLabel(this, r.label);
        label->setBuddy(r.edit);
        fields->addWidget(label, row, 0);
        fields->addWidget(r.edit, row, 1);
        fields->addWidget(ToolLabel(this, r.unit, r.unitId, QString::fromLatin1(r.unitName)), row, 2);
        ++row;
    }
    fields->setColumnStretch(3, 1);

    ResultList = ToolTable(this, 5, 480, 220);
    SetToolHeaders(ResultList, TorsionHeaders(Units()));
    SetToolHeaderTips(ResultList, {255, 256, 257, 258, 259});
    TorqueEdit->setToolTip(UnitTip(221, Str(imperial ? 44 : 43)));
    DiameterEdit->setToolTip(UnitTip(222, length));
    LengthEdit->setToolTip(UnitTip(223, length));

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(ResultList, 1);

    QPushButton* calculate = ToolButton(this, 102, tr("&Calculate"), QStringLiteral("calculate"));
    calculate->setDefault(true);
    QPushButton* clear = ToolButton(this, 120, tr("Cl&ear"), QStringLiteral("clear"));
    QPushButton* toFile = ToolButton(this, 400, tr("To &File"), QStringLiteral("toFile"));
    QPushButton* print = ToolButton(this, 110, tr("&Print"), QStringLiteral("print"));
    QPushButton* close = ToolButton(this, 2, tr("C&lose"), QStringLiteral("close"));
    connect(calculate, &QPushButton::clicked, this, &VnTorsionDialog::CmCalculate);
    connect(clear, &QPushButton::clicked, this, &VnTorsionDialog::CmClear);
    connect(toFile, &QPushButton::clicked, this, &VnScreen::CmToFile);
    connect(print, &QPushButton::clicked, this, &VnScreen::CmPrint);
    AddPrintKey(print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(ButtonColumn({calculate, clear, toFile, print, close}));
    TorqueEdit->setFocus();
}

int VnTorsionDialog::Units() const {
    return Context.GetSettings().Units;
}

void VnTorsionDialog::CmCalculate() {
    AddToolRows(ResultList, {TorsionRow(TorqueEdit->text().toStdString(), DiameterEdit->text().toStdString(),
                                        LengthEdit->text().toStdString(), Units())});
}

void VnTorsionDialog::CmClear() {
    ResultList->ClearList();
}

std::string VnTorsionDialog::DatasheetTitle() const {
    return LoadString(119);
}

std::vector<std::string> VnTorsionDialog::DatasheetBody() const {
    return TorsionDatasheetBody(ResultList->Columns());
}
