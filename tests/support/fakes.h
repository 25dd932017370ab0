// Stand-ins for the window, the dialogs, the generator, the sounds and the system, so that every
// rule of the game runs without a screen and a test can answer boxes and fire ticks in between.
#pragma once

#include "runtime/dialogs.h"
#include "runtime/random.h"
#include "runtime/system.h"
#include "sound/sounds.h"
#include "table/form.h"

#include <QStringList>

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace zarvento::testing {

// The controls' state as the rules see it, with the design-time values the rules depend on.
class FakeForm final : public Form {
public:
    struct State {
        QString caption;
        bool visible = true;
        float left = 0;
        float top = 0;
        Colour backColour = 0;
    };

    void load() override;
    void unload() override;
    void show() override;
    QString caption(Control c) const override { return at(c).caption; }
    void setCaption(Control c, const QString &text) override;
    void setBackColour(Control c, Colour colour) override;
    bool isVisible(Control c) const override { return at(c).visible; }
    void setVisible(Control c, bool visible) override { at(c).visible = visible; }
    void setLeft(Control c, float left) override { at(c).left = left; }
    void setTop(Control c, float top) override { at(c).top = top; }
    void setTimerEnabled(Timer t, bool on) override { timers[static_cast<int>(t)] = on; }
    bool isTimerEnabled(Timer t) const override { return timers[static_cast<int>(t)]; }
    void setWindowCaption(const QString &text) override { windowCaption = text; }
    bool isMinimized() const override { return minimized; }
    void paintBands(int first, int second) override;

    State &at(Control c);
    const State &at(Control c) const;

    std::array<State, controlCount> controls{};
    std::array<bool, 2> timers{};
    bool loaded = false;
    bool shown = false;
    bool minimized = false;
    int loads = 0;
    int backColourSets = 0;
    QString windowCaption;
    std::vector<std::pair<int, int>> paintings;
    // What happened, in order: "load", "show", "unload", "paint", "caption <control>".
    QStringList log;
    // Run by show(), as the real window reports its first resize.
    std::function<void()> onResize;
};

// Answers boxes from a script; a box may fire ticks while it is "open".
class ScriptedDialogs final : public Dialogs {
public:
    struct Box {
        QString text;
        int style;
        QString title;
    };

    int messageBox(const QString &text, int style, const QString &title) override;
    QString inputBox(const QString &prompt) override;

    std::deque<QString> names; // answers to the name box; empty gives the empty text
    std::deque<int> answers;   // answers to message boxes; none gives OK
    std::vector<Box> boxes;    // every message box shown
    QStringList prompts;       // every input box shown
    // Runs while a message box whose text starts with the given text is open.
    std::vector<std::pair<QString, std::function<void()>>> whileOpen;
};

// Draws from a script first, then from a mixing generator; records every reseed.
class ScriptedRandom final : public Random {
public:
    // The seed of the mixing generator that answers once the script is used up.
    explicit ScriptedRandom(std::uint64_t seed = 12345) : fallback_{seed} {}
    void reseedFromClock() override;
    void reseed(std::int16_t value) override;
    float draw() override;

    std::deque<float> script;
    std::vector<std::optional<std::int16_t>> reseeds; // nullopt: from the clock
    int draws = 0;

private:
    MixingRandom fallback_;
};

class FakeSounds final : public Sounds {
public:
    void play(const QString &path) override { played.push_back(path); }
    QStringList played;
};

class FakeSystem final : public System {
public:
    QString programFolder() const override { return folder; }
    QString shortDate() const override { return QStringLiteral("06/12/26"); }
    void endProgram(int status) override { endings.push_back(status); }
    std::vector<int> endings;
    // Where the game looks for its suoni folder.
    QString folder = QStringLiteral("/opt/gioco");
};

// A draw that makes floor(draw x n) come out as value.
inline float drawFor(int value, int n)
{
    return (static_cast<float>(value) + 0.5f) / static_cast<float>(n);
}

} // namespace zarvento::testing
