#include "gui/common/messages.h"

#include "core/text/load_string.h"

#include <QMessageBox>

QString Str(int id) {
    return QString::fromStdString(LoadString(id));
}

void ShowError(QWidget* owner, const QString& text) {
    QMessageBox::warning(owner, Str(20), text);
}

void ShowWriteError(QWidget* owner, const QString& fileName, const QString& reason) {
    QString text = Str(131).replace(QStringLiteral("%s"), fileName);
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    ShowError(owner, text);
}
