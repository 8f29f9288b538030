// VnScreen: what every calculation screen and tool with a datasheet shares with the
// frame: the list file the frame gives it, the data guard's question, the Print and To
// File flows around the screen's own datasheet body, F1 for the user guide, and the
// size and place the screen had when it last closed.
#pragma once

#include "core/chart/torque_chart.h"
#include "core/report/datasheet_frame.h"
#include "gui/screens/screen_context.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QAbstractButton;

class VnScreen : public QDialog {
    Q_OBJECT
public:
    VnScreen(ScreenContext& context, QWidget* parent);

    // The data guard: false when the screen's actuator data holds no records.
    virtual bool HasActuatorData() const { return true; }

    void SetListFileName(const QString& name) { ListFileName = name; }
    const QString& GetListFileName() const { return ListFileName; }

    // Builds the datasheet into fileName, replacing it only once the whole sheet is
    // written. False when it could not be written; the old file then stays.
    bool WriteDatasheet(const QString& fileName);

public slots:
    // Print (110): notes question, datasheet into the list file, print dialog, pages.
    void CmPrint();
    // To File (400): the datasheet into a file the user chooses.
    void CmToFile();
    // PDF...: the datasheet and its chart into a PDF file the user chooses, without the
    // print dialog.
    void CmPdf();

protected:
    // The first show: the size the screen last had (never smaller than it needs), at the
    // place it last had when that lies on a screen; otherwise it opens centred on the frame.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Gives the screen its remembered size, once; a screen that sizes itself to its table
    // calls this before it does.
    void RestoreSize();
    // Ctrl+P presses the screen's Print button.
    void AddPrintKey(QAbstractButton* print);

    // Writes the whole sheet into an unopened file; a screen with its own layout
    // overrides this.
    virtual bool WriteDatasheetInto(Textfile& file);

    // The parts of the datasheet a screen supplies.
    virtual std::string DatasheetTitle() const;
    virtual int DatasheetTitleBlankLines() const { return 2; }
    virtual std::vector<std::string> DatasheetBody() const { return {}; }
    virtual std::string DatasheetReference() const { return {}; }
    // The chart that Print and PDF put after the sheet's text; none by default.
    virtual std::optional<TorqueChartData> DatasheetChart() const { return std::nullopt; }

    // Header and footer texts of this program, the place and today's date.
    DatasheetFrame MakeDatasheetFrame() const;

    ScreenContext& Context;
    QString ListFileName;
    bool AddNotes = false;

private:
    bool sizeRestored_ = false;
    bool placed_ = false;
};
