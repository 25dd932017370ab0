// The widgets the window is made of: the painted canvas, its labels and its graphical buttons.
#pragma once

#include "table/form.h"

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <array>

class QSvgRenderer;

namespace zarvento {

inline QColor fromBgr(Colour colour)
{
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

// The window's client area: it shows the last band painting and reports clicks on bare ground.
class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(QWidget *parent = nullptr);

    const QImage &background() const { return background_; }
    void clearBackground();
    // Paints the 256 bands of a question over the whole client area; returns the height painted.
    int paintBands(int firstFactor, int secondFactor);

signals:
    void bareClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool isBare(const QPoint &point) const;

    QImage background_;
    bool pressedOnBare_ = false;
};

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
    Colour backColour() const { return back_; }
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
