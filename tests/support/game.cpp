// A game on stand-ins, with its records in a fresh folder of its own.
#include "game.h"

#include <QDir>
#include <QFile>

namespace zarvento::testing {

Game::Game() : oldDataHome_(qgetenv("XDG_DATA_HOME"))
{
    qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8());
    form.onResize = [this] { tavola.resized(); };
}

Game::~Game()
{
    qputenv("XDG_DATA_HOME", oldDataHome_);
}

void Game::start(const QString &name)
{
    dialogs.names.push_back(name);
    tavola.formInitialize();
    if (!tavola.ended())
        tavola.showWindow();
}

void Game::writeRecord(const QByteArray &score, const QByteArray &name) const
{
    QDir().mkpath(recordsFolder());
    for (const auto &[path, bytes] : {std::pair{scorePath(), score}, std::pair{namePath(), name}}) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
}

QByteArray Game::storedScore() const
{
    return readAll(scorePath());
}

QByteArray Game::storedName() const
{
    return readAll(namePath());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace zarvento::testing
