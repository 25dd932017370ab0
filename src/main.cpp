// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Wires the real window, dialogs, sounds, generator and system to the game's rules, and runs it.
#include "runtime/qtdialogs.h"
#include "runtime/qtsystem.h"
#include "runtime/random.h"
#include "runtime/translations.h"
#include "sound/sdlvoice.h"
#include "table/tavola.h"
#include "window/fonts.h"
#include "window/tavolawindow.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <chrono>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zarvento"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Zarvento"));
    // The game ends through its own handlers: boxes shown while the window is hidden (the name
    // box of a new game) must not end it when they close.
    QApplication::setQuitOnLastWindowClosed(false);
    zarvento::installFontSubstitutions();
    // Before any text is shown: the language the player chose, or the computer's, or Italian.
    zarvento::Translations translations;

    int status = 0;
    {
        zarvento::SdlVoice voice;
        zarvento::QtSystem system;
        zarvento::MixingRandom random(static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count()));
        zarvento::TavolaWindow window;
        window.offerLanguages(translations);
        QApplication::setWindowIcon(window.windowIcon());
        zarvento::QtDialogs dialogs(&window);

        zarvento::Tavola tavola(window, dialogs, random, voice, system);
        window.setEvents(&tavola);
        // Opening the audio device takes SDL and the sound server about as long as the whole launch
        // to the name box: it is done on a thread of its own once the box is up.
        QTimer::singleShot(0, &app, [&voice] { voice.openInBackground(); });
        tavola.formInitialize();
        if (!tavola.ended())
            tavola.showWindow();
        // An error report during start-up ends the game before the event loop ever runs.
        status = tavola.ended() ? tavola.exitStatus() : QApplication::exec();
        window.setEvents(nullptr);
    }
    return status;
}
