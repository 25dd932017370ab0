// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The game window Tavola on screen: its controls, band-painted background, timers and menu bar.
#pragma once

#include "runtime/heldkeys.h"
#include "table/form.h"
#include "window/controlfactory.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <bitset>
#include <optional>

class QAction;
class QMenu;
class QShortcut;
class QTimer;

namespace zarvento {

class Canvas;
class Translations;

class TavolaWindow : public QMainWindow, public Form {
    Q_OBJECT
public:
    explicit TavolaWindow(QWidget *parent = nullptr);
    ~TavolaWindow() override;

    // Where clicks, ticks, resizes, menu choices and closing are reported; may be null.
    void setEvents(FormEvents *events);
    // Adds the language menu, after the others: the computer's language, then every language
    // the game speaks, each by its own name; a choice changes every word on screen at once.
    void offerLanguages(Translations &translations);

    void load() override;
    void unload() override;
    void show() override;

    QString caption(Control control) const override;
    void setCaption(Control control, const QString &text) override;
    void setBackColour(Control control, Colour colour) override;
    bool isVisible(Control control) const override;
    void setVisible(Control control, bool visible) override;
    void setLeft(Control control, float left) override;
    void setTop(Control control, float top) override;

    void setTimerEnabled(Timer timer, bool enabled) override;
    bool isTimerEnabled(Timer timer) const override;

    void setWindowCaption(const QString &text) override;
    bool isMinimized() const override;

    void paintBands(int firstFactor, int secondFactor) override;

    using QMainWindow::isVisible;
    using QMainWindow::setVisible;

    // For tests: a control while loaded (else null), the painted background, a menu entry.
    QWidget *widget(Control control) const;
    const QImage &background() const;
    QAction *menuAction(MenuItem item) const;
    // The language menu's entry for a language code; the computer's language for an empty one.
    QAction *languageAction(const QString &code) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void translateMenu();
    void retranslate();
    // The client area gets its designed size: the rules paint the first bands before the window
    // is ever shown.
    void sizeClientArea();
    void buildControls();
    void enableExitKey();
    // Drops the controls, the timers and the painted background; the window stays as it is.
    void discardControls();
    void reportResize();
    const BuiltControl &slot(Control control) const
    {
        return controls_[static_cast<std::size_t>(control)];
    }
    QTimer *timer(Timer which) const { return timers_[static_cast<std::size_t>(which)]; }

    FormEvents *events_ = nullptr;
    Canvas *canvas_;
    ControlPointers pointers_;
    std::array<BuiltControl, controlCount> controls_{};
    // Targets set to the hit's green while in sight, and not hidden or shown since.
    std::bitset<controlCount> hitGreen_;
    HeldKeys heldKeys_{this};
    std::array<QTimer *, 2> timers_{};
    std::array<QAction *, 7> menu_{};
    Translations *translations_ = nullptr;
    QMenu *languageMenu_ = nullptr;
    QAction *computerLanguage_ = nullptr;
    QShortcut *exitKey_ = nullptr;
    // The client height at the last band painting; none while places are still in twips.
    std::optional<int> bandHeight_;
    bool resizeReported_ = false;
};

} // namespace zarvento
