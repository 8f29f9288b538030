// VnConvertDialog: the small floating window of a unit conversion. It converts on every
// edit of its input, swaps the two units with Direction, and stays above the frame.
// The client keeps one object per conversion command; closing only hides the window,
// and showing it again sets it up as a new one.
#pragma once

#include "core/tools/conversion_kinds.h"
#include "gui/screens/screen_context.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QShowEvent;
class ptEditNum;

class VnConvertDialog : public QDialog {
    Q_OBJECT
public:
    // A conversion window has no parent: the screens block the frame and every window
    // that hangs from it, and this one must stay live beside them. The client deletes it.
    VnConvertDialog(ScreenContext& context, ConversionKind kind);

    ConversionKind GetKind() const { return Kind; }

    // 0: from the imperial unit to the metric one; 1: the other way.
    int GetDirection() const { return Direction; }

    ptEditNum* InputEdit;
    ptEditNum* ResultEdit;
    QLabel* FromLabel;
    QLabel* ToLabel;

public slots:
    void CmDirection();
    void Convert();

protected:
    // Place, direction from the settings, labels, caption.
    virtual void SetupWindow();
    // The two unit labels for the current direction.
    virtual void WriteLabels();
    // The dialog's formula for the current direction.
    virtual float Formula(float x) const;

    void showEvent(QShowEvent* event) override;

    // The conversion objects that exist beside this one, this one included.
    int ConversionCount() const;

    ScreenContext& Context;
    const ConversionKind Kind;
    int Direction = 0;
};
