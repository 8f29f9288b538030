// Small pieces the tool screens build their windows from: numbered buttons and labels,
// the result table filled from the core's headers and rows, and the button column.
#pragma once

#include "core/tools/tool_texts.h"

#include <QString>

#include <string>
#include <vector>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;
class ptMultiListBox;

QString QText(const std::string& text);

QPushButton* ToolButton(QWidget* parent, int controlId, const QString& text, const QString& name);
// A label; controlId 0 for the texts that never change.
QLabel* ToolLabel(QWidget* parent, const QString& text, int controlId = 0, const QString& name = {});

// The result table (control 103), at least the given size.
ptMultiListBox* ToolTable(QWidget* parent, int columns, int minimumWidth, int minimumHeight);
void SetToolHeaders(ptMultiListBox* table, const std::vector<ToolHeader>& headers);
void AddToolRows(ptMultiListBox* table, const std::vector<ToolRow>& rows);
// The header tips of the columns, from left to right, by string number.
void SetToolHeaderTips(ptMultiListBox* table, const std::vector<int>& strings);
// String id with its unit put in for "%s": an input field's tip.
QString UnitTip(int id, const QString& unit);

// The buttons under one another at the right of a tool, the stretch below them.
QBoxLayout* ButtonColumn(const std::vector<QPushButton*>& buttons);
