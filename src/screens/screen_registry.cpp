#include "app/vn_client.h"

#include "app/flavour.h"

void RegisterScreens(VnClient&) {
    // The screens register here as they join the program.
}
