#include "gui/tools/tool_widgets.h"

#include "gui/common/messages.h"
#include "gui/controls/multi_list_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString QText(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* ToolButton(QWidget* parent, int controlId, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setProperty("controlId", controlId);
    button->setObjectName(name);
    // only Calculate answers Return; the others wait for a click
    button->setAutoDefault(false);
    return button;
}

QLabel* ToolLabel(QWidget* parent, const QString& text, int controlId, const QString& name) {
    auto* label = new QLabel(text, parent);
    if (controlId != 0)
        label->setProperty("controlId", controlId);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

ptMultiListBox* ToolTable(QWidget* parent, int columns, int minimumWidth, int minimumHeight) {
    auto* table = new ptMultiListBox(parent, 103, columns);
    table->setMinimumSize(minimumWidth, minimumHeight);
    return table;
}

void SetToolHeaders(ptMultiListBox* table, const std::vector<ToolHeader>& headers) {
    for (std::size_t i = 0; i < headers.size(); ++i)
        table->SetHeader(static_cast<int>(i), QText(headers[i].title), QText(headers[i].unit));
}

void AddToolRows(ptMultiListBox* table, const std::vector<ToolRow>& rows) {
    for (const ToolRow& row : rows) {
        QStringList cells;
        for (const std::string& cell : row)
            cells << QText(cell);
        table->AddRow(cells);
    }
}

void SetToolHeaderTips(ptMultiListBox* table, const std::vector<int>& strings) {
    for (std::size_t i = 0; i < strings.size(); ++i)
        table->SetHeaderTip(static_cast<int>(i), Str(strings[i]));
}

QString UnitTip(int id, const QString& unit) {
    return Str(id).replace(QStringLiteral("%s"), unit);
}

QBoxLayout* ButtonColumn(const std::vector<QPushButton*>& buttons) {
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons)
        column->addWidget(button);
    column->addStretch();
    return column;
}
