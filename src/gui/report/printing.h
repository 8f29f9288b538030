// Printing a datasheet: the list file drawn line by line in a fixed-pitch font, laid out
// in screen units and scaled to the printer, so a page looks as it would on screen.
// One routine draws on any paint device: the printer, a PDF file, or a test's image.
#pragma once

#include "page/page_render.h"

#include <QString>
#include <QStringList>

#include <vector>

class QPrinter;
class QWidget;

// Renders every page of a sheet on the printer, scaling screen units by the printer's
// resolution against screenDpi. False when the printer could not be started.
bool RenderDatasheet(QPrinter& printer, const QStringList& lines, double screenDpiX, double screenDpiY);

// The lines of a datasheet file.
QStringList ReadDatasheetLines(const QString& fileName);

enum class PrintResult { Printed, Cancelled, Failed };

// The print dialog for the printer, then the list file printed with jobTitle as the
// document name.
// With a chart, the chart follows the sheet's text.
PrintResult PrintListFile(QWidget* owner, QPrinter& printer, const QString& listFile, const QString& jobTitle,
                          const TorqueChartData* chart = nullptr);
