// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's client area: the band-painted background, even hits fading on it, and clicks on
// the bare window.
#include "window/canvas.h"

#include "table/targets.h"
#include "window/layout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>

namespace zarvento {

namespace {

constexpr int bandCount = 256;
constexpr int hitFadeMs = 200;

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
    for (const Hit &hit : hits_)
        delete hit.fade;
    hits_.clear();
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

void Canvas::showHit(const QRect &place)
{
    auto *fade = new QVariantAnimation(this);
    fade->setObjectName(QStringLiteral("hit"));
    fade->setStartValue(1.0);
    fade->setEndValue(0.0);
    fade->setDuration(hitFadeMs);
    connect(fade, &QVariantAnimation::valueChanged, this, [this, place] { update(place); });
    connect(fade, &QAbstractAnimation::finished, this, [this, fade, place] {
        hits_.erase(std::remove_if(hits_.begin(), hits_.end(),
                                   [fade](const Hit &hit) { return hit.fade == fade; }),
                    hits_.end());
        fade->deleteLater();
        update(place);
    });
    hits_.push_back({place, fade});
    fade->start();
    update(place);
}

void Canvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!background_.isNull())
        painter.drawImage(0, 0, background_);
    // Above the bands, beneath every control and label.
    for (const Hit &hit : hits_) {
        painter.setOpacity(hit.fade->currentValue().toDouble());
        painter.fillRect(hit.place, fromBgr(flashGreen));
    }
}

bool Canvas::isBare(const QPoint &point) const
{
    // Neither hidden controls nor disabled ones are found: both let clicks through.
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
