#include "pdf_sheets.h"

#include "page/package_render.h"
#include "page/page_render.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

// Qt's chatter is no business of a command-line user: its debug and info lines are
// dropped, and so is the note that a server session has no runtime folder (Qt makes one in
// /tmp). Every other warning is passed on as vnsize's own.
void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || type == QtInfoMsg || text.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "vnsize: %s\n", text.toLocal8Bit().constData());
}

} // namespace

// Fonts and the PDF painter want a GUI application, but vnsize never shows a window: the
// offscreen platform needs no display, whatever the environment asks for.
class OffscreenApplication {
    // before the application is made: its platform is chosen as it starts
    static bool Offscreen() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QtMessage);
        return true;
    }

    bool offscreen_ = Offscreen();
    int argc_ = 1;
    char name_[7] = "vnsize";
    char* argv_[2] = {name_, nullptr};
    QGuiApplication application_{argc_, argv_};
};

bool WritePdfSheets(const std::string& fileName, std::size_t count, const PdfSheetMaker& sheetAt,
                    const std::string& title, std::string& error, const PdfProgress& progress) {
    OffscreenApplication application;

    const SheetMaker page = [&](std::size_t index) {
        ListSheet made = sheetAt(index);
        return MakePrintSheet(made.lines, std::move(made.chart));
    };
    QString failure;
    const bool written =
        WriteDatasheetsPdf(QString::fromStdString(fileName), count, page, QString::fromStdString(title), failure, progress);
    error = failure.toStdString();
    return written;
}

bool WritePdfPackage(const std::string& fileName, PackageSource& source, int paper, std::string& error,
                     const PdfProgress& progress) {
    OffscreenApplication application;
    const PaperKind kind = paper == 0 ? PaperKind::A4 : paper == 1 ? PaperKind::Letter : DefaultPaper();
    QString failure;
    const bool written = WritePackagePdf(QString::fromStdString(fileName), source, kind, failure,
                                         [&](std::size_t done) { return !progress || progress(static_cast<int>(done)); });
    error = failure.toStdString();
    return written;
}
