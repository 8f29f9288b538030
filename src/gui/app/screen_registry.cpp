#include "gui/app/client_area.h"

void RegisterTools(VnClient& client);
void RegisterTorqueScreens(VnClient& client);
void RegisterSizingScreens(VnClient& client);
void RegisterDatabaseSizing(VnClient& client);
void RegisterDatabaseEditor(VnClient& client);
void RegisterValveList(VnClient& client);

void RegisterScreens(VnClient& client) {
    RegisterTorqueScreens(client);
    RegisterSizingScreens(client);
    RegisterDatabaseSizing(client);
    RegisterDatabaseEditor(client);
    RegisterValveList(client);
    RegisterTools(client);
}
