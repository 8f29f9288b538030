#include "gui/app/client_area.h"

#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/note_dialog.h"
#include "gui/common/flavour.h"
#include "gui/common/messages.h"
#include "gui/screens/screen.h"

#include <QFileInfo>
#include <QMdiSubWindow>

#include <algorithm>

VnClient::VnClient(VnApp& app, QWidget* parent) : QMdiArea(parent), app_(app) {
    setObjectName(QStringLiteral("client"));
    setBackground(QColor(255, 255, 240));
    const Check guarded = Check::DataGuard;
    const Check checked = Check::FileCheck;
    if (flavour::kPneumatic) {
        for (int command : {cmd::TorqueDoubleActing, cmd::TorqueSpringReturn, cmd::SizingDoubleActing,
                            cmd::SizingSpringReturn, cmd::DatabaseSizing})
            screens_[command] = {guarded, nullptr};
        for (int command : {cmd::HotLine, cmd::ActuatorSpeed, cmd::AirTank, cmd::Torsion})
            screens_[command] = {checked, nullptr};
    } else {
        for (int command : {cmd::ElectricSizing, cmd::ElectricDatabaseSizing})
            screens_[command] = {guarded, nullptr};
        for (int command : {cmd::HotLine, cmd::Torsion})
            screens_[command] = {checked, nullptr};
    }
    RegisterScreens(*this);
}

VnClient::~VnClient() {
    CloseChildren();
}

void VnClient::SetScreen(int command, Check check, ScreenFactory factory) {
    screens_[command] = {check, std::move(factory)};
}

void VnClient::SetConversion(int command, int slot, ConversionFactory factory) {
    if (slot >= 0 && slot < kConversionSlots)
        conversions_[command] = {slot, std::move(factory)};
}

void VnClient::Command(int command) {
    if (command == cmd::Note) {
        OpenNote();
        return;
    }
    if (auto it = screens_.find(command); it != screens_.end()) {
        OpenScreen(command, it->second);
        return;
    }
    if (auto it = conversions_.find(command); it != conversions_.end())
        OpenConversion(it->second);
}

void VnClient::OpenScreen(int, const ScreenCommand& entry) {
    std::unique_ptr<VnScreen> screen = entry.factory ? entry.factory(*this) : nullptr;
    if (entry.check == Check::DataGuard) {
        // a command whose screen is not built yet still guards with the range it would read
        const bool hasData =
            screen ? screen->HasActuatorData() : ActuatorData(app_.GetSettings().ActuatorFile).GetCount() > 0;
        if (!hasData) {
            // a fixed text: no language replaces it
            ShowError(this, QStringLiteral("No data was loaded, Try again..."));
            return;
        }
    }
    if (!screen) {
        CheckFiles(); // the screen is not part of this program yet: the check only
        return;
    }
    screen->SetListFileName(QString::fromLatin1(flavour::kListFile));
    RunScreen(std::move(screen));
}

bool VnClient::CheckFiles() {
    Settings& s = app_.GetSettings();
    for (std::string* name : {&s.ActuatorFile, &s.ValveFile})
        if (!QFileInfo(QString::fromStdString(*name)).isFile())
            name->clear();
    if (s.ActuatorFile.empty() || s.ValveFile.empty()) {
        ShowError(this, Str(113));
        return false;
    }
    return true;
}

bool VnClient::RunScreen(std::unique_ptr<VnScreen> screen) {
    if (!CheckFiles())
        return false;
    if (screen) {
        // the screen blocks the frame only: the conversion windows stay live beside it
        screen->setWindowModality(Qt::WindowModal);
        screen->exec();
    }
    return true;
}

void VnClient::OpenConversion(const ConversionCommand& entry) {
    QPointer<QWidget>& window = ConversionWindows[static_cast<std::size_t>(entry.slot)];
    if (!window && entry.factory)
        window = entry.factory(*this);
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

int VnClient::ConversionCount() const {
    return static_cast<int>(std::count_if(ConversionWindows.begin(), ConversionWindows.end(),
                                          [](const QPointer<QWidget>& w) { return w; }));
}

QWidget* VnClient::ConversionWindow(int slot) const {
    return slot >= 0 && slot < kConversionSlots ? ConversionWindows[static_cast<std::size_t>(slot)].data() : nullptr;
}

void VnClient::OpenNote() {
    VnNoteInputDialog dialog(this);
    dialog.exec();
}

void VnClient::CloseChildren() {
    closeAllSubWindows();
    for (QPointer<QWidget>& window : ConversionWindows) {
        delete window.data();
        window = nullptr;
    }
}
