#include "page/chart_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

Qt::PenStyle SeriesStyle(ChartSeries series) {
    switch (series) {
    case ChartSeries::AirStroke:
    case ChartSeries::AirStrokeMax:
    case ChartSeries::OutputMax:
    case ChartSeries::BreakSeat:
        return Qt::SolidLine;
    case ChartSeries::SpringStroke:
    case ChartSeries::Mast:
        return Qt::DashLine;
    case ChartSeries::Running:
        return Qt::DashDotLine;
    case ChartSeries::Output:
        break;
    }
    return Qt::SolidLine;
}

// A demand's marker: a diamond, larger and ringed at the weakest point.
void DrawMarker(QPainter& painter, QPointF at, double size, bool checked, bool weakest) {
    QPainterPath diamond;
    diamond.moveTo(at + QPointF(0, -size));
    diamond.lineTo(at + QPointF(size, 0));
    diamond.lineTo(at + QPointF(0, size));
    diamond.lineTo(at + QPointF(-size, 0));
    diamond.closeSubpath();
    painter.setPen(QPen(Qt::black, std::max(1.0, size / 4)));
    painter.setBrush(checked ? QBrush(Qt::black) : QBrush(Qt::white));
    painter.drawPath(diamond);
    if (weakest) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0xCC, 0x79, 0xA7), std::max(1.5, size / 2.5)));
        painter.drawEllipse(at, size * 2, size * 2);
    }
}

} // namespace

QFont ChartFont(double pixels, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
    font.setBold(bold);
    return font;
}

QPointF ChartLayout::Map(double angle, double torque) const {
    const double x = plot.left() + plot.width() * angle / 90.0;
    const double y = plot.bottom() - plot.height() * std::clamp(torque / torqueTop, -0.05, 1.05);
    return {x, y};
}

QColor SeriesColour(ChartSeries series) {
    switch (series) {
    case ChartSeries::AirStroke:
    case ChartSeries::AirStrokeMax:
        return QColor(0x00, 0x72, 0xB2); // blue
    case ChartSeries::SpringStroke:
        return QColor(0xE6, 0x9F, 0x00); // orange
    case ChartSeries::BreakSeat:
        return QColor(0x00, 0x72, 0xB2);
    case ChartSeries::Running:
        return QColor(0xD5, 0x5E, 0x00); // vermilion
    case ChartSeries::Mast:
        return QColor(0x9B, 0x10, 0x10); // dark red
    case ChartSeries::Output:
    case ChartSeries::OutputMax:
        break;
    }
    return QColor(0x00, 0x9E, 0x73); // bluish green
}

double SeriesPenWidth(ChartSeries series, double width) {
    switch (series) {
    case ChartSeries::AirStrokeMax:
    case ChartSeries::OutputMax:
        return std::max(1.0, width / 2);
    case ChartSeries::Mast:
        return std::max(1.0, width * 2 / 3);
    case ChartSeries::AirStroke:
    case ChartSeries::SpringStroke:
    case ChartSeries::Output:
    case ChartSeries::BreakSeat:
    case ChartSeries::Running:
        break;
    }
    return width;
}

ChartLayout LayoutTorqueChart(const QRectF& rect, const TorqueChartData& chart) {
    ChartLayout layout;
    layout.bounds = rect;
    layout.torqueTop = chart.torqueTop > 0 ? chart.torqueTop : 1;
    layout.fontPixels = std::clamp(std::min(rect.width() / 42.0, rect.height() / 22.0), 9.0, 48.0);
    const double f = layout.fontPixels;
    const QFontMetricsF metrics(ChartFont(f));
    const double line = metrics.height();
    layout.title = QRectF(rect.left(), rect.top() + f * 0.4, rect.width(), line * 1.3);
    // legend entries side by side, centred, in as many rows as the width asks
    std::vector<std::vector<double>> rows(1);
    std::vector<double> rowWidths(1, 0);
    for (const auto& entry : chart.legend) {
        const double width = f * 3 + metrics.horizontalAdvance(Text(entry.text)) + 2;
        if (!rows.back().empty() && rowWidths.back() + f * 1.5 + width > rect.width() - f) {
            rows.emplace_back();
            rowWidths.push_back(0);
        }
        rowWidths.back() += (rows.back().empty() ? 0 : f * 1.5) + width;
        rows.back().push_back(width);
    }
    const double legendTop = layout.title.bottom() + f * 0.2;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double x = rect.center().x() - rowWidths[r] / 2;
        for (double width : rows[r]) {
            layout.legendItems.emplace_back(x, legendTop + r * line * 1.2, width, line * 1.2);
            x += width + f * 1.5;
        }
    }
    layout.legend = QRectF(rect.left(), legendTop, rect.width(), line * 1.2 * rows.size());
    double tickWidth = 0;
    for (double tick : chart.torqueTicks)
        tickWidth = std::max(tickWidth, metrics.horizontalAdvance(QString::number(tick)));
    const double left = rect.left() + line * 1.4 + tickWidth + f * 0.6;
    const double right = rect.right() - f * 1.2;
    const double top = layout.legend.bottom() + f * 1.2;
    const double bottom = rect.bottom() - line * 2.6;
    layout.plot = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
    return layout;
}

std::vector<PlacedLabel> PlaceMarkLabels(const ChartLayout& layout, const TorqueChartData& chart) {
    const QFontMetricsF metrics(ChartFont(layout.fontPixels, true));
    const double gap = layout.fontPixels * 0.8;
    std::vector<PlacedLabel> labels;
    for (const ChartMark& mark : chart.marks) {
        const QPointF at = layout.Map(mark.angle, mark.torque);
        const QString text = Text(mark.label);
        const double width = metrics.horizontalAdvance(text) + 2;
        const double height = metrics.height();
        double x = at.x() + gap; // right of a point at the closed end
        if (mark.angle >= 67.5)
            x = at.x() - gap - width; // left of one at the open end
        else if (mark.angle > 22.5)
            x = at.x() - width / 2;
        const double y = mark.angle > 22.5 && mark.angle < 67.5 ? at.y() - gap - height : at.y() - height / 2;
        labels.push_back({text, QRectF(x, y, width, height), mark.weakest});
    }
    // the MAST's label sits at the right end, just over its line
    for (const ChartLine& line : chart.lines) {
        if (line.series != ChartSeries::Mast || chart.mastLabel.empty())
            continue;
        const QString text = Text(chart.mastLabel);
        const double width = metrics.horizontalAdvance(text) + 2;
        const double height = metrics.height();
        const QPointF end = layout.Map(line.toAngle, line.toTorque);
        PlacedLabel label{text, QRectF(end.x() - gap * 0.5 - width, end.y() - height - 2, width, height)};
        label.mast = true;
        labels.push_back(label);
    }
    // labels on the same side that would overlap are pushed apart, upward first
    std::vector<std::size_t> order(labels.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return labels[a].box.center().y() > labels[b].box.center().y();
    });
    for (std::size_t k = 1; k < order.size(); ++k)
        for (std::size_t j = 0; j < k; ++j) {
            QRectF& box = labels[order[k]].box;
            const QRectF& below = labels[order[j]].box;
            if (box.intersects(below))
                box.moveBottom(below.top() - 1);
        }
    // nothing leaves the plot at the top
    for (PlacedLabel& label : labels)
        if (label.box.top() < layout.bounds.top())
            label.box.moveTop(layout.bounds.top());
    return labels;
}

void DrawTorqueChart(QPainter& painter, const QRectF& rect, const TorqueChartData& chart) {
    const ChartLayout layout = LayoutTorqueChart(rect, chart);
    const double f = layout.fontPixels;
    const QRectF& plot = layout.plot;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(rect, Qt::white);

    painter.setPen(Qt::black);
    painter.setFont(ChartFont(f * 1.15, true));
    // a title longer than the chart (a long tag before it) ends in an ellipsis
    painter.drawText(layout.title, Qt::AlignHCenter | Qt::AlignVCenter,
                     QFontMetricsF(painter.font()).elidedText(Text(chart.title), Qt::ElideRight, layout.title.width()));

    // legend: a line sample or the demand marker, then the text
    painter.setFont(ChartFont(f));
    const QFontMetricsF metrics(painter.font());
    for (std::size_t i = 0; i < chart.legend.size() && i < layout.legendItems.size(); ++i) {
        const auto& entry = chart.legend[i];
        const QRectF& item = layout.legendItems[i];
        const double x = item.left();
        const double y = item.center().y();
        if (entry.demand) {
            DrawMarker(painter, QPointF(x + f * 1.25, y), f * 0.4, true, false);
        } else {
            painter.setPen(QPen(SeriesColour(entry.series), SeriesPenWidth(entry.series, f * 0.25),
                                SeriesStyle(entry.series), Qt::FlatCap));
            painter.drawLine(QPointF(x, y), QPointF(x + f * 2.5, y));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + f * 3, item.top(), item.width() - f * 3, item.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, Text(entry.text));
    }

    // grid and axes
    painter.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), 1));
    for (double tick : chart.torqueTicks) {
        const double ty = layout.Map(0, tick).y();
        painter.drawLine(QPointF(plot.left(), ty), QPointF(plot.right(), ty));
    }
    for (double angle : {22.5, 45.0, 67.5})
        painter.drawLine(layout.Map(angle, 0), QPointF(layout.Map(angle, 0).x(), plot.top()));
    painter.setPen(QPen(Qt::black, std::max(1.0, f / 10)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    for (double tick : chart.torqueTicks) {
        const QPointF at = layout.Map(0, tick);
        painter.drawText(QRectF(rect.left(), at.y() - f, at.x() - f * 0.5 - rect.left(), f * 2),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
    }
    const double lineHeight = metrics.height();
    for (const auto& [angle, text] : {std::pair{0.0, chart.closedText}, {45.0, std::string()}, {90.0, chart.openText}}) {
        const QPointF at = layout.Map(angle, 0);
        const QString label = QString::number(angle) + QStringLiteral("°") + (text.empty() ? QString() : QStringLiteral(" ") + Text(text));
        const double width = metrics.horizontalAdvance(label) + 2;
        const double left = angle == 0 ? at.x() - f : angle == 90 ? at.x() - width + f : at.x() - width / 2;
        painter.drawText(QRectF(left, plot.bottom() + f * 0.3, width, lineHeight), Qt::AlignLeft, label);
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + lineHeight * 1.3, plot.width(), lineHeight), Qt::AlignHCenter,
                     Text(chart.strokeAxis));
    painter.save();
    painter.translate(rect.left() + lineHeight * 0.2, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                     Text(chart.torqueAxis));
    painter.restore();

    // the actuator's torques, and the valve's MAST over them
    painter.setClipRect(plot.adjusted(-f, -f, f, f));
    for (const ChartLine& line : chart.lines) {
        painter.setPen(QPen(SeriesColour(line.series), SeriesPenWidth(line.series, f * 0.3), SeriesStyle(line.series),
                            line.series == ChartSeries::Mast ? Qt::FlatCap : Qt::RoundCap));
        painter.drawLine(layout.Map(line.fromAngle, line.fromTorque), layout.Map(line.toAngle, line.toTorque));
    }
    // the valve's demands
    for (const ChartMark& mark : chart.marks)
        DrawMarker(painter, layout.Map(mark.angle, mark.torque), f * (mark.weakest ? 0.55 : 0.45), mark.checked,
                   mark.weakest);
    painter.setClipping(false);
    for (const PlacedLabel& label : PlaceMarkLabels(layout, chart)) {
        painter.setFont(ChartFont(f, label.weakest));
        painter.setPen(label.mast      ? SeriesColour(ChartSeries::Mast)
                       : label.weakest ? QColor(0x80, 0x20, 0x60)
                                       : QColor(Qt::black));
        painter.fillRect(label.box, QColor(255, 255, 255, 210));
        painter.drawText(label.box, Qt::AlignLeft | Qt::AlignVCenter, label.text);
    }
    if (!chart.noFitText.empty()) {
        painter.setFont(ChartFont(f * 1.1, true));
        painter.setPen(QColor(0x80, 0x20, 0x60));
        painter.drawText(plot.adjusted(f, f, -f, -f), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         Text(chart.noFitText));
    }
    painter.restore();
}
