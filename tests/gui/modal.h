// Answers the modal dialogs a test provokes, in the order they appear, so a test drives
// message boxes and file dialogs the way a user does and never hangs on one.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

class ModalAnswers : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(QWidget* modal)>;

    ModalAnswers();
    ~ModalAnswers() override;

    // The next modal widget that shows up is handed to answer.
    void Then(Answer answer);
    // Records a message box's caption and text, then presses the button.
    void ThenMessage(int button);
    // Accepts or rejects a dialog.
    void ThenAccept();
    // Types a name into a file dialog and presses its Open or Save button.
    void ThenChooseFile(const QString& path);
    void ThenReject();

    // Modal widgets that appeared with no answer waiting (they were rejected).
    int Unexpected = 0;
    QStringList Captions;
    QStringList Texts;
    bool AllAnswered() const { return answers_.empty(); }

private:
    void Poll();

    QTimer timer_;
    std::deque<Answer> answers_;
    // Answered and still open: a file dialog shows again when the question it asked closes.
    QList<QPointer<QWidget>> open_;
};
