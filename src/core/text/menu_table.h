// The two main menus as data: captions with their mnemonics, command numbers and
// separators. The frame builds its menu bar from these and translates the captions
// through the active language catalogue.
#pragma once

#include <string>
#include <vector>

struct MenuNode {
    std::string caption; // empty for a separator
    int command = 0;     // 0 for a pop-up
    std::vector<MenuNode> children;
    int hint = 0; // the string of the status-bar hint; 0: the string numbered as the command

    int HintString() const { return hint != 0 ? hint : command; }
    bool IsSeparator() const { return caption.empty(); }
    bool IsPopup() const { return command == 0 && !caption.empty(); }
};

constexpr int kPneumaticMenu = 100;
constexpr int kElectricMenu = 101;

// The pop-ups of menu 100 or 101, in order.
std::vector<MenuNode> MenuDefinition(int menuId);

// The string of the User Guide item's status-bar hint.
constexpr int kUserGuideHint = 202;

// Command numbers.
namespace cmd {
constexpr int Setup = 10114;
constexpr int Note = 10113;
constexpr int PrintSetup = 24338;
constexpr int Exit = 24310;
constexpr int TorqueDoubleActing = 10101;
constexpr int TorqueSpringReturn = 10102;
constexpr int SizingDoubleActing = 10103;
constexpr int SizingSpringReturn = 10104;
constexpr int DatabaseSizing = 10106;
constexpr int DatabaseEdit = 10107;
constexpr int HotLine = 10108;
constexpr int ActuatorSpeed = 10109;
constexpr int AirTank = 10110;
constexpr int Torsion = 10111;
constexpr int ConvertPressure = 10120;
constexpr int ConvertTorque1 = 10105;
constexpr int ConvertTorque2 = 10121;
constexpr int ConvertTorque3 = 10122;
constexpr int ConvertTorque4 = 10123;
constexpr int ValveList = 10124;
constexpr int ConvertLength = 10116;
constexpr int ConvertWeight = 10117;
constexpr int ConvertVolume = 10118;
constexpr int ConvertTemperature = 10119;
constexpr int About = 2009;
constexpr int ElectricSizing = 10401;
constexpr int ElectricDatabaseSizing = 10402;
constexpr int ElectricDatabaseEdit = 10403;
constexpr int ElectricValveList = 10404;
constexpr int UserGuide = 10125;
constexpr int ElectricUserGuide = 10405;
} // namespace cmd
