#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/common/flavour.h"
#include "gui/editor/database_editor.h"

// The editor reads no actuator data, so it runs the file check only.
void RegisterDatabaseEditor(VnClient& client) {
    const int command = flavour::kPneumatic ? cmd::DatabaseEdit : cmd::ElectricDatabaseEdit;
    client.SetScreen(command, VnClient::Check::FileCheck, [](VnClient& c) -> std::unique_ptr<VnScreen> {
        return std::make_unique<VnDBaseEditDlg>(c.App(), &c, c.App().GetSettings().ValveFile);
    });
}
