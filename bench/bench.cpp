// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Times the game's handlers against the real window, offscreen, with every box answered at once.
#include "records/recordfiles.h"
#include "runtime/random.h"
#include "sound/sdlvoice.h"
#include "table/tavola.h"
#include "window/fonts.h"
#include "window/tavolawindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace zarvento {
namespace {

class AnsweringDialogs final : public Dialogs {
public:
    MsgBoxAnswer answer = MsgBoxAnswer::Ok;
    MsgBoxAnswer messageBox(const QString &, MsgBoxStyle, const QString &) override
    {
        return answer;
    }
    QString inputBox(const QString &) override { return QStringLiteral("Anna"); }
};

class BenchSystem final : public System {
public:
    QString programFolder() const override { return QStringLiteral(ZARVENTO_SOURCE_DIR); }
    QString shortDate() const override { return QStringLiteral("06/12/26"); }
    void pause(int) override {}
    void endProgram(int) override {}
};

// One game for the whole run, started as the program starts it.
struct Bench {
    Bench()
    {
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        window.setEvents(&tavola);
        tavola.formInitialize();
        tavola.showWindow();
        QApplication::processEvents();
        tavola.formClick(); // the targets move from here on
    }

    QTemporaryDir dataHome;
    SdlVoice voice;
    AnsweringDialogs dialogs;
    BenchSystem system;
    MixingRandom random{42};
    TavolaWindow window;
    Tavola tavola{window, dialogs, random, voice, system};
};

// Made on first use and ended in main, while the application object still exists.
std::unique_ptr<Bench> theBench;

Bench &bench()
{
    if (!theBench)
        theBench = std::make_unique<Bench>();
    return *theBench;
}

void hit(benchmark::State &state, Control button)
{
    Bench &b = bench();
    const TargetRow &row = *targetRow(button);
    for (auto _ : state) {
        b.window.setVisible(button, true);
        b.tavola.targetClick(row);
    }
    QApplication::processEvents();
}

void BM_EvenHit(benchmark::State &state)
{
    hit(state, Control::paricmd);
}
BENCHMARK(BM_EvenHit)->Unit(benchmark::kMicrosecond);

void BM_OddHit(benchmark::State &state)
{
    hit(state, Control::disparicmd1);
}
BENCHMARK(BM_OddHit)->Unit(benchmark::kMicrosecond);

// A sound whose file has gone must not hold the hit up either.
void BM_MissingSound(benchmark::State &state)
{
    Bench &b = bench();
    for (auto _ : state)
        b.voice.play(QStringLiteral("/nonexistent/suoni/sparo.wav"));
}
BENCHMARK(BM_MissingSound)->Unit(benchmark::kMicrosecond);

void BM_MotionTick(benchmark::State &state)
{
    Bench &b = bench();
    for (auto _ : state)
        b.tavola.timer2Tick();
    QApplication::processEvents();
}
BENCHMARK(BM_MotionTick)->Unit(benchmark::kMicrosecond);

void BM_ClockTick(benchmark::State &state)
{
    Bench &b = bench();
    b.tavola.Avviatempo();
    int ticks = 0;
    for (auto _ : state) {
        if (++ticks == 800) { // restart the match before its time runs out
            state.PauseTiming();
            b.tavola.Avviatempo();
            ticks = 0;
            state.ResumeTiming();
        }
        b.tavola.timer1Tick();
    }
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

void BM_BandPainting(benchmark::State &state)
{
    Bench &b = bench();
    int question = 0;
    for (auto _ : state) {
        b.window.paintBands(1 + question % 9, question % 10);
        ++question;
    }
    QApplication::processEvents();
}
BENCHMARK(BM_BandPainting)->Unit(benchmark::kMicrosecond);

void BM_NewGameLoadAndActivation(benchmark::State &state)
{
    Bench &b = bench();
    b.dialogs.answer = MsgBoxAnswer::Yes;
    for (auto _ : state) {
        b.tavola.nextClick();
        state.PauseTiming(); // the old controls go when the event loop next runs
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    b.dialogs.answer = MsgBoxAnswer::Ok;
    QApplication::processEvents();
}
BENCHMARK(BM_NewGameLoadAndActivation)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zarvento

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    zarvento::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    zarvento::theBench.reset();
    return 0;
}
