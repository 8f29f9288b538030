// VnApp: the program-wide state of one run: the settings, the language module, the
// shared printer and the main window, and the commands it answers itself (Setup,
// About, Print Setup).
#pragma once

#include "core/report/datasheet_frame.h"
#include "core/settings/settings.h"
#include "gui/screens/screen_context.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class LanguageModule;
class QPrinter;
class QWidget;
class VnFrame;
class VnClient;

class VnApp : public QObject, public ScreenContext {
    Q_OBJECT
public:
    VnApp();
    ~VnApp() override;

    // Start-up up to the shown main window: settings, language, the notes of the last
    // run removed, the start-up setup, then the frame with the menu and caption of the
    // chosen language.
    void InitMainWindow();

    Settings& GetSettings() { return *settings_; }
    const Settings& GetSettings() const override { return *settings_; }
    VnFrame* GetFrame() { return frame_.get(); }
    VnClient* GetClient();
    // The catalogue that supplies strings, dialogs and menus; null while English.
    LanguageModule* StringModule() { return languageModule_.get(); }

    // File > Setup, and the start-up setup.
    void RunSetup(QWidget* owner);
    // Loads and applies the module of a language (negative: the one in the settings).
    void LoadLanguage(int language = -1);
    // Closes the client's windows and puts the module's menu and caption on the frame
    // (null: the program's own).
    void ApplyLanguage(LanguageModule* module);

    void CmAbout();
    void CmPrintSetup();
    // Help > User Guide (F1): the guide in the desktop's web browser.
    void CmUserGuide(QWidget* owner) override;
    // The folder the program runs from, where the guide is looked for; tests set another.
    QString ProgramFolder() const;
    void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
    // The shared printer, made on first use and made anew when the default printer
    // of the system changed since.
    QPrinter& GetPrinter() override;
    // A default printer is configured (Print Setup is enabled only then).
    bool HasDefaultPrinter() const;
    // While the printer prints into a PDF file, the print dialog offers a file named after
    // the sheet's title in the working folder. A name the user gave stays until changed.
    void ProposePrintFile(const QString& title) override;

    // Today's date for datasheets; tests fix it.
    DatasheetDate Today() const override;
    void SetToday(std::function<DatasheetDate()> today) { today_ = std::move(today); }

    int PrintingCount = 0;
    void CountPrinting(int step) override { PrintingCount += step; }
    int ConversionCount() const override;

    // For the start-up benchmark: the start-up setup answers itself with OK and the
    // program ends as soon as its main window is shown.
    void SetStartupProbe(bool on) { startupProbe_ = on; }

private:
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<LanguageModule> languageModule_;
    std::unique_ptr<QPrinter> printer_;
    QString printerDefault_;
    QString proposedPrintFile_;
    QString programFolder_;
    std::unique_ptr<VnFrame> frame_;
    std::function<DatasheetDate()> today_;
    bool startupProbe_ = false;
};
