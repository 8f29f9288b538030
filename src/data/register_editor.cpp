#include "app/vn_client.h"

void RegisterDatabaseEditor(VnClient&) {}
