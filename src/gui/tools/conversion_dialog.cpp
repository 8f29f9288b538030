#include "gui/tools/conversion_dialog.h"

#include "gui/common/messages.h"
#include "gui/controls/number_edit.h"
#include "gui/screens/screen_context.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace {

constexpr int kInputChars = 14;

} // namespace

VnConvertDialog::VnConvertDialog(ScreenContext& context, ConversionKind kind)
    : QDialog(nullptr), Context(context), Kind(kind) {
    setObjectName(QStringLiteral("dialog111"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // an open conversion must not keep the program running once the frame is closed
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Convert Dialog"));

    InputEdit = new ptEditNum(this, 101, 0);
    InputEdit->setObjectName(QStringLiteral("input"));
    ResultEdit = new ptEditNum(this, 102, 0);
    ResultEdit->setObjectName(QStringLiteral("result"));
    for (ptEditNum* edit : {InputEdit, ResultEdit})
        edit->setMinimumWidth(110);
    FromLabel = new QLabel(QStringLiteral("ORG"), this);
    FromLabel->setProperty("controlId", 104);
    FromLabel->setObjectName(QStringLiteral("fromUnit"));
    ToLabel = new QLabel(QStringLiteral("CONV"), this);
    ToLabel->setProperty("controlId", 105);
    ToLabel->setObjectName(QStringLiteral("toUnit"));
    for (QLabel* label : {FromLabel, ToLabel})
        label->setMinimumWidth(36);

    auto* direction = new QPushButton(tr("&Direction"), this);
    direction->setProperty("controlId", 103);
    direction->setObjectName(QStringLiteral("direction"));
    direction->setDefault(true);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setProperty("controlId", 1);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    connect(direction, &QPushButton::clicked, this, &VnConvertDialog::CmDirection);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(InputEdit, &QLineEdit::textChanged, this, &VnConvertDialog::Convert);

    auto* layout = new QGridLayout(this);
    layout->addWidget(InputEdit, 0, 0);
    layout->addWidget(FromLabel, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("=>"), this), 0, 2);
    layout->addWidget(ResultEdit, 0, 3);
    layout->addWidget(ToLabel, 0, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(direction);
    buttons->addWidget(close);
    layout->addLayout(buttons, 1, 0, 1, 5);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int VnConvertDialog::ConversionCount() const {
    return std::max(1, Context.ConversionCount());
}

void VnConvertDialog::showEvent(QShowEvent* event) {
    // a window shown again after Close is a new window: set up anew, empty
    if (!event->spontaneous())
        SetupWindow();
    QDialog::showEvent(event);
}

void VnConvertDialog::SetupWindow() {
    Direction = Context.GetSettings().Units == 1 ? 1 : 0;
    WriteLabels();
    // the caption keeps the units of this moment; Direction does not change it
    setWindowTitle(QString::fromStdString(
        ConversionCaption(Kind, FromLabel->text().toStdString(), ToLabel->text().toStdString())));
    InputEdit->clear();
    ResultEdit->clear();
    InputEdit->setFocus();

    // placed by the size it has with these labels
    layout()->activate();
    const QRect desktop = screen() ? screen()->geometry() : QRect(0, 0, 1024, 768);
    const QSize size = frameGeometry().size();
    const auto [x, y] =
        ConversionWindowPosition(desktop.width(), desktop.height(), size.width(), size.height(), ConversionCount());
    move(desktop.x() + x, desktop.y() + y);
}

void VnConvertDialog::WriteLabels() {
    const auto [from, to] = ConversionUnitWords(Kind, Direction);
    FromLabel->setText(Str(from));
    ToLabel->setText(Str(to));
    InputEdit->setToolTip(Str(227).replace(QStringLiteral("%s"), FromLabel->text()));
    ResultEdit->setToolTip(Str(228).replace(QStringLiteral("%s"), ToLabel->text()));
}

float VnConvertDialog::Formula(float x) const {
    return ConvertValue(Kind, Direction, x);
}

void VnConvertDialog::CmDirection() {
    Direction = 1 - Direction;
    WriteLabels();
    Convert();
}

void VnConvertDialog::Convert() {
    if (InputEdit->text().left(kInputChars).isEmpty()) {
        ResultEdit->clear();
        return;
    }
    ResultEdit->SetValue(Formula(InputEdit->GetValue()));
}
