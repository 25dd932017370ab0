// A game on stand-ins, with its records in a fresh folder of its own.
#pragma once

#include "fakes.h"
#include "table/tavola.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <memory>

namespace zarvento::testing {

class Game {
public:
    Game();
    ~Game();

    // Initialization and first sight of the window, answering the name box with name.
    void start(const QString &name = QStringLiteral("Anna"));

    QString recordsFolder() const { return dataHome_.path() + QStringLiteral("/zarvento/"); }
    QString scorePath() const { return recordsFolder() + QStringLiteral("apari.txt"); }
    QString namePath() const { return recordsFolder() + QStringLiteral("pari.txt"); }
    void writeRecord(const QByteArray &score, const QByteArray &name) const;
    QByteArray storedScore() const;
    QByteArray storedName() const;

    QString caption(Control c) const { return form.caption(c); }
    FormVariables &vars() { return tavola.variables(); }

    FakeForm form;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FakeSounds sounds;
    FakeSystem system;
    Tavola tavola{form, dialogs, random, sounds, system};

private:
    QTemporaryDir dataHome_;
    QByteArray oldDataHome_;
};

QByteArray readAll(const QString &path);

} // namespace zarvento::testing
