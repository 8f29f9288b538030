// VnClient: the frame's client area. It answers the screen commands: it makes the
// screen, runs the data guard and the file check, shows the screen modally and
// destroys it afterwards. It also keeps the one window of each unit conversion.
#pragma once

#include <QMdiArea>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <memory>

class VnApp;
class VnScreen;

class VnClient : public QMdiArea {
    Q_OBJECT
public:
    // How a command's screen is opened.
    enum class Check {
        DataGuard, // the screen's actuator data must hold records, then the file check
        FileCheck, // only the file check
    };
    using ScreenFactory = std::function<std::unique_ptr<VnScreen>(VnClient&)>;
    // Makes a conversion window; it has no parent, and the client deletes it.
    using ConversionFactory = std::function<QWidget*(VnClient&)>;

    static constexpr int kConversionSlots = 10;

    VnClient(VnApp& app, QWidget* parent);
    ~VnClient() override;

    VnApp& App() { return app_; }

    void Command(int command);

    // Which screen a command opens; a command without one runs its checks only.
    void SetScreen(int command, Check check, ScreenFactory factory);
    void SetConversion(int command, int slot, ConversionFactory factory);

    // The file check, then the screen modally; the screen is destroyed afterwards.
    // False when the check refused it.
    bool RunScreen(std::unique_ptr<VnScreen> screen);

    // Closes every child window, the conversion windows included, and empties the slots.
    void CloseChildren();

    QWidget* ConversionWindow(int slot) const;
    // The conversion objects that exist, shown or closed.
    int ConversionCount() const;

private:
    struct ScreenCommand {
        Check check;
        ScreenFactory factory;
    };
    struct ConversionCommand {
        int slot;
        ConversionFactory factory;
    };

    void OpenScreen(int command, const ScreenCommand& entry);
    void OpenConversion(const ConversionCommand& entry);
    void OpenNote();
    bool CheckFiles();

    VnApp& app_;
    std::map<int, ScreenCommand> screens_;
    std::map<int, ConversionCommand> conversions_;
    std::array<QPointer<QWidget>, kConversionSlots> ConversionWindows;
};

// Registers the screens and tools of this program with the client.
void RegisterScreens(VnClient& client);
