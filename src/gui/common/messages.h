// The message boxes of the programs: owned by the window that raised them, caption
// string 20 and a warning icon unless a caller names another caption.
#pragma once

#include <QString>

class QWidget;

// String number id in the active language.
QString Str(int id);

void ShowError(QWidget* owner, const QString& text);
// String 131 with the file name: a file that could not be written. The reason, when the
// system gave one, follows on a line of its own.
void ShowWriteError(QWidget* owner, const QString& fileName, const QString& reason = {});
