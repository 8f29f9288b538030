// Drawing datasheet pages: the sheet's lines in a fixed-pitch font, laid out in screen
// units and scaled to the device, so a page looks as it would on screen. One routine
// draws on any paged device: the printer, a PDF file, or a test's image. It needs Qt's
// GUI module only, so the command-line program can write PDF without windows.
#pragma once

#include "core/chart/torque_chart.h"
#include "core/report/print_layout.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class QPdfWriter;

struct PlacedLine {
    QString text;
    QPointF position; // top left of the line, in screen units
};

// The lines of one page and where they go.
std::vector<PlacedLine> PlaceDatasheetPage(const QStringList& lines, const PrintPage& page);

// The datasheet font: fixed pitch, 11 units high.
void SetDatasheetFont(QPainter& painter);

// Draws one page in screen units on a painter that is already scaled.
void DrawDatasheetPage(QPainter& painter, const QStringList& lines, const PrintPage& page);

// A datasheet and, when it has one, the chart printed below its text.
struct PrintSheet {
    QStringList lines;
    std::optional<TorqueChartData> chart;
};

PrintSheet MakePrintSheet(const std::vector<std::string>& lines, std::optional<TorqueChartData> chart);

// Makes the sheet with the given index. Sheets are made as they are drawn, so a run of
// thousands holds one at a time.
using SheetMaker = std::function<PrintSheet(std::size_t index)>;

// Called before each sheet with the sheets done so far; returning false stops.
using SheetProgress = std::function<bool(int done)>;

// Renders count sheets one after the other on the device, each from a new page, scaling
// screen units by the device's resolution against screenDpi. A sheet's chart goes below
// its text when the last page has room for it, otherwise on a page of its own. False
// when the device could not be started or progress stopped it.
bool RenderDatasheets(QPagedPaintDevice& device, std::size_t count, const SheetMaker& sheetAt, double screenDpiX,
                      double screenDpiY, const SheetProgress& progress = {});

// Draws a PDF file beside fileName and puts it in place once draw has drawn every page: a
// failed or stopped draw leaves the old file as it was. draw returns false when it could not
// draw or was stopped, and sets stopped for a stop. False with error set (naming the file) on
// failure; false with error empty on a stop.
using PdfDrawer = std::function<bool(QPdfWriter& pdf, bool& stopped)>;
bool WritePdfInPlace(const QString& fileName, QString& error, const PdfDrawer& draw);

// Writes count sheets into a PDF file (A4), beside the target first and renamed over it
// at the end: a failed or cancelled write leaves no partial file and the old one in place.
// False with error set (naming the file) on failure; false with error empty on a cancel.
bool WriteDatasheetsPdf(const QString& fileName, std::size_t count, const SheetMaker& sheetAt, const QString& title,
                        QString& error, const SheetProgress& progress = {});

// One sheet, with its chart when chart is given.
bool RenderDatasheetAndChart(QPagedPaintDevice& device, const QStringList& lines, const TorqueChartData* chart,
                             double screenDpiX, double screenDpiY);
bool WriteDatasheetPdf(const QString& fileName, const QStringList& lines, const TorqueChartData* chart,
                       const QString& title, QString& error);
