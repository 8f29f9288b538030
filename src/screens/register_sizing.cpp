#include "app/vn_client.h"

void RegisterSizingScreens(VnClient&) {}
