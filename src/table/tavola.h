// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Tavola, the game window's rules: its form variables and every handler, in the order they run.
#pragma once

#include "runtime/dialogs.h"
#include "runtime/errorreport.h"
#include "runtime/random.h"
#include "runtime/system.h"
#include "sound/sounds.h"
#include "table/form.h"
#include "table/formvariables.h"
#include "table/targets.h"

#include <QCoreApplication>

#include <functional>
#include <optional>

namespace zarvento {

class Tavola final : public FormEvents {
    // Every text the player reads is translated in the context "Tavola", from the Italian.
    Q_DECLARE_TR_FUNCTIONS(Tavola)

public:
    Tavola(Form &form, Dialogs &dialogs, Random &random, Sounds &sounds, System &system);

    // Start of the program: the initialization handler, then the first sight of the window.
    void formInitialize();
    void showWindow();

    // What the window reports.
    void controlClicked(Control control) override;
    void windowClicked() override;
    void timerTicked(Timer timer) override;
    void resized() override;
    void menuChosen(MenuItem item) override;
    void closed() override;

    // The handlers.
    void formLoad();
    void formActivate();
    void cmdNextClick();
    void formClick();
    void timer2Tick();
    void targetClick(const TargetRow &target);
    void timer1Tick();
    void formResize();
    void cmdExitClick();
    void nextClick();

    // The form methods.
    void Avviatempo();
    void Mostratempo();
    QString GetSystemDir() const;
    std::optional<QString> Leggifiletxt(const QString &nomefile);
    void Suonafile(const QString &path);

    FormVariables &variables() { return v_; }
    bool ended() const { return ended_; }
    int exitStatus() const { return exitStatus_; }

private:
    // The first touch of a control of an unloaded window loads it; false once the game ended.
    bool ensureLoaded();
    // A new question: two factors drawn afresh and written into the hidden question labels.
    std::pair<std::int16_t, std::int16_t> drawQuestion();
    QString soundPath(const char *file) const;
    // Whether the countdown goes on while the game waits for the record: not before the window is
    // first up, since the match has not begun.
    enum class Countdown { Runs, Waits };
    // Makes the try again until the record files are free, the window living on meanwhile; after
    // about a second the player is told and may go on waiting or give up, which ends the game.
    // stillBusy makes one try and says whether it found the record busy. False when the game
    // ended before the record was free.
    bool whenRecordFree(const std::function<bool()> &stillBusy, Countdown countdown);
    // The standard error report: says what failed and ends the program.
    void runtimeError(const FileError &error);
    void end(int status);

    Form &form_;
    Dialogs &dialogs_;
    Random &random_;
    Sounds &sounds_;
    System &system_;

    FormVariables v_;
    bool loaded_ = false;
    bool leaving_ = false;
    bool ended_ = false;
    int exitStatus_ = 0;
};

} // namespace zarvento
