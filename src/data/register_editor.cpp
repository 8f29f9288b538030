#include "app/flavour.h"
#include "app/vn_app.h"
#include "app/vn_client.h"
#include "data/vn_dbase_edit_dlg.h"
#include "resources/menu_table.h"

// The editor reads no actuator data, so it runs the file check only.
void RegisterDatabaseEditor(VnClient& client) {
    const int command = flavour::kPneumatic ? cmd::DatabaseEdit : cmd::ElectricDatabaseEdit;
    client.SetScreen(command, VnClient::Check::FileCheck, [](VnClient& c) -> std::unique_ptr<VnScreen> {
        return std::make_unique<VnDBaseEditDlg>(c.App(), &c, c.App().GetSettings().ValveFile);
    });
}
