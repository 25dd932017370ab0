// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's client area: the band-painted background, and clicks on the bare window.
#include "window/canvas.h"

#include "window/layout.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace zarvento {

namespace {

constexpr int bandCount = 256;

// Red 20 x first factor, green 20 x second factor, blue the band's index (top 0, bottom 255).
constexpr Colour bandColour(int band, int firstFactor, int secondFactor)
{
    return static_cast<Colour>(band) * 65536u + static_cast<Colour>(20 * secondFactor) * 256u +
           static_cast<Colour>(20 * firstFactor);
}

} // namespace

Canvas::Canvas(QWidget *parent) : QWidget(parent)
{
    // What no painting covers (all of it before the first, an enlarged part after) shows the
    // window's plain background.
    setAutoFillBackground(true);
}

void Canvas::clearBackground()
{
    background_ = QImage();
    update();
}

int Canvas::paintBands(int firstFactor, int secondFactor)
{
    const QSize area = size();
    if (background_.size() != area)
        background_ = QImage(area, QImage::Format_RGB32);
    const int height = area.height();
    if (background_.isNull())
        return height;

    const auto pixelsPerRow = static_cast<std::size_t>(background_.width());
    for (int band = 0; band < bandCount; ++band) {
        const QRgb rgb = fromBgr(bandColour(band, firstFactor, secondFactor)).rgb();
        const int firstRow = band * height / bandCount;
        const int endRow = (band + 1) * height / bandCount;
        for (int row = firstRow; row < endRow; ++row) {
            auto *pixels = reinterpret_cast<QRgb *>(background_.scanLine(row));
            std::fill(pixels, pixels + pixelsPerRow, rgb);
        }
    }
    update();
    return height;
}

void Canvas::paintEvent(QPaintEvent *)
{
    if (background_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
}

bool Canvas::isBare(const QPoint &point) const
{
    // Hidden controls are not found; a visible but disabled one still covers the ground.
    return rect().contains(point) && childAt(point) == nullptr;
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressedOnBare_ = isBare(event->position().toPoint());
    event->accept();
}

void Canvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressedOnBare_ && isBare(event->position().toPoint());
    pressedOnBare_ = false;
    if (click)
        emit bareClicked();
}

} // namespace zarvento
