// VnValveDatabasesDlg: the valve databases a list's Series are looked up in. The database of
// the settings comes first and stays; the user adds more and removes them again, and the
// program keeps them for the next session.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

class VnValveDatabasesDlg : public QDialog {
    Q_OBJECT
public:
    // settingsFile: the database of the settings, shown first; added: the others.
    VnValveDatabasesDlg(const QString& settingsFile, const QStringList& added, QWidget* parent);

    // The databases added, in their order.
    QStringList Added() const { return added_; }

    // Adds a database when it reads cleanly and is not on the list yet; false, with the
    // user told why, when it does not read cleanly.
    bool AddDatabase(const QString& fileName);

    // The databases kept for lists, the settings' one not among them.
    static QStringList Remembered();
    static void Remember(const QStringList& added);

private:
    void Fill();
    void CmAdd();
    void CmRemove();

    QString settingsFile_;
    QStringList added_;
    QListWidget* list_ = nullptr;
    QPushButton* remove_ = nullptr;
};
