// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The start before any window: the command line, and the scale a factor asked for gives.
#include "runtime/scale.h"
#include "runtime/startoptions.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zarvento {
namespace {

// The window at normal size: 608 x 672 client area and the menu bar.
const QSizeF window = {608, 696};
// Full HD less the title bar: 1.5 is the largest half step (1.506 fits).
const QSizeF fullHd = {1920, 1048};
const QSizeF projector = {2880, 1900}; // 2.73 fits
const QSizeF netbook = {1024, 568};    // not even normal size fits: 0.816
const QSizeF wall = {7680, 4288};      // 6.16 would fit; the ceiling is 4

struct ScaleCase {
    const char *name;
    const char *asked;
    QSizeF room;
    double factor;
    ScaleVerdict verdict;
};

TEST(Scale, EveryFactorAskedGivesAWindowThatFitsAndABadOneIsSaid)
{
    const ScaleCase cases[] = {
        {"fit on full HD", "fit", fullHd, 1.5, ScaleVerdict::Fitted},
        {"fit on a projector", " fit", projector, 2.5, ScaleVerdict::Fitted},
        {"fit where normal size does not", "fit", netbook, 0.5, ScaleVerdict::Fitted},
        {"fit under the ceiling", "fit", wall, 4, ScaleVerdict::Fitted},
        {"double", "2", projector, 2, ScaleVerdict::AsAsked},
        {"any number in range", "1.25", fullHd, 1.25, ScaleVerdict::AsAsked},
        {"half size", "0.5", fullHd, 0.5, ScaleVerdict::AsAsked},
        {"the ceiling", "4", wall, 4, ScaleVerdict::AsAsked},
        {"zero", "0", fullHd, 1, ScaleVerdict::TooSmall},
        {"negative", "-1", fullHd, 1, ScaleVerdict::TooSmall},
        {"tiny", "0.0001", projector, 1, ScaleVerdict::TooSmall},
        {"tiny where normal size does not fit", "0.0001", netbook, 0.5, ScaleVerdict::TooSmall},
        {"nan", "nan", fullHd, 1, ScaleVerdict::NotANumber},
        {"not a number", "due", fullHd, 1, ScaleVerdict::NotANumber},
        {"empty", "", fullHd, 1, ScaleVerdict::NotANumber},
        {"nan where normal size does not fit", "nan", netbook, 0.5, ScaleVerdict::NotANumber},
        {"infinite", "inf", fullHd, 1.5, ScaleVerdict::TooLarge},
        {"huge", "1e308", projector, 2.5, ScaleVerdict::TooLarge},
        {"larger than the screen", "2", fullHd, 1.5, ScaleVerdict::TooLarge},
        {"over the ceiling on a wall", "5", wall, 4, ScaleVerdict::TooLarge},
    };
    for (const ScaleCase &c : cases) {
        const ScaleChoice choice = chooseScale(QString::fromLatin1(c.asked), window, c.room);
        EXPECT_EQ(choice.factor, c.factor) << c.name;
        EXPECT_EQ(choice.verdict, c.verdict) << c.name;
    }
}

struct FontDpiCase {
    const char *name;
    const char *asked;
    bool used;
};

TEST(Scale, OnlyAFontResolutionFromHalfToFourTimesTheUsualIsUsed)
{
    const FontDpiCase cases[] = {
        {"usual", "96", true},     {"four times", "384", true}, {"below half", "47", false},
        {"huge", "100000", false}, {"nan", "nan", false},       {"not a number", "high", false},
    };
    for (const FontDpiCase &c : cases)
        EXPECT_EQ(saneFontDpi(QString::fromLatin1(c.asked)).has_value(), c.used) << c.name;
}

struct OptionsCase {
    const char *name;
    QStringList arguments;
    std::optional<int> exitStatus;
    std::optional<QString> scale;
    QString outputHas;
    QString errorHas;
};

// Each ending case is also run as the real program, with no display at all.
TEST(StartOptions, HelpAndVersionNeedNoDisplayAMistakeEndsWithTwo)
{
    const OptionsCase cases[] = {
        {"help", {"--help"}, 0, {}, "--scale <FATTORE>", ""},
        {"short help", {"-h"}, 0, {}, "Mostra il gioco FATTORE volte più grande", ""},
        {"version", {"--version"}, 0, {}, "zarvento 1.0.0\n", ""},
        {"short version", {"-v"}, 0, {}, "zarvento 1.0.0\n", ""},
        {"unknown option", {"--scala", "2"}, 2, {}, "", "zarvento: Opzione sconosciuta: scala\n"},
        {"a scale without its factor", {"--scale"}, 2, {}, "", "zarvento --help\n"},
        {"a stray argument", {"due"}, 2, {}, "", "zarvento: Argomento inatteso: due\n"},
        {"scale", {"--scale", "2"}, {}, "2", "", ""},
        {"scale fit, with Qt's own options",
         {"-platform", "xcb", "--scale=fit"},
         {},
         "fit",
         "",
         ""},
        {"none", {}, {}, {}, "", ""},
    };
    for (const OptionsCase &c : cases) {
        const StartOptions options =
            parseStartOptions(QStringList{QStringLiteral("zarvento")} + c.arguments);
        EXPECT_EQ(options.exitStatus, c.exitStatus) << c.name;
        EXPECT_EQ(options.scale, c.scale) << c.name;
        const auto says = [&c](const QString &output, const QString &error) {
            EXPECT_TRUE(output.contains(c.outputHas)) << c.name;
            EXPECT_TRUE(error.contains(c.errorHas)) << c.name;
            EXPECT_EQ(output.isEmpty(), c.outputHas.isEmpty()) << c.name;
            EXPECT_EQ(error.isEmpty(), c.errorHas.isEmpty()) << c.name;
        };
        says(options.output, options.error);
        if (!c.exitStatus)
            continue;

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(variable));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("it"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZARVENTO_PROGRAM), c.arguments);
        ASSERT_TRUE(program.waitForFinished(10000)) << c.name;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(program.exitCode(), *c.exitStatus) << c.name;
        says(QString::fromUtf8(program.readAllStandardOutput()),
             QString::fromUtf8(program.readAllStandardError()));
    }
}

} // namespace
} // namespace zarvento
