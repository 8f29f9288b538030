// ScreenContext: what a screen takes from the program around it: the settings, today's
// date, the shared printer and the name it proposes, the user guide and the count of
// conversion windows. The application gives it; a test can give its own.
#pragma once

#include "core/report/datasheet_frame.h"
#include "core/settings/settings.h"

class QPrinter;
class QString;
class QWidget;

class ScreenContext {
public:
    virtual ~ScreenContext() = default;

    virtual const Settings& GetSettings() const = 0;
    // Today's date for datasheets.
    virtual DatasheetDate Today() const = 0;
    // The shared printer, and the file name it offers while it prints into a PDF file.
    virtual QPrinter& GetPrinter() = 0;
    virtual void ProposePrintFile(const QString& title) = 0;
    // A print starts (+1) or ends (-1); the program does not quit in between.
    virtual void CountPrinting(int step) = 0;
    // Help > User Guide, from a screen's F1.
    virtual void CmUserGuide(QWidget* owner) = 0;
    // The conversion windows open, so that a new one is numbered after them.
    virtual int ConversionCount() const = 0;

protected:
    ScreenContext() = default;
    ScreenContext(const ScreenContext&) = default;
    ScreenContext& operator=(const ScreenContext&) = default;
};
