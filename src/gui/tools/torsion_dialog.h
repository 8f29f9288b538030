// Engineering > Torsion: shear stress and twist of a solid shaft; the rows stay until
// Clear so that several shafts can be compared on one sheet.
#pragma once

#include "gui/screens/screen.h"

class ptEditNum;
class ptMultiListBox;

class VnTorsionDialog : public VnScreen {
    Q_OBJECT
public:
    VnTorsionDialog(ScreenContext& context, QWidget* parent);

public slots:
    void CmCalculate();
    void CmClear();

protected:
    std::string DatasheetTitle() const override;
    int DatasheetTitleBlankLines() const override { return 3; }
    std::vector<std::string> DatasheetBody() const override;

private:
    int Units() const;

    ptMultiListBox* ResultList;
    ptEditNum* TorqueEdit;
    ptEditNum* LengthEdit;
    ptEditNum* DiameterEdit;
};
