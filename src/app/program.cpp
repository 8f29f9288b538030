#include "app/program.h"

#include "app/flavour.h"
#include "app/load_string.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include <clocale>
#include <exception>

int RunProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sizing"));
    // Qt adopts the desktop's locale; numbers in files and datasheets always use a point.
    std::setlocale(LC_NUMERIC, "C");
    try {
        QMainWindow frame;
        frame.setWindowTitle(QString::fromStdString(LoadString(flavour::kCaptionString)));
        frame.showMaximized();
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Exception"), QString::fromUtf8(e.what()));
        return -1;
    }
}
