// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The game window as the rules see it: its controls, timers and drawing, named as in the layout.
#pragma once

#include <QString>

#include <cstdint>

namespace zarvento {

// Every control of the window, in the order the window holds them.
enum class Control {
    disparicmd2, disparicmd1, paricmd2, paricmd1, cmdExit, cmdNext, Inizio, paricmd, disparicmd,
    txtAnswer, Label6, lblMessage, lblScore, Punteggio, lblpunti, Label13, lblnome, Label12,
    lblnome1, Label14, Label5, lblconto, Label11, Label3, Label1, lblScore2, lblScore1, lblTime,
    lblNum2, Label4, Label2, lblNum1,
};
constexpr int controlCount = static_cast<int>(Control::lblNum1) + 1;

enum class Timer { Timer1, Timer2 };

// The menu bar's items; only Next has a handler.
enum class MenuItem { INFOMAZIONI, citta, copy, via, Next, h, Ciao };

// A colour as the game writes it: &HBBGGRR (blue, green, red).
using Colour = std::uint32_t;

// What the rules may do to the window. Positions are in the window's current units: twips until
// the first band painting, then pixels across and 512ths of the inner height down.
class Form {
public:
    virtual ~Form() = default;

    // Builds every control afresh from the layout, hidden window, timers as designed.
    virtual void load() = 0;
    // Discards the controls, stops both timers and hides the window.
    virtual void unload() = 0;
    virtual void show() = 0;

    virtual QString caption(Control control) const = 0;
    virtual void setCaption(Control control, const QString &text) = 0;
    virtual void setBackColour(Control control, Colour colour) = 0;
    virtual bool isVisible(Control control) const = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    virtual void setLeft(Control control, float left) = 0;
    virtual void setTop(Control control, float top) = 0;

    virtual void setTimerEnabled(Timer timer, bool enabled) = 0;
    virtual bool isTimerEnabled(Timer timer) const = 0;

    virtual void setWindowCaption(const QString &text) = 0;
    virtual bool isMinimized() const = 0;

    // Paints the 256 bands of a question into the stored background and sets the units.
    virtual void paintBands(int firstFactor, int secondFactor) = 0;
};

// What the window reports to the rules.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    virtual void controlClicked(Control control) = 0;
    virtual void windowClicked() = 0;
    virtual void timerTicked(Timer timer) = 0;
    virtual void resized() = 0;
    virtual void menuChosen(MenuItem item) = 0;
    virtual void closed() = 0;
};

} // namespace zarvento
