// VnListColumnsDlg: Columns... of the valve list screen. The user says which of the list's
// columns holds each value the sizing reads, or that the list has none; the choice is then
// kept for every list with the same header line.
#pragma once

#include "lists/list_columns.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class QComboBox;

class VnListColumnsDlg : public QDialog {
    Q_OBJECT
public:
    // header: the list's columns; found: the columns as the names found them (or as
    // chosen before), shown as the starting choice; reason: why the list needs the user's
    // word, when it does.
    VnListColumnsDlg(const std::vector<std::string>& header, const ColumnMatch& found, const QString& reason,
                     QWidget* parent);

    // A choice for every value: the header chosen, or empty for none.
    std::vector<ColumnChoice> Choices() const;

    // Asks the user; true, with the choices kept for this header line, when they say.
    static bool Ask(QWidget* parent, const std::vector<std::string>& header, const ColumnMatch& found,
                    const QString& reason, std::vector<ColumnChoice>& choices);
    // The choices kept for a header line; none when the user has made none for it.
    static std::vector<ColumnChoice> Remembered(const std::vector<std::string>& header);

    // The string number of a value's name on the screen.
    static int RoleString(ListRole role);

private:
    std::vector<std::string> header_;
    std::array<QComboBox*, kListRoles> combos_{};
};
