// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A game on stand-ins for the window, the dialogs, the generator, the sounds and the system, with
// its records in a fresh folder of its own: every rule runs without a screen, and a test can
// answer boxes and fire ticks while one is open.
#pragma once

#include "support.h"
#include "table/tavola.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <functional>
#include <ostream>
#include <vector>

namespace zarvento::testing {

// The controls' state as the rules leave it. load() puts back the layout's timers and record
// labels, which every start must overwrite.
struct FakeForm final : Form {
    // The same colour set several times in a row, as a flash does.
    struct ColourRun {
        Colour colour;
        int times;
        bool operator==(const ColourRun &other) const
        {
            return colour == other.colour && times == other.times;
        }
        friend void PrintTo(const ColourRun &run, std::ostream *os)
        {
            *os << std::hex << "&H" << run.colour << std::dec << " x " << run.times;
        }
    };
    struct State {
        QString caption;
        bool visible = false; // the targets start hidden; no rule looks at other controls'
        float left = 0, top = 0;
        std::vector<ColourRun> colours; // every background colour set, oldest first
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
    QString caption(Control c) const override { return at(c).caption; }
    void setCaption(Control c, const QString &text) override
    {
        at(c).caption = text;
        log << QStringLiteral("caption %1").arg(static_cast<int>(c));
    }
    void setBackColour(Control c, Colour colour) override
    {
        std::vector<ColourRun> &runs = at(c).colours;
        if (!runs.empty() && runs.back().colour == colour)
            ++runs.back().times;
        else
            runs.push_back({colour, 1});
    }
    bool isVisible(Control c) const override { return at(c).visible; }
    void setVisible(Control c, bool visible) override { at(c).visible = visible; }
    void setLeft(Control c, float left) override { at(c).left = left; }
    void setTop(Control c, float top) override { at(c).top = top; }
    void setTimerEnabled(Timer t, bool on) override { timers[static_cast<int>(t)] = on; }
    bool isTimerEnabled(Timer t) const override { return timers[static_cast<int>(t)]; }
    void setWindowCaption(const QString &text) override { windowCaption = text; }
    bool isMinimized() const override { return minimized; }
    void paintBands(int first, int second) override
    {
        paintings.emplace_back(first, second);
        log << QStringLiteral("paint");
    }

    // The last background colour set on a control, 0 when none was.
    Colour backColour(Control c) const
    {
        return at(c).colours.empty() ? 0 : at(c).colours.back().colour;
    }
    State &at(Control c) { return controls[static_cast<std::size_t>(c)]; }
    const State &at(Control c) const { return controls[static_cast<std::size_t>(c)]; }

    std::array<State, controlCount> controls{};
    std::array<bool, 2> timers{};
    bool minimized = false;
    QString windowCaption;
    std::vector<std::pair<int, int>> paintings;
    QStringList log;                        // "caption <control>" and "paint", in order
    std::function<void()> onResize = [] {}; // run by show(), as the window reports a resize
};

// Answers boxes from a script; a box may fire ticks while it is "open".
struct ScriptedDialogs final : Dialogs {
    struct Box {
        QString text;
        MsgBoxStyle style;
        QString title; // empty: the program's own
        bool operator==(const Box &other) const
        {
            const MsgBoxStyle &a = style, &b = other.style;
            return text == other.text && title == other.title && a.buttons == b.buttons &&
                   a.icon == b.icon && a.defaultButton == b.defaultButton;
        }
        friend void PrintTo(const Box &box, std::ostream *os)
        {
            *os << "{" << box.text.toStdString() << " | buttons "
                << static_cast<int>(box.style.buttons) << ", icon "
                << static_cast<int>(box.style.icon) << ", default "
                << static_cast<int>(box.style.defaultButton) << " | " << box.title.toStdString()
                << "}";
        }
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

    QStringList names;           // answers to the name box; none gives the empty text
    QList<MsgBoxAnswer> answers; // answers to message boxes; none gives OK
    std::vector<Box> boxes;      // every message box shown
    QStringList prompts;         // every input box shown
    // Runs while a message box whose text starts with the given text is open.
    std::vector<std::pair<QString, std::function<void()>>> whileOpen;
};

// Draws from a script first, then from a mixing generator; records every reseed.
struct ScriptedRandom final : Random {
    explicit ScriptedRandom(std::uint64_t seed = 12345) : fallback{seed} {}
    // The clock is left out, so that a seed always gives the same match.
    void reseedFromClock() override { reseeds.emplace_back(std::nullopt); }
    void reseed(std::int16_t value) override
    {
        reseeds.emplace_back(value);
        fallback.reseed(value);
    }
    float draw() override { return script.isEmpty() ? fallback.draw() : script.takeFirst(); }

    QList<float> script;
    std::vector<std::optional<std::int16_t>> reseeds; // nullopt: from the clock
    MixingRandom fallback;
};

struct FakeSounds final : Sounds {
    void play(const QString &path) override { played.push_back(path); }
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
    std::vector<int> endings;
    std::vector<int> pauses;
    std::function<void()> duringPause = [] {};     // what happens while the game pauses
    QString folder = QStringLiteral("/opt/gioco"); // where the game looks for its suoni folder
};

// A draw that makes floor(draw x n) come out as value.
inline float drawFor(int value, int n)
{
    return (static_cast<float>(value) + 0.5f) / static_cast<float>(n);
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct Game {
    Game()
    {
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        form.onResize = [this] { tavola.resized(); };
    }
    ~Game() { qputenv("XDG_DATA_HOME", oldDataHome); }

    // Initialization and first sight of the window, answering the name box with name.
    void start(const QString &name = QStringLiteral("Anna"))
    {
        dialogs.names << name;
        tavola.formInitialize();
        tavola.showWindow(); // does nothing once an error report has ended the game
    }

    QString recordsFolder() const { return dataHome.path() + QStringLiteral("/zarvento/"); }
    QString scorePath() const { return recordsFolder() + QStringLiteral("apari.txt"); }
    QString namePath() const { return recordsFolder() + QStringLiteral("pari.txt"); }
    void writeRecord(const QByteArray &score, const QByteArray &name) const
    {
        QDir().mkpath(recordsFolder());
        std::ofstream(scorePath().toStdString(), std::ios::binary) << score.toStdString();
        std::ofstream(namePath().toStdString(), std::ios::binary) << name.toStdString();
    }
    QByteArray storedScore() const { return readAll(scorePath()); }
    QByteArray storedName() const { return readAll(namePath()); }
    QString caption(Control c) const { return form.caption(c); }
    FormVariables &vars() { return tavola.variables(); }

    FakeForm form;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FakeSounds sounds;
    FakeSystem system;
    Tavola tavola{form, dialogs, random, sounds, system};
    QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    QTemporaryDir dataHome;
};

} // namespace zarvento::testing
