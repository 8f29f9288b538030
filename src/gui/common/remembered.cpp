#include "gui/common/remembered.h"

#include "core/settings/window_place.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <vector>

namespace {

QString FolderKey(const char* dialog) {
    return QStringLiteral("folders/") + QLatin1String(dialog);
}

QString ScreenKey(const QString& screen) {
    return QStringLiteral("screens/") + screen;
}

WindowRect ToWindowRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QRect ToRect(const WindowRect& r) {
    return {r.x, r.y, r.width, r.height};
}

} // namespace

QString RememberedFolder(const char* dialog, const QString& fallback) {
    const QString folder = QSettings().value(FolderKey(dialog)).toString();
    // a folder removed or on a medium taken away since is no place to start
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

void RememberFolder(const char* dialog, const QString& chosenFile) {
    if (chosenFile.isEmpty())
        return;
    QSettings().setValue(FolderKey(dialog), QFileInfo(chosenFile).absolutePath());
}

std::optional<FramePlace> RememberedFramePlace() {
    QSettings settings;
    settings.beginGroup(QStringLiteral("frame"));
    const QRect normal = settings.value(QStringLiteral("geometry")).toRect();
    if (!normal.isValid())
        return std::nullopt;
    return FramePlace{normal, settings.value(QStringLiteral("maximized")).toBool(),
                      settings.value(QStringLiteral("state")).toByteArray()};
}

void RememberFramePlace(const FramePlace& place) {
    QSettings settings;
    settings.beginGroup(QStringLiteral("frame"));
    settings.setValue(QStringLiteral("geometry"), place.normal);
    settings.setValue(QStringLiteral("maximized"), place.maximized);
    settings.setValue(QStringLiteral("state"), place.state);
}

std::optional<QRect> RememberedScreenPlace(const QString& screen) {
    const QRect place = QSettings().value(ScreenKey(screen)).toRect();
    if (screen.isEmpty() || !place.isValid())
        return std::nullopt;
    return place;
}

void RememberScreenPlace(const QString& screen, const QRect& place) {
    if (!screen.isEmpty() && place.isValid())
        QSettings().setValue(ScreenKey(screen), place);
}

std::optional<QRect> PlaceOnScreens(const QRect& remembered) {
    std::vector<WindowRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToWindowRect(screen->availableGeometry()));
    const std::optional<WindowRect> place = ReopenedPlace(ToWindowRect(remembered), screens);
    if (!place)
        return std::nullopt;
    return ToRect(*place);
}

QRect CentredOnPrimaryScreen(const QSize& size) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return QRect(QPoint(0, 0), size);
    return ToRect(CentredIn(size.width(), size.height(), ToWindowRect(primary->availableGeometry())));
}
