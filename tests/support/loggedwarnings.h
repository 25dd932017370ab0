// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The warnings a piece of the game logs while a test looks: each as "category: text".
#pragma once

#include <QStringList>

#include <mutex>

namespace zarvento::testing {

class LoggedWarnings {
public:
    LoggedWarnings() { previous_ = qInstallMessageHandler(&LoggedWarnings::keep); }
    ~LoggedWarnings()
    {
        qInstallMessageHandler(previous_);
        const std::lock_guard lock(mutex());
        kept().clear();
    }
    LoggedWarnings(const LoggedWarnings &) = delete;
    LoggedWarnings &operator=(const LoggedWarnings &) = delete;

    QStringList lines() const
    {
        const std::lock_guard lock(mutex());
        return kept();
    }

private:
    // Messages may come from any thread.
    static void keep(QtMsgType, const QMessageLogContext &context, const QString &text)
    {
        const std::lock_guard lock(mutex());
        kept().append(QString::fromUtf8(context.category) + QStringLiteral(": ") + text);
    }
    static QStringList &kept()
    {
        static QStringList lines;
        return lines;
    }
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    QtMessageHandler previous_;
};

} // namespace zarvento::testing
