#include "gui/app/application.h"

#include "core/report/file_name.h"
#include "core/text/load_string.h"
#include "core/text/text_util.h"
#include "gui/app/about_dialog.h"
#include "gui/app/client_area.h"
#include "gui/app/language.h"
#include "gui/app/main_frame.h"
#include "gui/app/setup_dialog.h"
#include "gui/app/user_guide.h"
#include "gui/common/flavour.h"
#include "gui/common/messages.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

VnApp::VnApp() = default;

VnApp::~VnApp() {
    // a program ended without closing its window (a session that logs out) keeps its place too
    if (frame_)
        frame_->RememberPlace();
    frame_.reset();
    SetStringLookup({});
}

VnClient* VnApp::GetClient() {
    return frame_ ? frame_->GetClient() : nullptr;
}

void VnApp::InitMainWindow() {
    frame_ = std::make_unique<VnFrame>(*this);
    settings_ = std::make_unique<Settings>(flavour::kSettingsFile);
    LoadLanguage(settings_->Language);
    Textfile(kNotesFileName).Remove();
    RunSetup(nullptr);

    // the language of the settings holds from the first window on, menus and caption too
    ApplyLanguage(languageModule_.get());
    frame_->ShowAtRememberedPlace();
    if (startupProbe_)
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void VnApp::RunSetup(QWidget* owner) {
    Settings& s = *settings_;
    for (std::string* name : {&s.ActuatorFile, &s.ValveFile})
        if (!QFileInfo(QString::fromStdString(*name)).isFile())
            name->clear();

    SetupValues values;
    values.Language = s.Language;
    values.ActuatorFile = QString::fromStdString(s.ActuatorFile);
    values.ValveFile = QString::fromStdString(s.ValveFile);
    values.Units = s.Units;
    values.Pressure = s.Pressure;
    values.Place = QString::fromStdString(s.Place);
    VnSetup dialog(owner, flavour::kPneumatic, values, languageModule_.get());
    if (startupProbe_)
        QTimer::singleShot(0, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted)
        return;

    const SetupValues& chosen = dialog.Values();
    s.Language = chosen.Language;
    s.ActuatorFile = CutToField(chosen.ActuatorFile.toStdString(), Settings::kNameChars);
    s.ValveFile = CutToField(chosen.ValveFile.toStdString(), Settings::kNameChars);
    s.Units = chosen.Units;
    if (flavour::kPneumatic)
        s.Pressure = chosen.Pressure;
    s.Place = CutToField(chosen.Place.toStdString(), Settings::kNameChars);
    if (s.WriteSettings() != 1)
        ShowWriteError(owner, QString::fromStdString(s.GetFileName()));
    LoadLanguage(s.Language);
}

void VnApp::LoadLanguage(int language) {
    if (language < 0)
        language = settings_->Language;
    std::unique_ptr<LanguageModule> module;
    if (language != 0) {
        const QString fileName = LanguageModuleFileName(language);
        const QString path = FindLanguageModule(fileName);
        if (!path.isEmpty())
            module = LanguageModule::Load(path);
        if (!module) {
            QMessageBox::warning(nullptr, Str(20), Str(21).replace(QStringLiteral("%s"), fileName));
            return;
        }
    }
    if (!module && !languageModule_)
        return;

    // the new module becomes the source of every string before the menu is rebuilt from it
    if (languageModule_)
        languageModule_->Uninstall();
    if (module) {
        module->Install();
        LanguageModule* next = module.get();
        SetStringLookup([next](int id) { return next->String(id).toStdString(); });
    } else {
        SetStringLookup({});
    }
    ApplyLanguage(module.get());
    languageModule_ = std::move(module);
}

void VnApp::ApplyLanguage(LanguageModule* module) {
    if (!frame_)
        return;
    frame_->GetClient()->CloseChildren();
    frame_->ApplyMenu(module);
}

void VnApp::CmAbout() {
    VnAboutDlg dialog(frame_.get(), languageModule_.get());
    dialog.exec();
}

bool VnApp::HasDefaultPrinter() const {
    return !QPrinterInfo::defaultPrinterName().isEmpty();
}

QPrinter& VnApp::GetPrinter() {
    const QString current = QPrinterInfo::defaultPrinterName();
    if (!printer_ || current != printerDefault_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printerDefault_ = current;
    }
    return *printer_;
}

void VnApp::CmPrintSetup() {
    QPageSetupDialog dialog(&GetPrinter(), GetClient());
    dialog.exec();
}

void VnApp::ProposePrintFile(const QString& title) {
    QPrinter& printer = GetPrinter();
    // a real printer is left alone: a file name would turn it into the PDF writer
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return;
    const QString current = printer.outputFileName();
    if (!current.isEmpty() && current != proposedPrintFile_)
        return;
    proposedPrintFile_ =
        QDir::current().absoluteFilePath(QString::fromStdString(SuggestedFileName(title.toStdString(), ".pdf")));
    printer.setOutputFileName(proposedPrintFile_);
}

QString VnApp::ProgramFolder() const {
    return programFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder_;
}

void VnApp::CmUserGuide(QWidget* owner) {
    OpenUserGuide(owner ? owner : frame_.get(), ProgramFolder());
}

DatasheetDate VnApp::Today() const {
    if (today_)
        return today_();
    const QDate d = QDate::currentDate();
    return {d.day(), d.month(), d.year()};
}

int VnApp::ConversionCount() const {
    return frame_ && frame_->GetClient() ? frame_->GetClient()->ConversionCount() : 0;
}
