// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's client area: the band-painted background, even hits fading on it, and clicks on
// the bare window.
#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

class QVariantAnimation;

namespace zarvento {

// It shows the last band painting and reports clicks on bare ground.
class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(QWidget *parent = nullptr);

    const QImage &background() const { return background_; }
    void clearBackground();
    // Paints the 256 bands of a question over the whole client area; returns the height painted.
    int paintBands(int firstFactor, int secondFactor);
    // A green square over the bands at place, fading out within a fifth of a second.
    void showHit(const QRect &place);

signals:
    void bareClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Hit {
        QRect place;
        QVariantAnimation *fade;
    };

    bool isBare(const QPoint &point) const;

    QImage background_;
    std::vector<Hit> hits_;
    bool pressedOnBare_ = false;
};

} // namespace zarvento
