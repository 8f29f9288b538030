// VnAboutDlg: Help > About: the program's name, version and legal notice, from the
// version information of the program or of the active language catalogue.
#pragma once

#include <QDialog>

class LanguageModule;
class QLabel;

class VnAboutDlg : public QDialog {
    Q_OBJECT
public:
    VnAboutDlg(QWidget* parent, LanguageModule* module);

    QLabel* VersionLine() const { return version_; }
    QLabel* LegalNotice() const { return legal_; }
    QLabel* SpecialBuild() const { return special_; }

private:
    QLabel* version_;
    QLabel* legal_;
    QLabel* special_;
};
