#include "gui/chart/chart_view.h"

#include "gui/common/messages.h"
#include "page/chart_painter.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

// Chart strings of the screens: copy, save and their file filters.
enum { kCopyChart = 192, kSaveChart = 193, kPngFilter = 194, kSvgFilter = 195, kSaveChartTitle = 198 };

QByteArray SvgBytes(const TorqueChartData& chart, QSize size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromStdString(chart.title));
    QPainter painter(&svg);
    DrawTorqueChart(painter, QRectF(QPointF(0, 0), size), chart);
    painter.end();
    return buffer.data();
}

} // namespace

QImage RenderChartImage(const TorqueChartData& chart, QSize size, qreal pixelRatio) {
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawTorqueChart(painter, QRectF(QPointF(0, 0), size), chart);
    painter.end();
    return image;
}

bool SaveChartFile(const TorqueChartData& chart, const QString& fileName, QSize size, QString& error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    const bool svg = fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const bool written = svg ? file.write(SvgBytes(chart, size)) > 0
                             : RenderChartImage(chart, size, 2.0).save(&file, "PNG");
    if (!written || !file.commit()) {
        file.cancelWriting();
        error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

VnChartView::VnChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("torqueChart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VnChartView::SetChart(const TorqueChartData& chart) {
    chart_ = chart;
    update();
}

void VnChartView::ClearChart() {
    chart_.reset();
    update();
}

void VnChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (chart_)
        DrawTorqueChart(painter, QRectF(rect()), *chart_);
}

void VnChartView::CopyChart() const {
    if (!chart_)
        return;
    auto* data = new QMimeData;
    data->setImageData(RenderChartImage(*chart_, size(), devicePixelRatioF()));
    data->setData(QStringLiteral("image/svg+xml"), SvgBytes(*chart_, size()));
    QApplication::clipboard()->setMimeData(data);
}

void VnChartView::SaveChart() {
    if (!chart_)
        return;
    const QString png = Str(kPngFilter), svg = Str(kSvgFilter);
    QString filter = png;
    QFileDialog dialog(window(), Str(kSaveChartTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({png, svg});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& chosen) {
        dialog.setDefaultSuffix(chosen == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    if (!SaveChartFile(*chart_, dialog.selectedFiles().first(), size(), error))
        ShowWriteError(window(), dialog.selectedFiles().first());
}

void VnChartView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(Str(kCopyChart), this, &VnChartView::CopyChart);
    QAction* save = menu.addAction(Str(kSaveChart), this, &VnChartView::SaveChart);
    copy->setEnabled(chart_.has_value());
    save->setEnabled(chart_.has_value());
    menu.exec(event->globalPos());
}
