// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds one control of the window from its layout row, in its design-time state.
#include "window/controlfactory.h"

#include "window/art.h"
#include "window/controls.h"
#include "window/fonts.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace zarvento {

namespace {

// The fore colour stays greyed when the control is disabled, as the platform draws it.
void applyColours(QWidget *widget, const ControlRow &row)
{
    QPalette palette = widget->palette();
    if (row.fore != systemColour) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, widget->foregroundRole(), fromBgr(row.fore));
    }
    if (row.back != systemColour)
        palette.setColor(widget->backgroundRole(), fromBgr(row.back));
    widget->setPalette(palette);
}

QCursor pointerOf(const ControlRow &row, const ControlPointers &pointers)
{
    switch (row.pointer) {
    case Pointer::Sight:
        return pointers.sight;
    case Pointer::IconPointer:
        return pointers.icon;
    default:
        return Qt::ArrowCursor;
    }
}

BuiltControl makeWidget(const ControlRow &row, QWidget *parent)
{
    BuiltControl built;
    switch (row.kind) {
    case Kind::Label: {
        auto *label = new CanvasLabel(row.has(Flag::Border), row.has(Flag::AutoSize), parent);
        label->setAlignment((row.has(Flag::Centred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignTop);
        label->setAutoFillBackground(!row.has(Flag::Transparent));
        built.label = label;
        built.widget = label;
        break;
    }
    case Kind::GraphicButton: {
        auto *button = new GraphicButton(row.back, parent);
        if (row.pictures == Pictures::NoEntry) {
            button->setPicture(GraphicButton::Normal, artPath("noentry"));
        } else if (row.pictures == Pictures::Faces) {
            button->setPicture(GraphicButton::Normal, artPath("face-smile"));
            button->setPicture(GraphicButton::Pressed, artPath("face-laugh"));
            button->setPicture(GraphicButton::Greyed, artPath("face-straight"));
        }
        built.button = button;
        built.widget = button;
        break;
    }
    case Kind::StandardButton:
        built.widget = new QPushButton(parent);
        break;
    case Kind::TextBox:
        // Buttons are heard by their captions; the answer box gets a name of its own.
        built.widget = new QLineEdit(parent);
        break;
    }
    return built;
}

} // namespace

QString shownCaption(const BuiltControl &built)
{
    if (built.label != nullptr)
        return built.label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(built.widget))
        return button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(built.widget))
        return edit->text();
    return QString();
}

void translateControl(const ControlRow &row, BuiltControl &built)
{
    QWidget *widget = built.widget;
    if (row.tooltip != nullptr)
        widget->setToolTip(QCoreApplication::translate("Tavola", row.tooltip));
    if (row.kind == Kind::TextBox)
        widget->setAccessibleName(QCoreApplication::translate("Tavola", "Risultato"));

    // A caption the rules have set (a name, a score, a number) stays as they set it; words of the
    // layout are in the player's language, numbers and symbols as they are.
    if (shownCaption(built) != built.designCaption)
        return;
    built.designCaption = QCoreApplication::translate("Tavola", row.caption);
    if (built.label != nullptr)
        built.label->setCaption(built.designCaption);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(built.designCaption);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(built.designCaption);
}

BuiltControl buildControl(const ControlRow &row, QWidget *parent, const ControlPointers &pointers)
{
    BuiltControl built = makeWidget(row, parent);
    QWidget *widget = built.widget;
    widget->setObjectName(QString::fromLatin1(row.name));
    if (row.font.face != nullptr)
        widget->setFont(layoutFont(row.font));
    if (built.button == nullptr)
        applyColours(widget, row);
    widget->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setCursor(pointerOf(row, pointers));
    translateControl(row, built);

    widget->setEnabled(!row.has(Flag::Disabled));
    // A disabled control is passed over when finding what was clicked, so the click reaches the
    // window beneath it: a click on the greyed "Clicca per iniziare" starts play. A label keeps
    // its clicks.
    if (built.label == nullptr)
        widget->setAttribute(Qt::WA_TransparentForMouseEvents, row.has(Flag::Disabled));
    // A child created on a window already shown stays hidden until told otherwise.
    widget->setVisible(!row.has(Flag::Hidden));
    return built;
}

} // namespace zarvento
