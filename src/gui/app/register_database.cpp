#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/common/flavour.h"
#include "gui/screens/database_sizing_screen.h"

void RegisterDatabaseSizing(VnClient& client) {
    const int command = flavour::kPneumatic ? cmd::DatabaseSizing : cmd::ElectricDatabaseSizing;
    client.SetScreen(command, VnClient::Check::DataGuard, [](VnClient& c) -> std::unique_ptr<VnScreen> {
        const Settings& settings = c.App().GetSettings();
        return std::make_unique<VnDatabaseSizingDialog>(c.App(), &c, settings.ActuatorFile, settings.ValveFile);
    });
}
