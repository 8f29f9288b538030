#include "report/datasheet_flow.h"

#include "app/messages.h"
#include "report/datasheet.h"
#include "report/textfile.h"

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
    // the list file, the notes and the settings are all found through the current
    // directory, so the dialog must not move it
    const QString chosen =
        QFileDialog::getSaveFileName(owner, Str(123), QDir::currentPath(),
                                     QStringLiteral("Text Files (*.txt);;All Files (*)"));
    if (chosen.isEmpty())
        return {};
    const bool addNotes = AskAddNotes(owner);
    if (!write(chosen, addNotes)) {
        ShowWriteError(owner, chosen);
        return {};
    }
    return chosen;
}
