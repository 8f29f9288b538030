#include "core/text/menu_table.h"
#include "gui/app/application.h"
#include "gui/app/client_area.h"
#include "gui/common/flavour.h"
#include "gui/tools/actuator_speed_dialog.h"
#include "gui/tools/air_tank_dialog.h"
#include "gui/tools/conversion_dialogs.h"
#include "gui/tools/hot_line_dialog.h"
#include "gui/tools/torsion_dialog.h"

#include <memory>

namespace {

template <class Dialog, class... Args> VnClient::ConversionFactory Conversion(Args... args) {
    return [args...](VnClient& client) -> QWidget* { return new Dialog(client.App(), args...); };
}

} // namespace

void RegisterTools(VnClient& client) {
    const VnClient::Check check = VnClient::Check::FileCheck;
    client.SetScreen(cmd::HotLine, check,
                     [](VnClient& c) { return std::make_unique<VnHotLineActuatorDialog>(c.App(), &c); });
    // the electric program has no air to time or to store
    if (flavour::kPneumatic) {
        client.SetScreen(cmd::ActuatorSpeed, check, [](VnClient& c) {
            return std::make_unique<VnActuatorSpeedDialog>(c.App(), &c, c.App().GetSettings().ActuatorFile);
        });
        client.SetScreen(cmd::AirTank, check, [](VnClient& c) {
            return std::make_unique<VnAirTankDialog>(c.App(), &c, c.App().GetSettings().ActuatorFile);
        });
    }
    client.SetScreen(cmd::Torsion, check, [](VnClient& c) { return std::make_unique<VnTorsionDialog>(c.App(), &c); });

    client.SetConversion(cmd::ConvertPressure, 0, Conversion<VnConvertPressureDialog>());
    client.SetConversion(cmd::ConvertTorque1, 1, Conversion<VnConvertTorqueDialog>(1));
    client.SetConversion(cmd::ConvertTorque2, 2, Conversion<VnConvertTorqueDialog>(2));
    // each torque item opens the units its menu text names
    client.SetConversion(cmd::ConvertTorque3, 3, Conversion<VnConvertTorqueDialog>(3));
    client.SetConversion(cmd::ConvertTorque4, 4, Conversion<VnConvertTorqueDialog>(4));
    client.SetConversion(cmd::ConvertLength, 5, Conversion<VnConvertLengthDialog>());
    client.SetConversion(cmd::ConvertTemperature, 6, Conversion<VnConvertTemperatureDialog>());
    client.SetConversion(cmd::ConvertWeight, 7, Conversion<VnConvertWeightDialog>());
    client.SetConversion(cmd::ConvertVolume, 8, Conversion<VnConvertVolumeDialog>());
}
