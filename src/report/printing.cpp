#include "report/printing.h"

#include "report/textfile.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

std::vector<PlacedLine> PlaceDatasheetPage(const QStringList& lines, const PrintPage& page) {
    std::vector<PlacedLine> placed;
    for (int i = 0; i < page.lineCount && page.firstLine + i < lines.size(); ++i)
        placed.push_back({lines[page.firstLine + i], QPointF(kPrintLeft, PrintLineY(i))});
    return placed;
}

void SetDatasheetFont(QPainter& painter) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(kPrintFontHeight);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
}

void DrawDatasheetPage(QPainter& painter, const QStringList& lines, const PrintPage& page) {
    SetDatasheetFont(painter);
    const qreal ascent = QFontMetricsF(painter.font()).ascent();
    for (const PlacedLine& line : PlaceDatasheetPage(lines, page))
        painter.drawText(line.position + QPointF(0, ascent), line.text);
}

bool RenderDatasheet(QPrinter& printer, const QStringList& lines, double screenDpiX, double screenDpiY) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double scaleX = printer.logicalDpiX() / screenDpiX;
    const double scaleY = printer.logicalDpiY() / screenDpiY;
    const double pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height() / scaleY;
    painter.scale(scaleX, scaleY);
    const std::vector<PrintPage> pages = PaginateDatasheet(static_cast<int>(lines.size()), pageHeight);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        DrawDatasheetPage(painter, lines, pages[p]);
    }
    return painter.end();
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

PrintResult PrintListFile(QWidget* owner, QPrinter& printer, const QString& listFile, const QString& jobTitle) {
    printer.setDocName(jobTitle);
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    const double dpiX = owner ? owner->logicalDpiX() : 96.0;
    const double dpiY = owner ? owner->logicalDpiY() : 96.0;
    return RenderDatasheet(printer, ReadDatasheetLines(listFile), dpiX, dpiY) ? PrintResult::Printed
                                                                              : PrintResult::Failed;
}
