// VnFrame: the main window: the menu of the program (100 or 101) with a hint for every
// item in the status bar, the keyboard indicators, and the client that opens screens.
#pragma once

#include "core/text/menu_table.h"

#include <QMainWindow>

class LanguageModule;
class QAction;
class QEvent;
class QLabel;
class QMenu;
class VnApp;
class VnClient;

class VnFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit VnFrame(VnApp& app);

    VnClient* GetClient() { return client_; }

    // Builds the menu bar from the menu definition, with captions from the module (null:
    // the program's own), and sets the caption string.
    void ApplyMenu(LanguageModule* module);

    // The action of a command number, or null.
    QAction* FindCommand(int command) const;

    // Runs a menu command.
    void Command(int command);

    // Shows the window where it was when the program last ended: its size and place,
    // maximised or not, moved onto a screen when its old place lies off every screen. The
    // first start fills the screen.
    void ShowAtRememberedPlace();
    // Keeps the window's place for the next start; only while it is shown.
    void RememberPlace();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void AddItems(QMenu* menu, const std::vector<MenuNode>& items, LanguageModule* module);
    void UpdateIndicators();

    VnApp& app_;
    VnClient* client_;
    QLabel* overtype_;
    bool overtypeOn_ = false;
    // the Insert press being passed up from widget to parent; only compared, never read
    const QEvent* lastInsert_ = nullptr;
};

// Window icon of the program: drawn, so that it needs no image files.
class QIcon;
QIcon ProgramIcon(bool pneumatic);
