#include "report/page_render.h"

#include "chart/chart_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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

bool RenderDatasheets(QPagedPaintDevice& device, const std::vector<QStringList>& sheets, double screenDpiX,
                      double screenDpiY, const SheetProgress& progress) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scaleX = device.logicalDpiX() / screenDpiX;
    const double scaleY = device.logicalDpiY() / screenDpiY;
    const double pageHeight = device.pageLayout().paintRectPixels(device.logicalDpiY()).height() / scaleY;
    painter.scale(scaleX, scaleY);
    bool first = true;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        if (progress && !progress(static_cast<int>(s))) {
            painter.end();
            return false;
        }
        const QStringList& lines = sheets[s];
        for (const PrintPage& page : PaginateDatasheet(static_cast<int>(lines.size()), pageHeight)) {
            if (!first)
                device.newPage();
            first = false;
            DrawDatasheetPage(painter, lines, page);
        }
    }
    return painter.end();
}

bool WriteDatasheetsPdf(const QString& fileName, const std::vector<QStringList>& sheets, const QString& title,
                        QString& error, const SheetProgress& progress) {
    error.clear();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    bool rendered = false;
    bool stopped = false;
    const SheetProgress watch = [&](int done) {
        stopped = progress && !progress(done);
        return !stopped;
    };
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("vnsizing"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        rendered = RenderDatasheets(pdf, sheets, 96.0, 96.0, watch);
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

bool RenderDatasheetAndChart(QPagedPaintDevice& device, const QStringList& lines, const TorqueChartData* chart,
                             double screenDpiX, double screenDpiY) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scaleX = device.logicalDpiX() / screenDpiX;
    const double scaleY = device.logicalDpiY() / screenDpiY;
    const QRect paper = device.pageLayout().paintRectPixels(device.logicalDpiY());
    const double pageWidth = paper.width() / scaleX;
    const double pageHeight = paper.height() / scaleY;
    painter.scale(scaleX, scaleY);
    const std::vector<PrintPage> pages = PaginateDatasheet(static_cast<int>(lines.size()), pageHeight);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            device.newPage();
        DrawDatasheetPage(painter, lines, pages[p]);
    }
    if (chart) {
        // as wide as the sheet's rule line, in the proportions of a screen's pane
        const double width = std::min(pageWidth - 2 * kPrintLeft, 640.0);
        const double height = width * 0.62;
        double top = PrintLineY(pages.empty() ? 0 : pages.back().lineCount) + kPrintLinePitch;
        if (top + height > pageHeight) {
            device.newPage();
            top = kPrintTop;
        }
        DrawTorqueChart(painter, QRectF(kPrintLeft, top, width, height), *chart);
    }
    return painter.end();
}

bool WriteDatasheetPdf(const QString& fileName, const QStringList& lines, const TorqueChartData* chart,
                       const QString& title, QString& error) {
    error.clear();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    bool rendered = false;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("vnsizing"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        rendered = RenderDatasheetAndChart(pdf, lines, chart, 96.0, 96.0);
    }
    if (!rendered || !file.commit()) {
        file.cancelWriting();
        error = QStringLiteral("%1: %2").arg(fileName, rendered ? file.errorString() : QStringLiteral("the pages could not be drawn"));
        return false;
    }
    return true;
}
