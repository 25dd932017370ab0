// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Tavola, the game window's rules: its form variables and every handler, in the order they run.
#include "table/tavola.h"

#include "records/recordfiles.h"
#include "runtime/numbers.h"
#include "table/motion.h"

#include <cmath>

namespace zarvento {

namespace {

constexpr int evenFlashLength = 20000;
constexpr int oddFlashLength = 10000;
constexpr int waitLength = 1000;
// A match lasts fifteen minutes.
constexpr int matchSeconds = 900;
// The motion renumbers an odd target with 2 x (1 to renumberRange) + 1.
constexpr int renumberRange = 900;
// Another game holds the record for the milliseconds of its save: it is tried again this often,
// and after this many tries, about a second, the player is told.
constexpr int recordRetryMs = 50;
constexpr int triesBeforeTelling = 20;

// The targets' first numbers, dealt by every activation: each reseeded from a fresh local (0),
// except paricmd2's, reseeded from the number just dealt to paricmd1.
struct Deal {
    Control button;
    int range;
    Parity parity;
    bool reseedFromPrevious;
};
constexpr std::array<Deal, 6> firstDeals{{
    {Control::disparicmd, 100, Parity::Odd, false},
    {Control::disparicmd1, 100, Parity::Odd, false},
    {Control::disparicmd2, 100, Parity::Odd, false},
    {Control::paricmd, 100, Parity::Even, false},
    {Control::paricmd1, 500, Parity::Even, false},
    {Control::paricmd2, 300, Parity::Even, true},
}};

std::int16_t targetNumber(Random &random, int range, Parity parity)
{
    return static_cast<std::int16_t>(2 * oneTo(random, range) + (parity == Parity::Odd ? 1 : 0));
}

// The countdown's text: hours, minutes and seconds, two digits each.
QString countdownText(int hours, int minutes, double seconds)
{
    return format00(hours) + QLatin1Char(':') + format00(minutes) + QLatin1Char(':') +
           format00(seconds);
}

} // namespace

Tavola::Tavola(Form &form, Dialogs &dialogs, Random &random, Sounds &sounds, System &system)
    : form_(form), dialogs_(dialogs), random_(random), sounds_(sounds), system_(system)
{
}

// ---- Start-up ------------------------------------------------------------------------------

void Tavola::formInitialize()
{
    formActivate();
}

void Tavola::showWindow()
{
    if (!ensureLoaded())
        return;
    form_.show(); // reports a resize, which sets the caption
    if (!ended_)
        formActivate();
}

bool Tavola::ensureLoaded()
{
    if (!loaded_) {
        loaded_ = true;
        form_.load();
        formLoad();
    }
    return !ended_;
}

void Tavola::formLoad()
{
    form_.setTimerEnabled(Timer::Timer1, false);
    form_.setTimerEnabled(Timer::Timer2, false);

    const QString name = dialogs_.inputBox(tr("Come ti chiami?"));
    if (ended_)
        return;
    //: The greeting, after a blank and the name the player typed.
    dialogs_.messageBox(QLatin1Char(' ') + name + tr(" vediamo se sei un vero campione  "));
    if (ended_)
        return;
    form_.setCaption(Control::lblnome1, name);

    Avviatempo();

    v_.winDir = GetSystemDir();
    RecordAttempt prepared = prepareRecordFiles(v_.winDir);
    const auto prepareAgain = [this, &prepared] {
        prepared = prepareRecordFiles(v_.winDir);
        return prepared.busy;
    };
    if (prepared.busy && !whenRecordFree(prepareAgain, Countdown::Waits))
        return;
    if (prepared.error) {
        runtimeError(*prepared.error);
        return;
    }
    const std::optional<QString> storedScore = Leggifiletxt(v_.winDir + scoreFileName);
    if (!storedScore)
        return;
    form_.setCaption(Control::lblpunti, *storedScore);
    const std::optional<QString> storedName = Leggifiletxt(v_.winDir + nameFileName);
    if (!storedName)
        return;
    form_.setCaption(Control::lblnome, *storedName);

    v_.secondsLeft =
        static_cast<std::int16_t>(std::lround(v_.clockSeconds + static_cast<float>(matchSeconds)));
    form_.setCaption(Control::lblconto,
                     countdownText(v_.clockHours, v_.clockMinutes, v_.clockSeconds));
}

void Tavola::Avviatempo()
{
    form_.setTimerEnabled(Timer::Timer1, true);
    v_.clockHours = 0;
    v_.clockMinutes = 15;
    v_.clockSeconds = 0;
    v_.secondsLeft = matchSeconds;
    form_.setCaption(Control::lblconto,
                     countdownText(v_.clockHours, v_.clockMinutes, v_.clockSeconds));
}

void Tavola::formActivate()
{
    std::int16_t previous = 0;
    for (const Deal &deal : firstDeals) {
        const std::int16_t local = 0;
        random_.reseed(deal.reseedFromPrevious ? previous : local);
        previous = targetNumber(random_, deal.range, deal.parity);
        if (!ensureLoaded())
            return;
        form_.setCaption(deal.button, decimal(previous));
    }
    v_.score = 0;
    form_.setCaption(Control::Punteggio, decimal(v_.score));
    cmdNextClick();
}

// ---- The question and the background --------------------------------------------------------

std::pair<std::int16_t, std::int16_t> Tavola::drawQuestion()
{
    form_.setCaption(Control::lblMessage, QString());
    random_.reseedFromClock();
    std::int16_t first = 0;
    while (first == 0)
        first = static_cast<std::int16_t>(below(random_, 10));
    const auto second = static_cast<std::int16_t>(below(random_, 10));
    form_.setCaption(Control::lblNum1, formatHash0(first));
    form_.setCaption(Control::lblNum2, formatHash0(second));
    return {first, second};
}

void Tavola::cmdNextClick()
{
    form_.setBackColour(Control::paricmd2, targetCyan);
    std::tie(v_.num1, v_.num2) = drawQuestion();
    form_.paintBands(v_.num1, v_.num2);
}

// ---- Start of play and motion ---------------------------------------------------------------

void Tavola::formClick()
{
    const auto [a, b] = drawQuestion();
    Suonafile(soundPath("laser.wav"));
    form_.paintBands(a, b);
    form_.setTimerEnabled(Timer::Timer2, true);
    timer2Tick();
}

void Tavola::timer2Tick()
{
    for (Control button : shownEveryTick)
        form_.setVisible(button, true);
    random_.reseedFromClock();
    const MotionRow &row = motionRows[static_cast<std::size_t>(below(random_, 6))];

    for (const Move &move : row.moves) {
        const auto place = static_cast<float>(move.offset + below(random_, move.range));
        if (move.axis == Axis::Left)
            form_.setLeft(move.button, place);
        else
            form_.setTop(move.button, place);
    }
    for (Control button : row.shown)
        form_.setVisible(button, true);
    for (Control button : row.hidden)
        form_.setVisible(button, false);

    if (row.renumbered) {
        std::int16_t &kept = v_.*row.renumberVariable;
        random_.reseed(kept);
        kept = static_cast<std::int16_t>(2 * oneTo(random_, renumberRange) + 1);
        form_.setCaption(*row.renumbered, decimal(kept));
    }
}

// ---- Hits -----------------------------------------------------------------------------------

void Tavola::targetClick(const TargetRow &target)
{
    const bool even = target.parity == Parity::Even;
    const int flashLength = even ? evenFlashLength : oddFlashLength;
    const Colour flash = even ? flashGreen : flashRed;
    for (v_.flashStep = 1; v_.flashStep <= flashLength; ++v_.flashStep)
        form_.setBackColour(target.button, flash);

    if (even) {
        v_.score = saturatingAdd(v_.score, 1);
        Suonafile(soundPath("sparo.wav"));
        form_.setCaption(Control::Punteggio, QLatin1Char(' ') + decimal(v_.score));
        form_.setBackColour(target.button, targetCyan);
    } else {
        Suonafile(soundPath("esplosi.wav"));
        //: The warning of an odd hit, after the number hit.
        const QString oddNumber = tr(" è  un numero dispari");
        dialogs_.messageBox(tr(target.warning) + form_.caption(target.button) + oddNumber);
        if (ended_)
            return;
        v_.score = saturatingAdd(v_.score, -4);
        form_.setCaption(Control::Punteggio, decimal(v_.score));
    }
    form_.setVisible(target.button, false);

    std::int16_t newNum = 0;
    std::int16_t &kept = target.keptIn ? v_.*target.keptIn : newNum;
    random_.reseed(target.reseedFrom ? v_.*target.reseedFrom : newNum);
    kept = targetNumber(random_, target.range, target.parity);
    form_.setCaption(target.button, decimal(kept));
    if (!even)
        form_.setBackColour(target.button, targetCyan);

    cmdNextClick();
}

// ---- The match clock ------------------------------------------------------------------------

void Tavola::timer1Tick()
{
    if (form_.caption(Control::lblconto) == QLatin1String("00:00:00")) {
        cmdExitClick();
        return;
    }
    if (v_.clockSeconds == 0) {
        if (v_.clockMinutes > 0) {
            --v_.clockMinutes;
            v_.clockSeconds = 60;
        } else if (v_.clockMinutes == 0 && v_.clockHours > 0) {
            --v_.clockHours;
            v_.clockMinutes = 59;
            v_.clockSeconds = 60;
        } else if (v_.clockMinutes == 0) {
            v_.clockHours = 0;
            v_.clockMinutes = 0;
        }
    }
    v_.clockSeconds -= 1;
    --v_.secondsLeft;
    form_.setCaption(Control::lblconto,
                     countdownText(v_.clockHours, v_.clockMinutes, v_.clockSeconds));
    // A minimized window shows the time left in its caption, kept current while it stays so.
    if (form_.isMinimized())
        Mostratempo();
}

void Tavola::formResize()
{
    if (form_.isMinimized())
        Mostratempo();
    else
        form_.setWindowCaption(tr("Giocare con i numeri pari e dispari"));
}

void Tavola::Mostratempo()
{
    const int left = v_.secondsLeft;
    form_.setWindowCaption(countdownText(left / 3600, left / 60 % 60, left % 60));
}

// ---- Leaving and a new game -----------------------------------------------------------------

void Tavola::cmdExitClick()
{
    // Ticks keep coming while the goodbye box is open and find the time up again: one leaving
    // is enough.
    if (leaving_)
        return;
    leaving_ = true;

    //: The goodbye, before the seconds that were left.
    dialogs_.messageBox(tr("Ciao a presto. Ore ") + decimal(v_.secondsLeft), {},
                        //: The goodbye's title, before today's date.
                        tr("Data ") + system_.shortDate());
    if (ended_)
        return;
    for (v_.waitStep = 1; v_.waitStep <= waitLength; ++v_.waitStep) {
    }

    // The pair of the match as it ended: stored as it is, however long the record stays busy.
    const QString score = form_.caption(Control::Punteggio);
    const QString name = form_.caption(Control::lblnome1);
    RecordOutcome outcome = storeIfRecord(v_.winDir, score, name);
    const auto storeAgain = [&] {
        outcome = storeIfRecord(v_.winDir, score, name);
        return outcome.busy;
    };
    if (outcome.busy && !whenRecordFree(storeAgain, Countdown::Runs))
        return;
    if (outcome.error) {
        runtimeError(*outcome.error);
        return;
    }
    if (outcome.newRecord) {
        dialogs_.messageBox(tr("Ok ho registrato il tuo record, C A M P I O N E\""));
        if (ended_)
            return;
    }
    end(0);
}

void Tavola::nextClick()
{
    const MsgBoxAnswer answer = dialogs_.messageBox(
        tr("INIZIAMO UNA NUOVA GARA  ?"),
        {MsgBoxStyle::Buttons::YesNo, MsgBoxStyle::Icon::Question, MsgBoxStyle::Default::Second},
        tr("INIZIARE NUOVA GARA"));
    if (ended_ || answer == MsgBoxAnswer::No)
        return;
    form_.unload();
    loaded_ = false;
    showWindow();
}

// ---- Form methods ---------------------------------------------------------------------------

QString Tavola::GetSystemDir() const
{
    return recordsFolder();
}

std::optional<QString> Tavola::Leggifiletxt(const QString &nomefile)
{
    TextRead read = readTextFile(nomefile);
    const auto readAgain = [&read, &nomefile] {
        read = readTextFile(nomefile);
        return read.busy;
    };
    if (read.busy && !whenRecordFree(readAgain, Countdown::Waits))
        return std::nullopt;
    if (read.error) {
        runtimeError(*read.error);
        return std::nullopt;
    }
    return read.text;
}

void Tavola::Suonafile(const QString &path)
{
    sounds_.play(path);
}

QString Tavola::soundPath(const char *file) const
{
    return system_.programFolder() + QStringLiteral("/suoni/") + QLatin1String(file);
}

// ---- Events and the end ---------------------------------------------------------------------

void Tavola::controlClicked(Control control)
{
    if (ended_)
        return;
    if (control == Control::cmdExit)
        cmdExitClick();
    else if (const TargetRow *target = targetRow(control))
        targetClick(*target);
}

void Tavola::windowClicked()
{
    if (!ended_)
        formClick();
}

void Tavola::timerTicked(Timer timer)
{
    if (ended_)
        return;
    if (timer == Timer::Timer1)
        timer1Tick();
    else
        timer2Tick();
}

void Tavola::resized()
{
    if (!ended_)
        formResize();
}

void Tavola::menuChosen(MenuItem item)
{
    if (!ended_ && item == MenuItem::Next)
        nextClick();
}

void Tavola::closed()
{
    // Closing the window ends the game without touching the record.
    end(0);
}

bool Tavola::whenRecordFree(const std::function<bool()> &stillBusy, Countdown countdown)
{
    const bool ticking = form_.isTimerEnabled(Timer::Timer1);
    if (countdown == Countdown::Waits)
        form_.setTimerEnabled(Timer::Timer1, false);
    for (int tries = 1; !ended_; ++tries) {
        if (tries % triesBeforeTelling != 0) {
            system_.pause(recordRetryMs);
        } else {
            const MsgBoxAnswer answer = dialogs_.messageBox(
                tr("Un'altra copia del gioco sta salvando il record.\n\n"
                   "Premi Riprova per aspettare che finisca, o Annulla per chiudere il gioco "
                   "senza aspettare."),
                {MsgBoxStyle::Buttons::RetryCancel, MsgBoxStyle::Icon::Warning,
                 MsgBoxStyle::Default::First});
            if (answer != MsgBoxAnswer::Retry)
                end(1);
        }
        if (!ended_ && !stillBusy()) {
            if (countdown == Countdown::Waits)
                form_.setTimerEnabled(Timer::Timer1, ticking);
            return true;
        }
    }
    return false;
}

void Tavola::runtimeError(const FileError &error)
{
    if (ended_)
        return;
    dialogs_.messageBox(errorReportText(error),
                        {MsgBoxStyle::Buttons::OkOnly, MsgBoxStyle::Icon::Critical}, programTitle);
    end(1);
}

void Tavola::end(int status)
{
    if (ended_)
        return;
    ended_ = true;
    exitStatus_ = status;
    if (loaded_) {
        form_.setTimerEnabled(Timer::Timer1, false);
        form_.setTimerEnabled(Timer::Timer2, false);
    }
    system_.endProgram(status);
}

} // namespace zarvento
