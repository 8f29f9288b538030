// The start-up floor: the smallest honest Qt main window, with a menu bar holding one menu
// and a status bar message, so that it pays for the font set-up as every real window does.
// It opens at the screen's size, as the programs' frame does, and closes at once.
#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
