// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own kinds of control: its labels and its graphical buttons.
#include "window/controls.h"

#include "window/layout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QSvgRenderer>
#include <qdrawutil.h>

#include <algorithm>

namespace zarvento {

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
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace zarvento
