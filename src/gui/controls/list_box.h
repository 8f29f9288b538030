// A plain list of text lines that tells its owner about every line it gains; the
// result table builds its headers and columns from these.
#pragma once

#include <QListWidget>

class ptListBox : public QListWidget {
    Q_OBJECT
public:
    ptListBox(QWidget* parent, int controlId);

    int GetControlId() const { return ControlId; }

    // Both return the index the line landed at.
    int AddString(const QString& text);
    // index -1 or past the end appends.
    int InsertString(const QString& text, int index);

    int GetCount() const { return count(); }
    // Empty for a line that does not exist.
    QString GetString(int n) const;

signals:
    void lineAdded(int index, int controlId);
    // index as the caller asked for it, -1 included.
    void lineInserted(int index, int controlId);

private:
    int ControlId;
};
