// Printing a datasheet: the list file drawn line by line in a fixed-pitch font, laid out
// in screen units and scaled to the printer, so a page looks as it would on screen.
// One routine draws on any paint device: the printer, a PDF file, or a test's image.
#pragma once

#include "report/print_layout.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class QPrinter;
class QWidget;

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

// Renders every page of a sheet on the printer, scaling screen units by the printer's
// resolution against screenDpi. False when the printer could not be started.
bool RenderDatasheet(QPrinter& printer, const QStringList& lines, double screenDpiX, double screenDpiY);

// The lines of a datasheet file.
QStringList ReadDatasheetLines(const QString& fileName);

enum class PrintResult { Printed, Cancelled, Failed };

// The print dialog for the printer, then the list file printed with jobTitle as the
// document name.
PrintResult PrintListFile(QWidget* owner, QPrinter& printer, const QString& listFile, const QString& jobTitle);
