#include "app/vn_client.h"

void RegisterTorqueScreens(VnClient&) {}
