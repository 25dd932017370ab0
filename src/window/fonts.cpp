// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The layout's font faces and their stand-ins on a desktop that lacks them.
#include "window/fonts.h"

#include <QString>

#include <cstring>

namespace zarvento {

namespace {
constexpr const char *blackFace = "Arial Black";
}

void installFontSubstitutions()
{
    const QString sans = QStringLiteral("Liberation Sans");
    const QString serif = QStringLiteral("Liberation Serif");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), serif);
    // Liberation has no black cut: the weight, set in layoutFont, makes up for it.
    QFont::insertSubstitution(QString::fromLatin1(blackFace), sans);
}

QFont layoutFont(const FontDesign &design)
{
    QFont font;
    if (design.face == nullptr)
        return font;
    font.setFamily(QString::fromLatin1(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    if (std::strcmp(design.face, blackFace) == 0)
        font.setWeight(QFont::Black);
    return font;
}

} // namespace zarvento
