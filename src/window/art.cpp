// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pictures and pointers, drawn from the artist's SVG files at the screen's scale.
#include "window/art.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace zarvento {

namespace {

constexpr int cursorSize = 32;

QPixmap render(QSvgRenderer &renderer, int logicalSize, qreal devicePixelRatio)
{
    const int side = static_cast<int>(std::lround(logicalSize * devicePixelRatio));
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace

QString artPath(const char *name)
{
    return QStringLiteral(":/art/") + QLatin1String(name) + QStringLiteral(".svg");
}

QCursor artCursor(const char *name, QPoint hotSpot, qreal devicePixelRatio,
                  Qt::CursorShape fallback)
{
    QSvgRenderer renderer(artPath(name));
    if (!renderer.isValid())
        return QCursor(fallback);
    // X11 takes the hot spot in the image's own pixels; the other platforms in logical ones.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        hotSpot = (QPointF(hotSpot) * devicePixelRatio).toPoint();
    return QCursor(render(renderer, cursorSize, devicePixelRatio), hotSpot.x(), hotSpot.y());
}

QIcon artIcon(const char *name)
{
    QSvgRenderer renderer(artPath(name));
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    // The sizes a title bar and a task bar ask for; launchers take the larger installed icons by
    // the desktop entry. Each size is drawn before the first box can show, the largest costing
    // the most.
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(render(renderer, size, 1.0));
    return icon;
}

} // namespace zarvento
