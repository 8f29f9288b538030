#include "gui/report/datasheet_flow.h"

#include "core/report/datasheet_frame.h"
#include "core/report/file_name.h"
#include "core/report/textfile.h"
#include "gui/common/messages.h"
#include "gui/common/remembered.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

bool AskAddNotes(QWidget* owner) {
    Textfile notes(kNotesFileName);
    if (!notes.Open(Textfile::ModeRead))
        return false;
    notes.Close();
    return QMessageBox::question(owner, Str(501), Str(105), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString SaveDatasheetToFile(QWidget* owner, const DatasheetWriter& write) {
    const QString textFiles = QStringLiteral("Text Files (*.txt)");
    // the list file, the notes and the settings are all found through the current
    // directory, so the dialog must not move it
    const QString folder = RememberedFolder(dialog_folder::ToFile, QDir::currentPath());
    QFileDialog dialog(owner, Str(123), folder, textFiles + QStringLiteral(";;All Files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // a name typed without a suffix gets the one of the chosen filter
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, textFiles](const QString& filter) {
        dialog.setDefaultSuffix(filter == textFiles ? QStringLiteral("txt") : QString());
    });
    const std::string title = owner ? owner->windowTitle().toStdString() : std::string();
    dialog.selectFile(QDir(folder).filePath(QString::fromStdString(SuggestedFileName(title, ".txt"))));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    RememberFolder(dialog_folder::ToFile, chosen);
    const bool addNotes = AskAddNotes(owner);
    if (!write(chosen, addNotes)) {
        ShowWriteError(owner, chosen);
        return {};
    }
    return chosen;
}
