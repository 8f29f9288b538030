// The numeric edit field of the screens: it takes digits and one decimal char and one
// minus, and reads and writes its number without looking at the locale.
#pragma once

#include <QLineEdit>

class ptEditNum : public QLineEdit {
    Q_OBJECT
public:
    // textLimit counts the terminating zero of the old text buffers: 8 allows 7 chars;
    // 0 or less sets no limit. The limit holds for what the user types or pastes, never
    // for what the program writes.
    ptEditNum(QWidget* parent, int controlId, int textLimit);

    void SetDecimalChar(char c) { DecimalChar = c; }

    float GetValue() const;
    void SetValue(float value);
    void SetValue(int value);

    // Puts pasted text in place of the selection, "," and "." read as the decimal char.
    // Text that would not leave a number in the field is refused with a message.
    void PasteText(const QString& pasted);

    char DecimalChar = '.';

signals:
    // The screens apply their change rule when the focus leaves a field. A context menu
    // or another window taking over is no change of focus within the screen.
    void focusIn();
    void focusOut();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Characters the user may bring the text to; 0: no limit.
    int maxChars_ = 0;
};
