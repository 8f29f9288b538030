// Finding a screen's controls by their numbers, and using them as a user does: typing
// into a field and pressing a button.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>

template <class T> T* ById(QWidget* root, int id) {
    for (T* w : root->findChildren<T*>())
        if (w->property("controlId").toInt() == id)
            return w;
    return nullptr;
}

// Replaces what the field holds with text, key by key.
inline void Type(QWidget* root, int id, const QString& text) {
    auto* field = ById<QLineEdit>(root, id);
    QVERIFY2(field, qPrintable(QString::number(id)));
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

inline void Press(QWidget* root, int id) {
    auto* button = ById<QPushButton>(root, id);
    QVERIFY2(button, qPrintable(QString::number(id)));
    QTest::mouseClick(button, Qt::LeftButton);
}
