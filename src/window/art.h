// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pictures and pointers, drawn from the artist's SVG files at the screen's scale.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QString>

namespace zarvento {

// The resource path of one of the art files, by its base name ("crosshair").
QString artPath(const char *name);

// A 32 x 32 pointer with its hot spot in logical pixels; the fallback shape if the file is
// unusable.
QCursor artCursor(const char *name, QPoint hotSpot, qreal devicePixelRatio,
                  Qt::CursorShape fallback);

// The window icon at the usual sizes.
QIcon artIcon(const char *name);

} // namespace zarvento
