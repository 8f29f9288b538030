#include "core/text/menu_table.h"

namespace {

MenuNode Item(const char* caption, int command) {
    return {caption, command, {}};
}

MenuNode Item(const char* caption, int command, int hint) {
    return {caption, command, {}, hint};
}

MenuNode Separator() {
    return {};
}

MenuNode Popup(const char* caption, std::vector<MenuNode> children) {
    return {caption, 0, std::move(children)};
}

MenuNode FileMenu() {
    return Popup("&File", {Item("&Setup", cmd::Setup), Item("&Note", cmd::Note), Separator(),
                           Item("P&rint Setup...", cmd::PrintSetup), Separator(),
                           Item("E&xit\tAlt+F4", cmd::Exit)});
}

MenuNode ConversionsMenu() {
    return Popup("&Conversions", {Item("&Pressure", cmd::ConvertPressure),
                                  Popup("&Torque", {Item("&1  Nm && lb.in", cmd::ConvertTorque1),
                                                    Item("&2  Nm && lb.ft", cmd::ConvertTorque2),
                                                    Item("&3  Kg.m && lb.in", cmd::ConvertTorque3),
                                                    Item("&4  Kg.m && lb.ft", cmd::ConvertTorque4)}),
                                  Item("&Length", cmd::ConvertLength), Item("&Weight", cmd::ConvertWeight),
                                  Item("&Volume", cmd::ConvertVolume),
                                  Item("&Temperature", cmd::ConvertTemperature)});
}

MenuNode HelpMenu(int userGuide) {
    return Popup("&Help",
                 {Item("&User Guide\tF1", userGuide, kUserGuideHint), Separator(), Item("&About...", cmd::About)});
}

} // namespace

std::vector<MenuNode> MenuDefinition(int menuId) {
    if (menuId == kElectricMenu) {
        return {FileMenu(),
                Popup("&Sizing", {Item("&Actuator Sizing", cmd::ElectricSizing), Separator(),
                                  Item("&Valve List...", cmd::ElectricValveList)}),
                Popup("&Database",
                      {Item("&Sizing", cmd::ElectricDatabaseSizing), Item("&Edit", cmd::ElectricDatabaseEdit)}),
                Popup("&Engineering",
                      {Item("&Hot Line Actuators", cmd::HotLine), Item("&Torsion", cmd::Torsion), ConversionsMenu()}),
                HelpMenu(cmd::ElectricUserGuide)};
    }
    return {FileMenu(),
            Popup("&Torque", {Item("&Double Acting", cmd::TorqueDoubleActing),
                              Item("&Spring Return", cmd::TorqueSpringReturn)}),
            Popup("&Sizing", {Item("&Double Acting", cmd::SizingDoubleActing),
                              Item("&Spring Return", cmd::SizingSpringReturn), Separator(),
                              Item("&Valve List...", cmd::ValveList)}),
            Popup("&Database", {Item("&Sizing", cmd::DatabaseSizing), Item("&Edit", cmd::DatabaseEdit)}),
            Popup("&Engineering", {Item("&Hot Line Actuators", cmd::HotLine), Item("&Actuator Speed", cmd::ActuatorSpeed),
                                   Item("Air Tank &Capacity", cmd::AirTank), Item("&Torsion", cmd::Torsion),
                                   ConversionsMenu()}),
            HelpMenu(cmd::UserGuide)};
}
