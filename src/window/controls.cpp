// The widgets the window is made of: the painted canvas, its labels and its graphical buttons.
#include "window/controls.h"

#include "table/bands.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QSvgRenderer>
#include <qdrawutil.h>

#include <algorithm>

namespace zarvento {

// ---- Canvas ---------------------------------------------------------------------------------

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

// ---- CanvasLabel ----------------------------------------------------------------------------

CanvasLabel::CanvasLabel(bool border, bool autoSize, QWidget *parent)
    : QLabel(parent), border_(border), autoSize_(autoSize)
{
    setTextFormat(Qt::PlainText);
    if (border_)
        setContentsMargins(1, 1, 1, 1);
}

void CanvasLabel::setCaption(const QString &text)
{
    setText(text);
    if (autoSize_)
        adjustSize();
}

void CanvasLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!border_)
        return;
    QPainter painter(this);
    painter.setPen(QPalette().color(QPalette::WindowText)); // the system colour, not the text's
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CanvasLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void CanvasLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

// ---- GraphicButton --------------------------------------------------------------------------

GraphicButton::GraphicButton(Colour back, QWidget *parent) : QAbstractButton(parent), back_(back)
{
    setFocusPolicy(Qt::StrongFocus);
}

void GraphicButton::setPicture(Look look, const QString &svgPath)
{
    auto *renderer = new QSvgRenderer(svgPath, this);
    if (!renderer->isValid()) {
        delete renderer;
        return;
    }
    pictures_[look] = renderer;
    update();
}

QSvgRenderer *GraphicButton::currentPicture() const
{
    const Look look = !isEnabled() ? Greyed : isDown() ? Pressed : Normal;
    return pictures_[look] != nullptr ? pictures_[look] : pictures_[Normal];
}

void GraphicButton::paintEvent(QPaintEvent *)
{
    constexpr int pictureSide = 32;
    constexpr int frame = 3;

    QPainter painter(this);
    painter.fillRect(rect(), fromBgr(back_));
    qDrawWinButton(&painter, rect(), palette(), isDown(), nullptr);

    QRect inner = rect().adjusted(frame, frame, -frame, -frame);
    if (isDown())
        inner.translate(1, 1);

    const int textFlags = Qt::AlignHCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
    QRect textBox;
    if (!text().isEmpty())
        textBox = painter.fontMetrics().boundingRect(inner, textFlags, text());

    QRect textArea = inner;
    if (QSvgRenderer *picture = currentPicture()) {
        // The picture sits above a caption along the bottom, as on a graphical button.
        textArea.setTop(inner.bottom() + 1 - textBox.height());
        const QRect pictureArea(inner.left(), inner.top(), inner.width(),
                                textArea.top() - inner.top());
        const int side = std::min({pictureSide, pictureArea.width(), pictureArea.height()});
        QRect place(0, 0, side, side);
        place.moveCenter(pictureArea.center());
        picture->render(&painter, place);
    }
    if (textBox.isEmpty())
        return;

    const int flags = textFlags | Qt::AlignVCenter;
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(textArea, flags, text());
    } else {
        // The engraved grey of a disabled caption.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(textArea.translated(1, 1), flags, text());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(textArea, flags, text());
    }
    if (hasFocus()) {
        QRect focus = textBox;
        focus.moveCenter(textArea.center());
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        // Wide enough to leave the access key's underline clear.
        painter.drawRect(focus.adjusted(-3, -1, 2, 2) & inner);
    }
}

bool GraphicButton::event(QEvent *event)
{
    // The access key clicks at once, like the key press it is, not after a press animation.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
        if (isEnabled())
            click();
        return true;
    }
    return QAbstractButton::event(event);
}

void GraphicButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace zarvento
