#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/common/flavour.h"
#include "gui/lists/valve_list_screen.h"

#include <QTimer>

// The list sizes with the program's range and database, so it is guarded like the
// sizing screens.
void RegisterValveList(VnClient& client) {
    const int command = flavour::kPneumatic ? cmd::ValveList : cmd::ElectricValveList;
    client.SetScreen(command, VnClient::Check::DataGuard, [](VnClient& c) -> std::unique_ptr<VnScreen> {
        const Settings& settings = c.App().GetSettings();
        auto screen = std::make_unique<VnValveListDlg>(c.App(), &c, settings.ActuatorFile, settings.ValveFile);
        // the list of the last session, read afresh once the screen shows
        QTimer::singleShot(0, screen.get(), [shown = screen.get()] { shown->ReopenLast(); });
        return screen;
    });
}
