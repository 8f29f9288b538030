#include "controls/edit_num.h"

#include "controls/edit_num_rules.h"

#include <QKeyEvent>

ptEditNum::ptEditNum(QWidget* parent, int controlId, int textLimit) : QLineEdit(parent) {
    setProperty("controlId", controlId);
    setObjectName(QStringLiteral("edit%1").arg(controlId));
    if (textLimit > 0)
        setMaxLength(textLimit - 1);
}

float ptEditNum::GetValue() const {
    return EditTextValue(text().toStdString());
}

void ptEditNum::SetValue(float value) {
    setText(QString::fromStdString(FormatEditFloat(value, DecimalChar)));
}

void ptEditNum::SetValue(int value) {
    setText(QString::number(value));
}

void ptEditNum::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (!typed.isEmpty()) {
        // The check looks at the text as it stands, not as it would be after replacing a
        // selection; pasting goes past it on purpose.
        const std::string current = text().toStdString();
        for (char32_t key : typed.toUcs4()) {
            if (!AcceptEditKey(current, key, DecimalChar)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void ptEditNum::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusIn();
}

void ptEditNum::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusOut();
}
