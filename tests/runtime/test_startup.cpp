// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The start before any window: the command line, and the scale a factor asked for gives.
#include "runtime/scale.h"
#include "runtime/startoptions.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace zarvento;

// The window at normal size is 608 x 672 and the menu bar. Full HD less the title bar fits 1.506
// times that, so 1.5; a projector 2.73; a netbook not even normal size (0.816); a wall 6.16, above
// the ceiling of 4.
const QSizeF window = {608, 696}, fullHd = {1920, 1048}, projector = {2880, 1900},
             netbook = {1024, 568}, wall = {7680, 4288};

TEST(Scale, EveryFactorAskedGivesAWindowThatFitsAndABadOneIsSaid)
{
    struct Case {
        const char *name, *asked;
        QSizeF room;
        ScaleChoice expected;
    };
    const Case cases[] = {
        {"fit on full HD", "fit", fullHd, {1.5, ScaleVerdict::Fitted}},
        {"fit on a projector", " fit", projector, {2.5, ScaleVerdict::Fitted}},
        {"fit where normal size does not", "fit", netbook, {0.5, ScaleVerdict::Fitted}},
        {"any number in range", "1.25", fullHd, {1.25, ScaleVerdict::AsAsked}},
        {"half size", "0.5", fullHd, {0.5, ScaleVerdict::AsAsked}},
        {"the ceiling", "4", wall, {4, ScaleVerdict::AsAsked}},
        {"a third", "0.33", projector, {1, ScaleVerdict::TooSmall}},
        {"not a number", "due", fullHd, {1, ScaleVerdict::NotANumber}},
        {"nan where normal size does not fit", "nan", netbook, {0.5, ScaleVerdict::NotANumber}},
        {"infinite", "inf", fullHd, {1.5, ScaleVerdict::TooLarge}},
        {"larger than the screen", "2", fullHd, {1.5, ScaleVerdict::TooLarge}},
        {"over the ceiling on a wall", "5", wall, {4, ScaleVerdict::TooLarge}},
    };
    for (const Case &c : cases) {
        const ScaleChoice got = chooseScale(QString::fromLatin1(c.asked), window, c.room);
        EXPECT_TRUE(got.factor == c.expected.factor && got.verdict == c.expected.verdict) << c.name;
    }
    // A font resolution is used only from half to four times the usual 96.
    EXPECT_TRUE(saneFontDpi("48") && saneFontDpi("384") && !saneFontDpi("47") &&
                !saneFontDpi("385"));
}

// Each case that ends the program is also run as the real program, with no display at all.
TEST(StartOptions, HelpAndVersionNeedNoDisplayAMistakeEndsWithTwo)
{
    struct Case {
        const char *name;
        QStringList arguments;
        std::optional<int> exitStatus; // none: the game starts
        std::optional<QString> scale;
        QString says; // on standard output when it ends with 0, on standard error when with 2
    };
    const Case cases[] = {
        {"help", {"--help"}, 0, {}, "--scale <FATTORE>"},
        {"short help", {"-h"}, 0, {}, "Mostra il gioco FATTORE volte più grande"},
        {"version", {"--version"}, 0, {}, "zarvento 1.0.0\n"},
        {"unknown option", {"--scala", "2"}, 2, {}, "zarvento: Opzione sconosciuta: scala\n"},
        {"a scale without its factor", {"--scale"}, 2, {}, "zarvento --help\n"},
        {"a stray argument", {"due"}, 2, {}, "zarvento: Argomento inatteso: due\n"},
        {"scale", {"--scale", "2"}, {}, "2", ""},
        {"fit, with Qt's own options", {"-platform", "xcb", "--scale=fit"}, {}, "fit", ""},
    };
    for (const Case &c : cases) {
        const StartOptions options = parseStartOptions(QStringList{"zarvento"} + c.arguments);
        EXPECT_TRUE(options.exitStatus == c.exitStatus && options.scale == c.scale) << c.name;
        if (!c.exitStatus)
            continue;
        QProcess program;
        program.setProcessEnvironment({}); // no display at all, nor language
        program.start(ZARVENTO_PROGRAM, c.arguments);
        program.waitForFinished(10000);
        const QString out = program.readAllStandardOutput(), err = program.readAllStandardError();
        EXPECT_TRUE(program.exitStatus() == QProcess::NormalExit &&
                    program.exitCode() == *c.exitStatus && (*c.exitStatus ? out : err) == "" &&
                    (*c.exitStatus ? err : out).contains(c.says))
            << c.name << ": " << out.toStdString() << err.toStdString();
    }
}
