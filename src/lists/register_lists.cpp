#include "app/flavour.h"
#include "app/vn_app.h"
#include "app/vn_client.h"
#include "lists/vn_valve_list_dlg.h"
#include "resources/menu_table.h"

// The list sizes with the program's range and database, so it is guarded like the
// sizing screens.
void RegisterValveList(VnClient& client) {
    const int command = flavour::kPneumatic ? cmd::ValveList : cmd::ElectricValveList;
    client.SetScreen(command, VnClient::Check::DataGuard, [](VnClient& c) -> std::unique_ptr<VnScreen> {
        const Settings& settings = c.App().GetSettings();
        return std::make_unique<VnValveListDlg>(c.App(), &c, settings.ActuatorFile, settings.ValveFile);
    });
}
