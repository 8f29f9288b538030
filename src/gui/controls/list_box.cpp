#include "gui/controls/list_box.h"

ptListBox::ptListBox(QWidget* parent, int controlId) : QListWidget(parent), ControlId(controlId) {
    setProperty("controlId", controlId);
}

int ptListBox::AddString(const QString& text) {
    addItem(text);
    const int index = count() - 1;
    emit lineAdded(index, ControlId);
    return index;
}

int ptListBox::InsertString(const QString& text, int index) {
    const int at = index < 0 || index >= count() ? count() : index;
    insertItem(at, text);
    emit lineInserted(index, ControlId);
    return at;
}

QString ptListBox::GetString(int n) const {
    const QListWidgetItem* line = item(n);
    return line ? line->text() : QString();
}
