#include "app/vn_client.h"

#include "app/flavour.h"

void RegisterTools(VnClient& client);

void RegisterScreens(VnClient& client) {
    RegisterTools(client);
}
