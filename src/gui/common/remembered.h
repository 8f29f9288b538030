// What a program keeps from one session to the next, in QSettings under its own
// organisation and program names: the folder each file dialog was last used in, where
// the main window stood, and the size and place of each screen. The programs' own
// settings file stays as it is; none of this belongs in it.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

#include <optional>

// The file dialogs that open where they were last used.
namespace dialog_folder {
inline constexpr const char* ToFile = "toFile";
inline constexpr const char* SetupActuator = "setupActuator";
inline constexpr const char* SetupValve = "setupValve";
// Select Valve File in Database Sizing and Database Edit
inline constexpr const char* SelectValve = "selectValve";
} // namespace dialog_folder

// The folder the dialog was last used in, while it still exists; otherwise fallback.
QString RememberedFolder(const char* dialog, const QString& fallback);
// Keeps the folder of a file chosen in the dialog.
void RememberFolder(const char* dialog, const QString& chosenFile);

// The main window: its size and place when not maximised, whether it was, and the
// state of its bars.
struct FramePlace {
    QRect normal;
    bool maximized = false;
    QByteArray state;
};
std::optional<FramePlace> RememberedFramePlace();
void RememberFramePlace(const FramePlace& place);

// A screen's size and position (its frame's top left), by the screen's object name.
std::optional<QRect> RememberedScreenPlace(const QString& screen);
void RememberScreenPlace(const QString& screen, const QRect& place);

// A remembered rectangle on the desktop as it is now: on the screen it overlaps most and
// wholly within it; nothing when it would lie off every screen.
std::optional<QRect> PlaceOnScreens(const QRect& remembered);
// A rectangle of the given size centred on the primary screen.
QRect CentredOnPrimaryScreen(const QSize& size);
