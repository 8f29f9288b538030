#include "gui/screens/spring_return_torque_screen.h"

#include "core/data/torque_e.h"
#include "core/data/torque_t.h"
#include "core/sizing/result_rows.h"
#include "core/text/text_util.h"
#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"
#include "gui/controls/number_edit.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace {

// The electric program builds this file too, but has no such table.
template <class Data> std::vector<Row> TorqueRows(const Data& data, float pressure, int offset, bool imperial) {
    if constexpr (std::is_same_v<Data, TorqueT>)
        return SpringReturnTorqueRows(data, pressure, offset, imperial);
    else
        return {};
}

} // namespace

VnTorSpringRetDlg::VnTorSpringRetDlg(ScreenContext& context, QWidget* parent, const std::string& actuatorFile)
    : VnTorSizDlg(context, parent, kDialog, actuatorFile) {
    // Add spring, the offset and Remove Spring on one row below the pressure
    auto* offsetRow = new QHBoxLayout;
    auto* add = new QPushButton(tr("&Add spring"), this);
    add->setProperty("controlId", 17);
    add->setObjectName(QStringLiteral("button17"));
    add->setAutoDefault(false);
    OffsetLabel = new QLabel(this);
    OffsetLabel->setProperty("controlId", 104);
    OffsetLabel->setObjectName(QStringLiteral("offsetLabel"));
    OffsetLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // wide enough for either word, so the row does not jump when the sign changes
    const QFontMetrics metrics(OffsetLabel->font());
    OffsetLabel->setMinimumWidth(std::max(metrics.horizontalAdvance(Str(35)), metrics.horizontalAdvance(Str(36))));
    OffsetEdit = new ptEditNum(this, 101, 0);
    OffsetEdit->setMaximumWidth(60);
    OffsetLabel->setBuddy(OffsetEdit);
    auto* remove = new QPushButton(tr("&Remove Spring"), this);
    remove->setProperty("controlId", 18);
    remove->setObjectName(QStringLiteral("button18"));
    remove->setAutoDefault(false);
    offsetRow->addWidget(add);
    offsetRow->addSpacing(8);
    offsetRow->addWidget(OffsetLabel);
    offsetRow->addWidget(OffsetEdit);
    offsetRow->addSpacing(8);
    offsetRow->addWidget(remove);
    offsetRow->addStretch(1);
    Form->addLayout(offsetRow, Form->rowCount(), 0, 1, 4);

    connect(add, &QPushButton::clicked, this, &VnTorSpringRetDlg::CmAddSpring);
    connect(remove, &QPushButton::clicked, this, &VnTorSpringRetDlg::CmRemoveSpring);
    connect(OffsetEdit, &ptEditNum::focusIn, this, [this] { OffsetEditing = true; });
    connect(OffsetEdit, &ptEditNum::focusOut, this, [this] {
        OffsetEditing = false;
        ShowOffset();
    });
    // Only the user's own edits count: a button pressed while the field keeps the focus
    // rewrites the text, and that must not flip the sign of the offset.
    connect(OffsetEdit, &QLineEdit::textEdited, this, [this] {
        if (OffsetEditing)
            SpringOffset = TruncToInt(OffsetEdit->GetValue());
    });

    auto* list = new ptMultiListBox(this, 103, 6);
    const float widths[6] = {0.9f, 1.0f, 1.0f, 1.1f, 1.1f, 1.2f};
    std::copy(std::begin(widths), std::end(widths), list->ColumnWidth);
    SetResultList(list);
    list->setMinimumSize(640, 360);
    AddStandardButtons(false);
}

void VnTorSpringRetDlg::SetupWindow() {
    VnTorSizDlg::SetupWindow();
    Caption = QStringLiteral("%1 %2 - %3").arg(Str(13), Str(3), QString::fromStdString(ActuatorData->GetTitle()));
    setWindowTitle(Caption);
    ShowOffset();
    ResultList->SetHeader(0, Str(42));
    const int titles[] = {37, 38, 39, 40};
    for (int c = 0; c < 4; ++c)
        ResultList->SetHeader(c + 1, Str(titles[c]), TorqueUnit());
    ResultList->SetHeader(5, Str(121));
    ResultList->Header[5]->InsertString(Str(122), 1);
    for (int c = 0; c < 6; ++c)
        ResultList->SetHeaderTip(c, Str(232 + c));
    OffsetEdit->setToolTip(Str(216));
}

void VnTorSpringRetDlg::ShowOffset() {
    OffsetLabel->setText(Str(SpringOffset >= 0 ? 35 : 36));
    // widened: a typed offset may be the most negative int
    OffsetEdit->setText(QString::number(SpringOffset >= 0 ? qint64(SpringOffset) : -qint64(SpringOffset)));
}

void VnTorSpringRetDlg::CmAddSpring() {
    if (SpringOffset < kMaxOffset)
        ++SpringOffset;
    ShowOffset();
    CmCalculate();
}

void VnTorSpringRetDlg::CmRemoveSpring() {
    if (SpringOffset > -kMaxOffset)
        --SpringOffset;
    ShowOffset();
    CmCalculate();
}

void VnTorSpringRetDlg::CmCalculate() {
    // checked first: a rejected pressure leaves the last table on screen
    if (!CheckPressure())
        return;
    ResultList->ClearList();
    for (const Row& row : TorqueRows(*ActuatorData, GetPressure(), SpringOffset, Imperial()))
        ResultList->AddRow(row);
}
