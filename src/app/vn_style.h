// The program's widget style: the platform's own, with one start-up cost removed.
#pragma once

#include <QProxyStyle>

class VnStyle : public QProxyStyle {
public:
    VnStyle() = default;

    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
