#include "app/program.h"

#include "app/vn_app.h"
#include "app/vn_style.h"

#include <QApplication>
#include <QMessageBox>

#include <clocale>
#include <exception>

int RunProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sizing"));
    QApplication::setStyle(new VnStyle(QApplication::style()->name()));
    // Qt adopts the desktop's locale; numbers in files and datasheets always use a point
    std::setlocale(LC_NUMERIC, "C");
    try {
        VnApp vnApp;
        vnApp.SetStartupProbe(qEnvironmentVariableIsSet("VN_STARTUP_PROBE"));
        vnApp.InitMainWindow();
        return QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Exception"), QString::fromUtf8(e.what()), QMessageBox::Ok);
        box.exec();
        return -1;
    }
}
