#include "app/vn_client.h"

void RegisterDatabaseSizing(VnClient&) {}
