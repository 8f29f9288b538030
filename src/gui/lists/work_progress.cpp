#include "gui/lists/work_progress.h"

#include <algorithm>

WorkProgress::WorkProgress(QWidget* owner, const QString& label, unsigned long long total, int delay)
    : dialog_(owner), total_(std::max(total, 1ULL)) {
    dialog_.setObjectName(QStringLiteral("progress"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setWindowTitle(owner->windowTitle());
    dialog_.setLabelText(label);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setMinimumDuration(delay);
    dialog_.setRange(0, kSteps);
    dialog_.setValue(0);
}

bool WorkProgress::Step(unsigned long long done) {
    const int step = static_cast<int>(std::min(done, total_) * kSteps / total_);
    if (step > dialog_.value())
        dialog_.setValue(step);
    return !dialog_.wasCanceled();
}
