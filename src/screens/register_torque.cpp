#include "app/flavour.h"
#include "app/vn_app.h"
#include "app/vn_client.h"
#include "resources/menu_table.h"
#include "screens/siz_double_acting_dlg.h"
#include "screens/tor_double.h"
#include "screens/tor_spring_ret_dlg.h"

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
