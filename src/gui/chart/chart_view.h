// The chart pane of the sizing screens: draws the chart of the row the user selected,
// scaling with the pane, and offers it to the clipboard and to PNG and SVG files.
#pragma once

#include "core/chart/torque_chart.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>

class VnChartView : public QWidget {
    Q_OBJECT
public:
    explicit VnChartView(QWidget* parent = nullptr);

    void SetChart(const TorqueChartData& chart);
    void ClearChart();
    const std::optional<TorqueChartData>& Chart() const { return chart_; }

    void CopyChart() const;
    // Asks for a file and writes the chart as PNG or SVG by the chosen filter.
    void SaveChart();

    QSize sizeHint() const override { return {420, 300}; }
    QSize minimumSizeHint() const override { return {280, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::optional<TorqueChartData> chart_;
};

// The chart drawn on an image of the given size in device-independent pixels.
QImage RenderChartImage(const TorqueChartData& chart, QSize size, qreal pixelRatio = 1.0);
// Writes the chart as PNG or, for a name ending in ".svg", SVG; built beside the target
// and put in place at the end. False with error naming the file.
bool SaveChartFile(const TorqueChartData& chart, const QString& fileName, QSize size, QString& error);
