// The one routine that draws a torque chart, on any painter: a screen's pane, an image,
// the clipboard, an SVG file, a printed or PDF page. Sizes follow the rectangle it is
// given, so the chart scales with the window and the device.
#pragma once

#include "core/chart/torque_chart.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// Where the parts of a chart fall in a rectangle, for the painter and for tests.
struct ChartLayout {
    QRectF bounds;
    QRectF title;
    QRectF legend;
    QRectF plot; // the axes' box
    std::vector<QRectF> legendItems; // per legend entry: its sample and text, in rows that fit
    double fontPixels = 10;
    double torqueTop = 1;

    QPointF Map(double angle, double torque) const;
};

ChartLayout LayoutTorqueChart(const QRectF& rect, const TorqueChartData& chart);

// The font of the chart's texts at a size in pixels.
QFont ChartFont(double pixels, bool bold = false);

// A mark's label, or the MAST's, and the box it is drawn in.
struct PlacedLabel {
    QString text;
    QRectF box;
    bool weakest = false;
    bool mast = false; // the MAST's label, at the right end over its line
};
// The labels of the marks, then the MAST's when there is one, moved apart where they
// would overlap.
std::vector<PlacedLabel> PlaceMarkLabels(const ChartLayout& layout, const TorqueChartData& chart);

// The colour of a series: told apart by colour-blind readers, and by line style in grey.
QColor SeriesColour(ChartSeries series);
// The width of a series' pen, where a full line is width wide: the air stroke at the
// highest pressure is drawn thin beside the one it is sized at.
double SeriesPenWidth(ChartSeries series, double width);

void DrawTorqueChart(QPainter& painter, const QRectF& rect, const TorqueChartData& chart);
