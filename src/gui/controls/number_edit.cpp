#include "gui/controls/number_edit.h"

#include "core/text/number_field_rules.h"
#include "gui/common/messages.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {

bool RealFocusChange(const QFocusEvent* event) {
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

} // namespace

ptEditNum::ptEditNum(QWidget* parent, int controlId, int textLimit) : QLineEdit(parent) {
    setProperty("controlId", controlId);
    setObjectName(QStringLiteral("edit%1").arg(controlId));
    // QLineEdit's own maximum would also cut what SetValue writes
    if (textLimit > 0)
        maxChars_ = textLimit - 1;
    // a dropped text would go past the paste check
    setAcceptDrops(false);
}

float ptEditNum::GetValue() const {
    return EditTextValue(text().toStdString(), DecimalChar);
}

void ptEditNum::SetValue(float value) {
    setText(QString::fromStdString(FormatEditFloat(value, DecimalChar)));
}

void ptEditNum::SetValue(int value) {
    setText(QString::number(value));
}

void ptEditNum::PasteText(const QString& pasted) {
    if (isReadOnly())
        return;
    const QString piece = QString::fromStdString(PastedEditText(pasted.toStdString(), DecimalChar));
    QString after = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    after.replace(start, selectedText().size(), piece);
    const QString shown = pasted.trimmed().left(40);
    if (!IsEditNumber(after.toStdString(), DecimalChar)) {
        ShowError(window(), Str(136).replace(QStringLiteral("%s"), shown));
        return;
    }
    if (maxChars_ > 0 && after.size() > maxChars_) {
        ShowError(
            window(),
            Str(137).replace(QStringLiteral("%i"), QString::number(maxChars_)).replace(QStringLiteral("%s"), shown));
        return;
    }
    insert(piece);
}

void ptEditNum::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteText(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Each key is checked against the text as it stands, not as it would be after
    // replacing a selection.
    QString enters;
    for (char32_t key : typed.toUcs4()) {
        const char32_t c = EditKeyChar((text() + enters).toStdString(), key, DecimalChar);
        if (c == 0) {
            event->accept();
            return;
        }
        if (c < 32 || c == 127) {
            // Backspace, Ctrl+A and the like are the line edit's own
            QLineEdit::keyPressEvent(event);
            return;
        }
        enters += QChar(c);
    }
    if (maxChars_ > 0 && text().size() - selectedText().size() + enters.size() > maxChars_) {
        event->accept();
        return;
    }
    insert(enters);
    event->accept();
}

void ptEditNum::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (RealFocusChange(event))
        emit focusIn();
}

void ptEditNum::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (RealFocusChange(event))
        emit focusOut();
}

void ptEditNum::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (!menu)
        return;
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { PasteText(QGuiApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ptEditNum::mouseReleaseEvent(QMouseEvent* event) {
    // the middle button pastes the X11 selection
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteText(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
