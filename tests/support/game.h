// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A game on stand-ins for the window, the dialogs, the generator, the sounds and the system, with
// its records in a fresh folder of its own: every rule runs without a screen, and a test can
// answer boxes and fire ticks while one is open.
#pragma once

#include "support.h"
#include "table/tavola.h"

#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace zarvento::testing {

// The controls as the rules leave them. load() puts back the layout's timers and record labels,
// which every start must overwrite.
struct FakeForm final : Form {
    struct State {
        QString caption;
        bool visible = false; // the targets start hidden; no rule looks at other controls'
        float left = -1, top = -1;
        std::vector<Colour> colours; // each colour set, a run of the same one kept once
    };
    void load() override
    {
        controls = {};
        at(Control::lblpunti).caption = QStringLiteral("0");
        at(Control::lblnome).caption = QStringLiteral("nome");
        timers = {true, false};
    }
    void unload() override { timers = {false, false}; }
    void show() override { onResize(); }
    QString caption(Control c) const override { return controls[int(c)].caption; }
    void setCaption(Control c, const QString &text) override { at(c).caption = text; }
    void setBackColour(Control c, Colour colour) override
    {
        if (at(c).colours.empty() || at(c).colours.back() != colour)
            at(c).colours.push_back(colour);
    }
    bool isVisible(Control c) const override { return controls[int(c)].visible; }
    void setVisible(Control c, bool visible) override { at(c).visible = visible; }
    void setLeft(Control c, float left) override { at(c).left = left; }
    void setTop(Control c, float top) override { at(c).top = top; }
    void setTimerEnabled(Timer t, bool on) override { timers[int(t)] = on; }
    bool isTimerEnabled(Timer t) const override { return timers[int(t)]; }
    void setWindowCaption(const QString &text) override { windowCaption = text; }
    bool isMinimized() const override { return minimized; }
    void paintBands(int first, int second) override { paintings.emplace_back(first, second); }
    State &at(Control c) { return controls[int(c)]; }

    std::array<State, controlCount> controls{};
    std::array<bool, 2> timers{};
    bool minimized = false;
    QString windowCaption;
    std::vector<std::pair<int, int>> paintings; // the factors of every band painting
    std::function<void()> onResize = [] {};     // run by show(), as the window reports a resize
};

// Answers boxes from a script; a box may fire ticks while it is "open".
struct ScriptedDialogs final : Dialogs {
    struct Box {
        QString text;
        MsgBoxStyle style;
        QString title; // empty: the program's own
    };
    MsgBoxAnswer messageBox(const QString &text, MsgBoxStyle style, const QString &title) override
    {
        boxes.push_back({text, style, title});
        for (const auto &[start, action] : whileOpen)
            if (text.startsWith(start))
                action();
        return answers.isEmpty() ? MsgBoxAnswer::Ok : answers.takeFirst();
    }
    QString inputBox(const QString &prompt) override
    {
        prompts << prompt;
        return names.isEmpty() ? QString() : names.takeFirst();
    }

    // The answers to the name box, none giving the empty text, and every input box shown.
    QStringList names, prompts;
    QList<MsgBoxAnswer> answers; // answers to message boxes; none gives OK
    std::vector<Box> boxes;      // every message box shown
    // Runs while a message box whose text starts with the given text is open.
    std::vector<std::pair<QString, std::function<void()>>> whileOpen;
};

// Draws from a script first, then from a mixing generator that the clock never reseeds, so that a
// test always plays the same match.
struct ScriptedRandom final : Random {
    void reseedFromClock() override {}
    void reseed(std::int16_t value) override { fallback.reseed(value); }
    float draw() override { return script.isEmpty() ? fallback.draw() : script.takeFirst(); }
    QList<float> script;
    MixingRandom fallback;
};

struct FakeSounds final : Sounds {
    void play(const QString &path) override { played << path; }
    QStringList played;
};

struct FakeSystem final : System {
    QString programFolder() const override { return folder; }
    QString shortDate() const override { return QStringLiteral("06/12/26"); }
    void pause(int milliseconds) override
    {
        pauses.push_back(milliseconds);
        duringPause();
    }
    void endProgram(int status) override { endings.push_back(status); }
    std::vector<int> endings, pauses;
    std::function<void()> duringPause = [] {};     // what happens while the game pauses
    QString folder = QStringLiteral("/opt/gioco"); // where the game looks for its suoni folder
};

struct Game {
    Game()
    {
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        form.onResize = [this] { tavola.resized(); };
    }

    // Initialization and first sight of the window, answering the name box with name.
    void start(const QString &name = QStringLiteral("Anna"))
    {
        dialogs.names << name;
        tavola.formInitialize();
        tavola.showWindow(); // does nothing once an error report has ended the game
    }
    void tick(int times = 1)
    {
        while (times-- > 0)
            tavola.timerTicked(Timer::Timer1);
    }

    // The record's two files: the score in apari.txt, its holder in pari.txt.
    QString recordsFolder() const { return dataHome.path() + QStringLiteral("/zarvento/"); }
    void writeRecord(const QByteArray &score, const QByteArray &name) const
    {
        writeFile(recordsFolder() + "apari.txt", score);
        writeFile(recordsFolder() + "pari.txt", name);
    }
    QByteArray storedScore() const { return readFile(recordsFolder() + "apari.txt"); }
    QByteArray storedName() const { return readFile(recordsFolder() + "pari.txt"); }
    QString caption(Control c) const { return form.caption(c); }

    FakeForm form;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FakeSounds sounds;
    FakeSystem system;
    Tavola tavola{form, dialogs, random, sounds, system};
    QTemporaryDir dataHome;
};

} // namespace zarvento::testing
