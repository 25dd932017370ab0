// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as designed: one row per control with its place, caption, font, colours and state.
#pragma once

#include "table/form.h"

#include <QColor>
#include <QFlags>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

namespace zarvento {

constexpr int twipsPerPixel = 15;
constexpr int clientWidthTwips = 9120;
constexpr int clientHeightTwips = 10080;
constexpr int designLeftTwips = 855;
constexpr int designTopTwips = 1020;
constexpr int timerIntervalMs = 1000;

// At the design's 96 dots per inch.
constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

// The whole window at normal size, client area and menu bar, in pixels: what a screen must hold.
constexpr QSize designedWindowSize()
{
    constexpr int menuBarHeight = 24;
    return {pixels(clientWidthTwips), pixels(clientHeightTwips) + menuBarHeight};
}

// Where the window opens on a screen that leaves it room: the designed place, moved up or left
// where an enlarged window would leave the screen.
QPoint designedPlace(const QRect &room, const QSize &window);

// The platform's own colour for that kind of control.
constexpr Colour systemColour = 0xFFFFFFFFu;

inline QColor fromBgr(Colour colour)
{
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

enum class Kind { GraphicButton, StandardButton, TextBox, Label };

// Which pointer shows over a control: the bare window's cross-hair, the control kind's own
// (arrow on buttons, text beam in a text box), or a pointer of its own.
enum class Pointer { Window, Standard, Sight, IconPointer };

enum class Pictures { None, NoEntry, Faces };

// A control is visible, enabled, borderless, left-aligned and opaque unless its flags say
// otherwise.
enum class Flag : unsigned {
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Border = 1u << 2,
    Centred = 1u << 3,
    AutoSize = 1u << 4,
    Transparent = 1u << 5,
};
Q_DECLARE_FLAGS(Flags, Flag)
Q_DECLARE_OPERATORS_FOR_FLAGS(Flags)

// A null face is the platform's standard font.
struct FontDesign {
    const char *face;
    double points;
    bool bold;
    bool italic;
};

struct ControlRow {
    Control control;
    const char *name;
    Kind kind;
    int left, top, width, height; // twips
    const char *caption;          // UTF-8, Italian; "&" marks the access key
    FontDesign font;
    Colour fore, back; // &HBBGGRR or systemColour
    Flags flags;
    const char *tooltip; // null for none
    Pointer pointer;
    Pictures pictures;

    constexpr bool has(Flag flag) const { return flags.testFlag(flag); }
};

// Every control, in the order the window holds them (the order of Control).
const std::array<ControlRow, controlCount> &layoutTable();

inline const ControlRow &layoutRow(Control control)
{
    return layoutTable()[static_cast<std::size_t>(control)];
}

// The controls that can hold the keyboard focus, in tab order; hidden or disabled ones are skipped.
constexpr std::array<Control, 10> focusOrder{
    Control::txtAnswer,   Control::disparicmd,  Control::paricmd,  Control::Inizio,
    Control::cmdNext,     Control::cmdExit,     Control::paricmd1, Control::paricmd2,
    Control::disparicmd1, Control::disparicmd2,
};

// The menu bar from left to right: a title with its items under it, or a command on the bar.
struct MenuRow {
    MenuItem item;
    const char *name;
    const char *text; // UTF-8, Italian
    std::optional<MenuItem> under;
};

const std::array<MenuRow, 7> &menuTable();

} // namespace zarvento
