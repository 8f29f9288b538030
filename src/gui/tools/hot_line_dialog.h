// Engineering > Hot Line Actuators: the height of a tall mounting kit that keeps an
// actuator and its instruments cool enough above a hot line.
#pragma once

#include "gui/screens/screen.h"

class QLabel;
class QPlainTextEdit;
class ptEditNum;

class VnHotLineActuatorDialog : public VnScreen {
    Q_OBJECT
public:
    VnHotLineActuatorDialog(ScreenContext& context, QWidget* parent);

    // The height of the last calculation in mm or inch; 0 after a verdict.
    float GetHeight() const { return Height; }

public slots:
    void CmCalculate();
    // Print recalculates first, so the sheet always matches the fields.
    void CmPrintCalculated();

protected:
    std::string DatasheetTitle() const override;
    int DatasheetTitleBlankLines() const override { return 2; }
    std::vector<std::string> DatasheetBody() const override;

private:
    int Units() const;

    ptEditNum* FluidEdit;
    ptEditNum* AmbientEdit;
    ptEditNum* InstrumentEdit;
    QPlainTextEdit* ResultBox;
    float Height = 0;
};
