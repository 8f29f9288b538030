// WorkProgress: long work of the list screen behind a window that says what is going on
// and can be cancelled. It shows only once the work takes a while, and moves in at most a
// thousand steps, so a long list is not slowed by its own progress.
#pragma once

#include <QProgressDialog>

class WorkProgress {
public:
    WorkProgress(QWidget* owner, const QString& label, unsigned long long total, int delay);
    // False once the user has cancelled.
    bool Step(unsigned long long done);

private:
    static constexpr int kSteps = 1000;
    QProgressDialog dialog_;
    unsigned long long total_;
};
