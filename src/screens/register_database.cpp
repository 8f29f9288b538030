#include "app/flavour.h"
#include "app/vn_app.h"
#include "app/vn_client.h"
#include "resources/menu_table.h"
#include "screens/database_sizing_dialog.h"

void RegisterDatabaseSizing(VnClient& client) {
    const int command = flavour::kPneumatic ? cmd::DatabaseSizing : cmd::ElectricDatabaseSizing;
    client.SetScreen(command, VnClient::Check::DataGuard, [](VnClient& c) -> std::unique_ptr<VnScreen> {
        const Settings& settings = c.App().GetSettings();
        return std::make_unique<VnDatabaseSizingDialog>(c.App(), &c, settings.ActuatorFile, settings.ValveFile);
    });
}
