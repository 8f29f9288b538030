#include "gui/common/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* OkCancelButtons(QDialog* dialog, const QString& ok, const QString& cancel) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QPushButton* okButton = buttons->button(QDialogButtonBox::Ok);
    okButton->setText(ok);
    okButton->setProperty("controlId", 1);
    okButton->setObjectName(QStringLiteral("ok"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    if (!cancel.isEmpty()) {
        QPushButton* cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
        cancelButton->setText(cancel);
        cancelButton->setProperty("controlId", 2);
        cancelButton->setObjectName(QStringLiteral("cancel"));
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    }
    return buttons;
}
