// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// zarvento-sound-probe NAME...: for each sound file name, the path the game asks for (its own
// folder + "/suoni/" + NAME), the file the voice reads for it, and whether that file plays. Copied
// beside an installed zarvento, it shows that the install's sounds are found. Exits 1 when one
// does not play.
#include "sound/sdlvoice.h"
#include "sound/soundfolder.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    const QStringList names = QCoreApplication::arguments().mid(1);
    if (names.isEmpty()) {
        std::fprintf(stderr, "uso: zarvento-sound-probe NOME.wav...\n");
        return 2;
    }
    const QString program = QCoreApplication::applicationDirPath();
    zarvento::SdlVoice voice;
    if (!voice.isOpen()) {
        std::fprintf(stderr, "zarvento-sound-probe: nessun dispositivo audio\n");
        return 1;
    }
    int status = 0;
    for (const QString &name : names) {
        const QString asked = program + QStringLiteral("/suoni/") + name;
        const QString found =
            zarvento::resolveSound(asked, zarvento::installedSoundFolder(program));
        voice.play(asked);
        const bool plays = voice.playingPath() == asked;
        std::printf("%s\t%s\t%s\n", qPrintable(name), qPrintable(found), plays ? "ok" : "silent");
        if (!plays)
            status = 1;
    }
    return status;
}
