// Drawing datasheet pages: the sheet's lines in a fixed-pitch font, laid out in screen
// units and scaled to the device, so a page looks as it would on screen. One routine
// draws on any paged device: the printer, a PDF file, or a test's image. It needs Qt's
// GUI module only, so the command-line program can write PDF without windows.
#pragma once

#include "chart/torque_chart.h"
#include "report/print_layout.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;
class QPagedPaintDevice;

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

// Called before each sheet with the sheets done so far; returning false stops.
using SheetProgress = std::function<bool(int done)>;

// Renders the sheets one after the other on the device, each from a new page, scaling
// screen units by the device's resolution against screenDpi. False when the device could
// not be started or progress stopped it.
bool RenderDatasheets(QPagedPaintDevice& device, const std::vector<QStringList>& sheets, double screenDpiX,
                      double screenDpiY, const SheetProgress& progress = {});

// Writes the sheets into a PDF file (A4), beside the target first and renamed over it at
// the end: a failed or cancelled write leaves no partial file and the old one in place.
// False with error set (naming the file) on failure; false with error empty on a cancel.
bool WriteDatasheetsPdf(const QString& fileName, const std::vector<QStringList>& sheets, const QString& title,
                        QString& error, const SheetProgress& progress = {});

// The sheet, then the chart below its text when the last page has room for it, or on a
// page of its own; without a chart, the sheet alone.
bool RenderDatasheetAndChart(QPagedPaintDevice& device, const QStringList& lines, const TorqueChartData* chart,
                             double screenDpiX, double screenDpiY);

// One sheet and its chart into a PDF file, safely as WriteDatasheetsPdf.
bool WriteDatasheetPdf(const QString& fileName, const QStringList& lines, const TorqueChartData* chart,
                       const QString& title, QString& error);
