#include "gui/app/style.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOption>
#include <QWidget>

namespace {

// A double chevron pointing along the line (right, or left in a right-to-left layout) or down
QPixmap ChevronPixmap(int size, bool horizontal, bool rightToLeft, const QColor& colour) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    if (!horizontal) {
        // the same arrows turned a quarter clockwise
        p.translate(16, 0);
        p.rotate(90);
    }
    QPen pen(colour, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    for (qreal x : {4.0, 9.0}) {
        QPainterPath chevron;
        chevron.moveTo(x, 4);
        chevron.lineTo(x + 3.5, 8);
        chevron.lineTo(x, 12);
        p.drawPath(chevron);
    }
    p.end();
    // a right-to-left layout gets the exact mirror image
    return rightToLeft ? QPixmap::fromImage(pixmap.toImage().mirrored(true, false)) : pixmap;
}

} // namespace

QIcon VnStyle::standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const {
    // Every menu bar asks for its overflow arrow when it is made. Qt reads that arrow from an
    // image file, and its image reader opens every image plugin on the way, which costs the
    // start-up about a millisecond and a half. Drawing the arrow costs nothing noticeable.
    const bool horizontal = pixmap == SP_ToolBarHorizontalExtensionButton;
    if (horizontal || pixmap == SP_ToolBarVerticalExtensionButton) {
        const QColor colour = (option ? option->palette : standardPalette()).color(QPalette::ButtonText);
        const Qt::LayoutDirection direction = option   ? option->direction
                                              : widget ? widget->layoutDirection()
                                                       : QGuiApplication::layoutDirection();
        QIcon icon;
        for (int size : {8, 16, 32})
            icon.addPixmap(ChevronPixmap(size, horizontal, direction == Qt::RightToLeft, colour));
        return icon;
    }
    return QProxyStyle::standardIcon(pixmap, option, widget);
}
