// The OK and Cancel row of the program's small dialogs. The buttons carry their control
// numbers, 1 and 2, like every other control, so tests find them by number.
#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;

// OK accepts the dialog; Cancel, when a text is given, rejects it.
QDialogButtonBox* OkCancelButtons(QDialog* dialog, const QString& ok, const QString& cancel = {});
