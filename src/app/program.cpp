#include "app/program.h"

#include "app/flavour.h"
#include "app/load_string.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>

#include <clocale>
#include <exception>
#include <memory>

QMainWindow* CreateMainWindow() {
    auto* frame = new QMainWindow;
    frame->setWindowTitle(QString::fromStdString(LoadString(flavour::kCaptionString)));
    return frame;
}

int RunProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sizing"));
    // Qt adopts the desktop's locale; numbers in files and datasheets always use a point.
    std::setlocale(LC_NUMERIC, "C");
    try {
        std::unique_ptr<QMainWindow> frame(CreateMainWindow());
        // without a window manager a maximise request is ignored; start at the screen's size
        if (QScreen* screen = QGuiApplication::primaryScreen())
            frame->setGeometry(screen->availableGeometry());
        frame->showMaximized();
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Exception"), QString::fromUtf8(e.what()));
        return -1;
    }
}
