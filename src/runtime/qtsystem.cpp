// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The system as a Qt program sees it: the executable's folder, today's date, the event loop's end.
#include "runtime/qtsystem.h"

#include <QCoreApplication>
#include <QDate>
#include <QEventLoop>
#include <QLocale>
#include <QTimer>

namespace zarvento {

QString QtSystem::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtSystem::shortDate() const
{
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

void QtSystem::pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    // A click would reach the rules in the middle of the handler that pauses.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtSystem::endProgram(int status)
{
    // Makes every running event loop return, the nested ones of open boxes included.
    QCoreApplication::exit(status);
}

} // namespace zarvento
