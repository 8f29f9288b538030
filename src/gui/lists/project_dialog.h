// VnProjectDlg: Project... of the valve list screen. The project data a datasheet package
// carries in its title blocks, kept with the list it was given for.
#pragma once

#include "lists/list_package.h"

#include <QDialog>
#include <QString>

#include <array>

class QLineEdit;

class VnProjectDlg : public QDialog {
    Q_OBJECT
public:
    VnProjectDlg(const ProjectData& data, QWidget* parent);
    ProjectData Data() const;

    // Asks the user for the list's project data; true, with it kept for the list, when they
    // say.
    static bool Ask(QWidget* parent, const QString& listFile, ProjectData& data);
    // The project data kept for a list; empty fields when none was given for it.
    static ProjectData Remembered(const QString& listFile);

private:
    std::array<QLineEdit*, 5> fields_{};
};
