// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help, --version and --scale, read before there is any window.
#include "runtime/startoptions.h"

#include "runtime/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace zarvento {

namespace {

// Qt's own options (the manual page names -platform) reach the window system untouched.
const char *const qtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "style",
    "stylesheet",  "qmljsdebugger"};
const char *const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addHidden(QCommandLineParser &parser, const char *name, bool takesValue)
{
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

StartOptions parseStartOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The window's caption says what the game is for.
    parser.setApplicationDescription(
        QCoreApplication::translate("Tavola", "Giocare con i numeri pari e dispari"));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("StartOptions", "Mostra queste opzioni ed esce."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("StartOptions", "Mostra la versione ed esce."));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        QCoreApplication::translate(
            "StartOptions",
            "Mostra il gioco FATTORE volte più grande, da 0.5 fino a quanto entra nello schermo; "
            "fit: il più grande che entra."),
        QCoreApplication::translate("StartOptions", "FATTORE"));
    parser.addOptions({help, version, scale});
    for (const char *name : qtOptionsWithValue)
        addHidden(parser, name, true);
    for (const char *name : qtFlags)
        addHidden(parser, name, false);

    StartOptions options;
    const QString program = QStringLiteral("zarvento");
    QString mistake;
    if (!parser.parse(arguments)) {
        mistake = parser.unknownOptionNames().isEmpty()
                      ? parser.errorText()
                      : QCoreApplication::translate("StartOptions", "Opzione sconosciuta: %1")
                            .arg(parser.unknownOptionNames().first());
    } else if (!parser.positionalArguments().isEmpty()) {
        mistake = QCoreApplication::translate("StartOptions", "Argomento inatteso: %1")
                      .arg(parser.positionalArguments().first());
    }
    if (!mistake.isEmpty()) {
        options.exitStatus = 2;
        options.error =
            program + QStringLiteral(": ") + mistake + u'\n' +
            QCoreApplication::translate("StartOptions", "Per sapere come si usa: zarvento --help") +
            u'\n';
    } else if (parser.isSet(help)) {
        options.exitStatus = 0;
        options.output = parser.helpText();
    } else if (parser.isSet(version)) {
        options.exitStatus = 0;
        options.output = program + u' ' + QStringLiteral(ZARVENTO_VERSION) + u'\n';
    } else if (parser.isSet(scale)) {
        options.scale = parser.value(scale);
    }
    return options;
}

StartOptions readStartOptions(int argc, char **argv)
{
    if (argc <= 1)
        return {};
    // Only the core: the help and the version need no display.
    int coreArgc = 1;
    QCoreApplication core(coreArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zarvento"));
    const Translations translations;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    StartOptions options = parseStartOptions(arguments);
    std::fputs(options.output.toLocal8Bit().constData(), stdout);
    std::fputs(options.error.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return options;
}

} // namespace zarvento
