#include "gui/app/program.h"

#include "gui/app/application.h"
#include "gui/app/style.h"
#include "gui/common/flavour.h"

#include <QApplication>
#include <QMessageBox>

#include <clocale>
#include <exception>

void SetProgramNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("Varnox"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("varnox.com"));
    QCoreApplication::setApplicationName(QString::fromLatin1(flavour::kProgramName));
}

int RunProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    SetProgramNames();
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
