#include "modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

ModalAnswers::ModalAnswers() {
    connect(&timer_, &QTimer::timeout, this, &ModalAnswers::Poll);
    timer_.start(10);
}

ModalAnswers::~ModalAnswers() = default;

void ModalAnswers::Then(Answer answer) {
    answers_.push_back(std::move(answer));
}

void ModalAnswers::ThenMessage(int button) {
    Then([this, button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) {
            ++Unexpected;
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            return;
        }
        Captions << box->windowTitle();
        Texts << box->text();
        if (QAbstractButton* b = box->button(static_cast<QMessageBox::StandardButton>(button)))
            b->click();
        else
            box->reject();
    });
}

void ModalAnswers::ThenAccept() {
    Then([](QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->accept();
    });
}

void ModalAnswers::ThenChooseFile(const QString& path) {
    Then([this, path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")) : nullptr;
        if (!name || !buttons) {
            ++Unexpected;
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            return;
        }
        Captions << dialog->windowTitle();
        name->setText(path);
        QPushButton* accept = buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                                              : QDialogButtonBox::Open);
        if (accept && accept->isEnabled())
            accept->click();
        else
            dialog->reject();
    });
}

void ModalAnswers::ThenReject() {
    Then([](QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
    });
}

void ModalAnswers::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    open_.removeIf([](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
    if (!modal || !modal->isVisible() || open_.contains(modal))
        return;
    open_ << modal;
    if (answers_.empty()) {
        ++Unexpected;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Captions << box->windowTitle();
            Texts << box->text();
        }
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
        return;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    // answered outside this timer's slot: an answer that opens a further dialog (Save,
    // then the question whether to replace the file) must leave the polling running
    QPointer<QWidget> target = modal;
    QTimer::singleShot(0, this, [answer = std::move(answer), target] {
        if (target)
            answer(target);
    });
    // an answer that failed half-way must not leave the test waiting on its dialog
    QPointer<QWidget> answered = modal;
    QTimer::singleShot(2000, this, [answered] {
        if (answered && answered->isVisible() && QApplication::activeModalWidget() == answered)
            if (auto* d = qobject_cast<QDialog*>(answered.data()))
                d->reject();
    });
}
