// The numeric edit field of the screens: it takes digits and one decimal char and one
// minus, and reads and writes its number without looking at the locale.
#pragma once

#include <QLineEdit>

class ptEditNum : public QLineEdit {
    Q_OBJECT
public:
    // textLimit counts the terminating zero of the old text buffers: 8 allows 7 chars;
    // 0 or less sets no limit.
    ptEditNum(QWidget* parent, int controlId, int textLimit);

    void SetDecimalChar(char c) { DecimalChar = c; }

    float GetValue() const;
    void SetValue(float value);
    void SetValue(int value);

    char DecimalChar = '.';

signals:
    // The screens apply their change rule when the focus leaves a field.
    void focusIn();
    void focusOut();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
