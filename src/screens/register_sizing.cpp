#include "app/vn_app.h"
#include "app/vn_client.h"
#include "resources/menu_table.h"
#include "screens/siz_spring_return_dlg.h"

void RegisterSizingScreens(VnClient& client) {
    const int command = flavour::kPneumatic ? cmd::SizingSpringReturn : cmd::ElectricSizing;
    client.SetScreen(command, VnClient::Check::DataGuard, [](VnClient& c) -> std::unique_ptr<VnScreen> {
        return std::make_unique<VnSizSpringReturnDlg>(c.App(), &c, c.App().GetSettings().ActuatorFile);
    });
}
