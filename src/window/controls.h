// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own kinds of control: its labels and its graphical buttons.
#pragma once

#include "table/form.h"

#include <QAbstractButton>
#include <QLabel>

#include <array>

class QSvgRenderer;

namespace zarvento {

// A label that shows its caption as typed, never as markup, and keeps clicks off the window.
class CanvasLabel : public QLabel {
    Q_OBJECT
public:
    CanvasLabel(bool border, bool autoSize, QWidget *parent = nullptr);

    void setCaption(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool border_;
    bool autoSize_;
};

// A button that draws its own back colour, picture and caption: the targets, cmdExit, cmdNext.
class GraphicButton : public QAbstractButton {
    Q_OBJECT
public:
    enum Look { Normal, Pressed, Greyed };

    explicit GraphicButton(Colour back, QWidget *parent = nullptr);

    // A hit sets the same colour thousands of times in a row: only a change schedules a paint.
    void setBackColour(Colour colour)
    {
        if (colour == back_)
            return;
        back_ = colour;
        update();
    }
    void setPicture(Look look, const QString &svgPath);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSvgRenderer *currentPicture() const;

    Colour back_;
    std::array<QSvgRenderer *, 3> pictures_{};
};

} // namespace zarvento
