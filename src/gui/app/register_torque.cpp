#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/common/flavour.h"
#include "gui/screens/double_acting_sizing_screen.h"
#include "gui/screens/double_acting_torque_screen.h"
#include "gui/screens/spring_return_torque_screen.h"

namespace {

template <class Screen> void Register(VnClient& client, int command) {
    client.SetScreen(command, VnClient::Check::DataGuard, [](VnClient& c) -> std::unique_ptr<VnScreen> {
        return std::make_unique<Screen>(c.App(), &c, c.App().GetSettings().ActuatorFile);
    });
}

} // namespace

// The torque tables and double-acting sizing exist in the pneumatic program only.
void RegisterTorqueScreens(VnClient& client) {
    if (!flavour::kPneumatic)
        return;
    Register<VnTorDouble>(client, cmd::TorqueDoubleActing);
    Register<VnTorSpringRetDlg>(client, cmd::TorqueSpringReturn);
    Register<VnSizDoubleActingDlg>(client, cmd::SizingDoubleActing);
}
