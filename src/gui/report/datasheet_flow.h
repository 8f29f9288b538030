// The two ways a screen's datasheet leaves the program: To File, into a file the user
// chooses, and the notes question that both To File and Print ask first.
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Writes the datasheet into a file; addNotes says whether the notes block is wanted.
// Returns false when the file could not be written.
using DatasheetWriter = std::function<bool(const QString& fileName, bool addNotes)>;

// True when "NOTES.TXT" exists and the user answers Yes to string 105.
bool AskAddNotes(QWidget* owner);

// To File: a save dialog (string 123; a new name is created, an existing file is
// replaced only after the dialog's own question), the notes question, then the sheet.
// The dialog opens in the folder it was last used in (the working folder at first) and
// proposes a name made from the owner's title; a name typed without a suffix while
// Text Files is chosen gets ".txt".
// A file that cannot be written is reported. Returns the chosen name, empty on cancel
// or failure.
QString SaveDatasheetToFile(QWidget* owner, const DatasheetWriter& write);
