#include "app/vn_client.h"

void RegisterTools(VnClient&) {
    // The engineering tools and conversion windows register here.
}
