// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Settles the scale factor and font resolution the game's application will read when it starts.
#include "runtime/startscale.h"

#include "runtime/scale.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>

#include <vector>

namespace zarvento {

namespace {

Q_LOGGING_CATEGORY(lcScale, "zarvento.scale")

const char scaleVariable[] = "QT_SCALE_FACTOR";
const char fontDpiVariable[] = "QT_FONT_DPI";
// The window manager's title bar, which no factor enlarges.
constexpr double titleBarRoom = 32;

// The room the primary screen leaves a window, beside any panels, in pixels at normal size. The
// factor is only read when an application starts, so a short-lived one asks the screen.
QSizeF screenRoom(int argc, char **argv)
{
    const QByteArray asked = qgetenv(scaleVariable);
    qunsetenv(scaleVariable);
    std::vector<char *> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    int probeArgc = argc;
    QSizeF room;
    {
        const QGuiApplication probe(probeArgc, arguments.data());
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            room = screen->availableGeometry().size();
    }
    if (!asked.isNull())
        qputenv(scaleVariable, asked);
    return room - QSizeF(0, titleBarRoom);
}

const char *why(ScaleVerdict verdict)
{
    switch (verdict) {
    case ScaleVerdict::NotANumber:
        return "is not a number";
    case ScaleVerdict::TooSmall:
        return "is below 0.5";
    case ScaleVerdict::TooLarge:
        return "does not fit the screen";
    case ScaleVerdict::AsAsked:
    case ScaleVerdict::Fitted:
        break;
    }
    return "";
}

} // namespace

void settleScale(const std::optional<QString> &asked, QSizeF windowSize, int argc, char **argv)
{
    const QString fontDpi = qEnvironmentVariable(fontDpiVariable);
    if (!fontDpi.isEmpty() && !saneFontDpi(fontDpi)) {
        qCWarning(lcScale,
                  "%s=%ls is not used: fonts are drawn at the screen's own size (from 48 "
                  "to 384 dots per inch are allowed)",
                  fontDpiVariable, qUtf16Printable(fontDpi));
        qunsetenv(fontDpiVariable);
    }

    const QString fromEnvironment = qEnvironmentVariable(scaleVariable);
    if (!asked && fromEnvironment.isEmpty())
        return; // the ordinary start: nothing to ask the screen
    const QString factor = asked ? *asked : fromEnvironment;
    const ScaleChoice choice = chooseScale(factor, windowSize, screenRoom(argc, argv));
    if (choice.verdict != ScaleVerdict::AsAsked && choice.verdict != ScaleVerdict::Fitted) {
        qCWarning(lcScale, "%s %ls %s: the game is shown at %g", asked ? "--scale" : scaleVariable,
                  qUtf16Printable(factor), why(choice.verdict), choice.factor);
    }
    qputenv(scaleVariable, QByteArray::number(choice.factor));
}

} // namespace zarvento
