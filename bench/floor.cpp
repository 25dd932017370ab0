// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// zarvento-floor: what any Qt game pays before its own work — the name box, a window with a menu
// bar and a client area of the game's size, and a one-second timer. bench/measure compares the
// game against it.
#include <QApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // The same box the game opens first, so start-up is timed to the same moment.
    QInputDialog::getText(nullptr, QStringLiteral("Zarvento"), QStringLiteral("Come ti chiami?"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zarvento floor"));
    window.menuBar()->addMenu(QStringLiteral("Gioco"))->addAction(QStringLiteral("Nuovo gioco"));
    auto *client = new QWidget(&window);
    client->setFixedSize(608, 672);
    window.setCentralWidget(client);
    window.show();

    // Wakes the event loop once a second, as the game's timers do, and changes nothing on screen.
    int ticks = 0;
    QTimer timer;
    timer.setInterval(1000);
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start();

    return QApplication::exec();
}
