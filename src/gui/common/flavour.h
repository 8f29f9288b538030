// The one header that looks at the flavour switch. Everything that differs between
// the pneumatic and the electric program is a value here; the core takes these as
// parameters and never tests the flavour itself.
#pragma once

#include "core/report/datasheet_frame.h"
#include "core/settings/settings.h"

#if defined(VN_FLAVOUR_PNEUMATIC) == defined(VN_FLAVOUR_ELECTRIC)
#error "build with exactly one of VN_FLAVOUR_PNEUMATIC and VN_FLAVOUR_ELECTRIC"
#endif

#if defined(VN_FLAVOUR_PNEUMATIC)
#include "core/data/torque_t.h"
namespace flavour {
constexpr bool kPneumatic = true;
constexpr const char* kSettingsFile = kPneumaticSettingsFile;
constexpr const char* kListFile = "LIST_KAV.TXT";
constexpr int kMainMenu = 100;
constexpr int kCaptionString = 12;
constexpr const char* kShortName = "KAV";
constexpr const char* kProgramName = "vnpneu";
} // namespace flavour
using ActuatorData = TorqueT;
#else
#include "core/data/torque_e.h"
namespace flavour {
constexpr bool kPneumatic = false;
constexpr const char* kSettingsFile = kElectricSettingsFile;
constexpr const char* kListFile = "LIST_QU.TXT";
constexpr int kMainMenu = 101;
constexpr int kCaptionString = 110;
constexpr const char* kShortName = "QU";
constexpr const char* kProgramName = "vnelec";
} // namespace flavour
using ActuatorData = TorqueE;
#endif

namespace flavour {
inline const char* Banner() {
    return kPneumatic ? kPneumaticBanner : kElectricBanner;
}
inline const char* VersionText() {
    return kPneumatic ? kPneumaticVersionText : kElectricVersionText;
}
} // namespace flavour
