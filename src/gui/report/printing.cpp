#include "gui/report/printing.h"

#include "core/report/textfile.h"
#include "page/page_render.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

bool RenderDatasheet(QPrinter& printer, const QStringList& lines, double screenDpiX, double screenDpiY) {
    return RenderDatasheetAndChart(printer, lines, nullptr, screenDpiX, screenDpiY);
}

QStringList ReadDatasheetLines(const QString& fileName) {
    QStringList lines;
    Textfile file(fileName.toStdString());
    if (!file.Open(Textfile::ModeRead))
        return lines;
    std::string line;
    while (file.ReadLine(line, 1000))
        lines << QString::fromStdString(line);
    return lines;
}

PrintResult PrintListFile(QWidget* owner, QPrinter& printer, const QString& listFile, const QString& jobTitle,
                          const TorqueChartData* chart) {
    printer.setDocName(jobTitle);
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    const double dpiX = owner ? owner->logicalDpiX() : 96.0;
    const double dpiY = owner ? owner->logicalDpiY() : 96.0;
    return RenderDatasheetAndChart(printer, ReadDatasheetLines(listFile), chart, dpiX, dpiY) ? PrintResult::Printed
                                                                                            : PrintResult::Failed;
}
