#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/screens/spring_return_sizing_screen.h"

void RegisterSizingScreens(VnClient& client) {
    const int command = flavour::kPneumatic ? cmd::SizingSpringReturn : cmd::ElectricSizing;
    client.SetScreen(command, VnClient::Check::DataGuard, [](VnClient& c) -> std::unique_ptr<VnScreen> {
        return std::make_unique<VnSizSpringReturnDlg>(c.App(), &c, c.App().GetSettings().ActuatorFile);
    });
}
