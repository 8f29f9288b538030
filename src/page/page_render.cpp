#include "page/page_render.h"

#include "page/chart_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

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

PrintSheet MakePrintSheet(const std::vector<std::string>& lines, std::optional<TorqueChartData> chart) {
    PrintSheet sheet{{}, std::move(chart)};
    sheet.lines.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        sheet.lines.append(QString::fromStdString(line));
    return sheet;
}

namespace {

// Draws a sheet from a new page (the device's first page for the first sheet), then its
// chart: as wide as the sheet's rule line, in the proportions of a screen's pane.
void DrawSheet(QPainter& painter, QPagedPaintDevice& device, const PrintSheet& sheet, double pageWidth,
               double pageHeight, bool& first) {
    const std::vector<PrintPage> pages = PaginateDatasheet(static_cast<int>(sheet.lines.size()), pageHeight);
    for (const PrintPage& page : pages) {
        if (!first)
            device.newPage();
        first = false;
        DrawDatasheetPage(painter, sheet.lines, page);
    }
    if (!sheet.chart)
        return;
    const double width = std::min(pageWidth - 2 * kPrintLeft, 640.0);
    const double height = width * 0.62;
    double top = PrintLineY(pages.empty() ? 0 : pages.back().lineCount) + kPrintLinePitch;
    if ((pages.empty() && !first) || top + height > pageHeight) {
        device.newPage();
        top = kPrintTop;
    }
    first = false;
    DrawTorqueChart(painter, QRectF(kPrintLeft, top, width, height), *sheet.chart);
}

} // namespace

bool RenderDatasheets(QPagedPaintDevice& device, std::size_t count, const SheetMaker& sheetAt, double screenDpiX,
                      double screenDpiY, const SheetProgress& progress) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scaleX = device.logicalDpiX() / screenDpiX;
    const double scaleY = device.logicalDpiY() / screenDpiY;
    const QRect paper = device.pageLayout().paintRectPixels(device.logicalDpiY());
    const double pageWidth = paper.width() / scaleX;
    const double pageHeight = paper.height() / scaleY;
    painter.scale(scaleX, scaleY);
    bool first = true;
    for (std::size_t s = 0; s < count; ++s) {
        if (progress && !progress(static_cast<int>(s))) {
            painter.end();
            return false;
        }
        DrawSheet(painter, device, sheetAt(s), pageWidth, pageHeight, first);
    }
    return painter.end();
}

bool WritePdfInPlace(const QString& fileName, QString& error, const PdfDrawer& draw) {
    error.clear();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    bool rendered = false;
    bool stopped = false;
    {
        QPdfWriter pdf(&file);
        rendered = draw(pdf, stopped);
    }
    if (!rendered) {
        file.cancelWriting();
        if (!stopped)
            error = QStringLiteral("%1: the pages could not be drawn").arg(fileName);
        return false;
    }
    if (!file.commit()) {
        error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

bool WriteDatasheetsPdf(const QString& fileName, std::size_t count, const SheetMaker& sheetAt, const QString& title,
                        QString& error, const SheetProgress& progress) {
    return WritePdfInPlace(fileName, error, [&](QPdfWriter& pdf, bool& stopped) {
        const SheetProgress watch = [&](int done) {
            stopped = progress && !progress(done);
            return !stopped;
        };
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("vnsizing"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        return RenderDatasheets(pdf, count, sheetAt, 96.0, 96.0, watch);
    });
}

namespace {

SheetMaker OneSheet(const QStringList& lines, const TorqueChartData* chart) {
    return [&lines, chart](std::size_t) {
        return PrintSheet{lines, chart ? std::optional<TorqueChartData>(*chart) : std::nullopt};
    };
}

} // namespace

bool RenderDatasheetAndChart(QPagedPaintDevice& device, const QStringList& lines, const TorqueChartData* chart,
                             double screenDpiX, double screenDpiY) {
    return RenderDatasheets(device, 1, OneSheet(lines, chart), screenDpiX, screenDpiY);
}

bool WriteDatasheetPdf(const QString& fileName, const QStringList& lines, const TorqueChartData* chart,
                       const QString& title, QString& error) {
    return WriteDatasheetsPdf(fileName, 1, OneSheet(lines, chart), title, error);
}
