#include "gui/lists/valve_databases_dialog.h"

#include "core/data/torque_database.h"
#include "gui/common/dialog_buttons.h"
#include "gui/common/messages.h"
#include "gui/common/remembered.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kKey = QStringLiteral("lists/valveDatabases");

bool SameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

VnValveDatabasesDlg::VnValveDatabasesDlg(const QString& settingsFile, const QStringList& added, QWidget* parent)
    : QDialog(parent), settingsFile_(settingsFile), added_(added) {
    setObjectName(QStringLiteral("valveDatabases"));
    setWindowTitle(Str(172));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(Str(173), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* row = new QHBoxLayout;
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("databases"));
    list_->setMinimumWidth(420);
    row->addWidget(list_, 1);
    auto* buttons = new QVBoxLayout;
    auto* add = new QPushButton(Str(174), this);
    add->setObjectName(QStringLiteral("add"));
    remove_ = new QPushButton(Str(175), this);
    remove_->setObjectName(QStringLiteral("remove"));
    buttons->addWidget(add);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    row->addLayout(buttons);
    layout->addLayout(row);
    layout->addWidget(OkCancelButtons(this, tr("OK"), tr("Cancel")));
    connect(add, &QPushButton::clicked, this, &VnValveDatabasesDlg::CmAdd);
    connect(remove_, &QPushButton::clicked, this, &VnValveDatabasesDlg::CmRemove);
    // the settings' database is no one's to remove here
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { remove_->setEnabled(row > 0); });
    Fill();
}

void VnValveDatabasesDlg::Fill() {
    list_->clear();
    list_->addItem(QDir::toNativeSeparators(settingsFile_) + QStringLiteral("  ") + Str(177));
    for (const QString& file : added_)
        list_->addItem(QDir::toNativeSeparators(file));
    remove_->setEnabled(list_->currentRow() > 0);
}

bool VnValveDatabasesDlg::AddDatabase(const QString& fileName) {
    if (SameFile(fileName, settingsFile_) ||
        std::any_of(added_.begin(), added_.end(), [&](const QString& f) { return SameFile(f, fileName); }))
        return true;
    const TorqueDatabase database(QFile::encodeName(fileName).toStdString());
    if (!database.IsUsable()) {
        ShowError(this, Str(176).replace(QStringLiteral("%s"), QDir::toNativeSeparators(fileName)));
        return false;
    }
    added_ << QFileInfo(fileName).absoluteFilePath();
    Fill();
    return true;
}

void VnValveDatabasesDlg::CmAdd() {
    // the same kind of file as Select Valve chooses, from the same folder
    const QString chosen = QFileDialog::getOpenFileName(
        this, Str(23), RememberedFolder(dialog_folder::SelectValve, QDir::currentPath()));
    if (chosen.isEmpty())
        return;
    RememberFolder(dialog_folder::SelectValve, chosen);
    AddDatabase(chosen);
}

void VnValveDatabasesDlg::CmRemove() {
    const int row = list_->currentRow();
    if (row <= 0 || row > added_.size())
        return;
    added_.removeAt(row - 1);
    Fill();
}

QStringList VnValveDatabasesDlg::Remembered() {
    return QSettings().value(kKey).toStringList();
}

void VnValveDatabasesDlg::Remember(const QStringList& added) {
    QSettings().setValue(kKey, added);
}
