// VnNoteInputDialog: edits "NOTES.TXT", the note a datasheet may carry. Opening the
// dialog and pressing OK without changes leaves the file as it was.
#pragma once

#include <QDialog>

class QPlainTextEdit;

class VnNoteInputDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLineChars = 99; // the longest line a datasheet holds

    explicit VnNoteInputDialog(QWidget* parent, const QString& fileName = QStringLiteral("NOTES.TXT"));

    void accept() override;

private:
    QString fileName_;
    QPlainTextEdit* edit_;
};
