// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the test programs share, kept here once:
//   rowName(info)       names a parameterised case after its row's `name`; a failing QString
//                       prints as its text;
//   readFile(path)      a file's bytes, "<missing>" when it cannot be read;
//   writeFile(path, b)  replaces a file's bytes, making its folder first; false when that fails;
//   LoggedWarnings      while it lives, keeps every message logged (from any thread) as
//                       "category: text"; lines() gives them, oldest first.
#pragma once

#include <QDir>

#include <mutex>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace zarvento::testing {

inline constexpr auto rowName = [](const auto &info) { return std::string(info.param.name); };

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

class LoggedWarnings {
public:
    LoggedWarnings() : previous_(qInstallMessageHandler(&keep)) {}
    ~LoggedWarnings()
    {
        qInstallMessageHandler(previous_);
        const std::lock_guard lock(mutex_);
        kept_.clear();
    }
    Q_DISABLE_COPY(LoggedWarnings)
    QStringList lines() const
    {
        const std::lock_guard lock(mutex_);
        return kept_;
    }

private:
    static void keep(QtMsgType, const QMessageLogContext &context, const QString &text)
    {
        const std::lock_guard lock(mutex_);
        kept_ << QString::fromUtf8(context.category) + QStringLiteral(": ") + text;
    }
    inline static std::mutex mutex_;
    inline static QStringList kept_;
    QtMessageHandler previous_;
};

} // namespace zarvento::testing
