#include "app_icon.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace varnex {

QIcon VarnexIcon() {
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(QColor(0, 0, 128));
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(size / 2.0, size * 0.62);
        const double radius = size * 0.22;
        painter.setPen(QPen(QColor(255, 200, 40), std::max(1.0, size / 16.0)));
        for (int ray = 0; ray <= 8; ++ray) {  // rays over the horizon, every 22.5 degrees
            const double angle = std::numbers::pi * ray / 8;
            const QPointF direction(std::cos(angle), -std::sin(angle));
            painter.drawLine(centre + direction * radius * 1.35, centre + direction * radius * 1.9);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 200, 40));
        painter.drawEllipse(centre, radius, radius);
        painter.fillRect(QRectF(0, centre.y(), size, size - centre.y()), QColor(0, 0, 128));
        painter.setPen(QPen(QColor(180, 180, 180), std::max(1.0, size / 32.0)));
        painter.drawLine(QPointF(0, centre.y()), QPointF(size, centre.y()));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace varnex
