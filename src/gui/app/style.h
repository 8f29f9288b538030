// The program's widget style: the one the desktop or the user chose (-style,
// QT_STYLE_OVERRIDE), with one start-up cost removed.
#pragma once

#include <QProxyStyle>

class VnStyle : public QProxyStyle {
public:
    // key names the style to draw everything else; an unknown or empty key means the platform's
    explicit VnStyle(const QString& key = QString()) : QProxyStyle(key) {}

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
