// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The design-time table of the window's controls, row for row in the order the window holds them.
#include "window/layout.h"

#include <algorithm>

namespace zarvento {

namespace {

using C = Control;
using K = Kind;
using P = Pointer;
using A = Pictures;
using F = Flag;

constexpr const char *sansFace = "MS Sans Serif";
constexpr const char *arialFace = "Arial";
constexpr const char *timesFace = "Times New Roman";
constexpr const char *blackFace = "Arial Black";

constexpr FontDesign font(const char *face, double points, bool bold = false, bool italic = false)
{
    return {face, points, bold, italic};
}
constexpr bool bold = true;
constexpr bool italic = true;
constexpr FontDesign standardFont{nullptr, 0, false, false};

constexpr Colour sys = systemColour;
constexpr Colour cyan = 0x00FFFF00;
constexpr Colour lightCyan = 0x00FFFF80;
constexpr Colour purple = 0x00C000C0;
constexpr Colour green = 0x0000C000;
constexpr Colour darkGreen = 0x00008000;
constexpr Colour red = 0x000000FF;
constexpr Colour blue = 0x00FF0000;
constexpr Colour yellow = 0x0000FFFF;
constexpr Colour lightGrey = 0x00E0E0E0;

constexpr Flags frameLabel = F::Border | F::Centred | F::AutoSize | F::Transparent;

constexpr std::array<ControlRow, controlCount> rows{{
    // clang-format off
    {C::disparicmd2, "disparicmd2", K::GraphicButton, 5040, 6840, 1215, 1215, "",
     font(sansFace, 24, bold), sys, cyan, F::Hidden, nullptr, P::Standard, A::None},
    {C::disparicmd1, "disparicmd1", K::GraphicButton, 6840, 5160, 1215, 1215, "63",
     font(sansFace, 24, bold), sys, cyan, F::Hidden, nullptr, P::Standard, A::None},
    {C::paricmd2, "paricmd2", K::GraphicButton, 1560, 6480, 1215, 1215, "",
     font(sansFace, 24, bold), sys, cyan, F::Hidden, nullptr, P::Standard, A::None},
    {C::paricmd1, "paricmd1", K::GraphicButton, 2880, 4200, 1215, 1215, "",
     font(sansFace, 24, bold), sys, cyan, F::Hidden, nullptr, P::Standard, A::None},
    {C::cmdExit, "cmdExit", K::GraphicButton, 5760, 0, 1815, 975,
     QT_TRANSLATE_NOOP("Tavola", "E&xit"),
     font(sansFace, 8.25, bold), sys, purple, {},
     QT_TRANSLATE_NOOP("Tavola", "Ti prego resta ancora, forse riuscirai a farmi uscire "),
     P::Standard, A::NoEntry},
    {C::cmdNext, "cmdNext", K::GraphicButton, 360, 0, 1815, 975,
     QT_TRANSLATE_NOOP("Tavola", "&Clicca per iniziare"),
     font(sansFace, 8.25, bold), sys, green, F::Disabled,
     QT_TRANSLATE_NOOP("Tavola", "Go"), P::IconPointer, A::Faces},
    {C::Inizio, "Inizio", K::StandardButton, 480, 120, 1695, 735,
     QT_TRANSLATE_NOOP("Tavola", "Inizio"),
     standardFont, sys, sys, F::Hidden, nullptr, P::Standard, A::None},
    {C::paricmd, "paricmd", K::GraphicButton, 2400, 1560, 1215, 1215, "",
     font(sansFace, 24, bold), sys, cyan, F::Hidden, nullptr, P::Sight, A::None},
    {C::disparicmd, "disparicmd", K::GraphicButton, 5760, 1560, 1215, 1215, "",
     font(sansFace, 24, bold), sys, cyan, F::Hidden, nullptr, P::Standard, A::None},
    {C::txtAnswer, "txtAnswer", K::TextBox, 5520, 1680, 2775, 1200, "",
     font(arialFace, 48, bold), sys, cyan, F::Hidden | F::Disabled,
     QT_TRANSLATE_NOOP("Tavola", "Inserisci il risultato e  premi il tasto  Invio"),
     P::Standard, A::None},
    {C::Label6, "Label6", K::Label, 2520, 0, 2895, 495,
     QT_TRANSLATE_NOOP("Tavola", "Punti complessivi"),
     font(sansFace, 18), green, lightGrey, frameLabel, nullptr, P::Window, A::None},
    {C::lblMessage, "lblMessage", K::Label, 1560, 3720, 6615, 615, "",
     font(sansFace, 24, bold, italic), red, cyan, F::Hidden | F::Centred | F::Transparent, nullptr,
     P::Window, A::None},
    {C::lblScore, "lblScore", K::Label, 3240, 600, 1215, 975, "",
     font(timesFace, 36, bold), sys, yellow, F::Border | F::Centred | F::Transparent,
     QT_TRANSLATE_NOOP("Tavola", "Questo è il tuo punteggio. Forza con il  record"),
     P::Window, A::None},
    {C::Punteggio, "Punteggio", K::Label, 3600, 720, 495, 615, "0",
     font(sansFace, 24), sys, sys, F::Centred | F::AutoSize | F::Transparent,
     nullptr, P::Window, A::None},
    {C::lblpunti, "lblpunti", K::Label, 8400, 7800, 270, 555, "0",
     font(sansFace, 24), purple, sys, F::AutoSize | F::Transparent, nullptr, P::Window, A::None},
    {C::Label13, "Label13", K::Label, 6720, 7920, 1455, 435,
     QT_TRANSLATE_NOOP("Tavola", "con punti"),
     font(sansFace, 18), purple, sys, F::AutoSize | F::Transparent, nullptr, P::Window, A::None},
    {C::lblnome, "lblnome", K::Label, 2640, 7920, 990, 435, QT_TRANSLATE_NOOP("Tavola", "nome"),
     font(sansFace, 18, bold), blue, sys, F::AutoSize | F::Transparent,
     nullptr, P::Window, A::None},
    {C::Label12, "Label12", K::Label, 120, 7920, 2295, 375,
     QT_TRANSLATE_NOOP("Tavola", "Il record  è di "),
     font(sansFace, 18), purple, sys, F::Transparent, nullptr, P::Window, A::None},
    {C::lblnome1, "lblnome1", K::Label, 1920, 4560, 120, 435, "",
     font(sansFace, 18, bold), darkGreen, sys, F::AutoSize | F::Transparent, nullptr, P::Window,
     A::None},
    {C::Label14, "Label14", K::Label, 135, 4560, 1395, 495, QT_TRANSLATE_NOOP("Tavola", "Sfidante"),
     font(sansFace, 18), darkGreen, sys, frameLabel, nullptr, P::Window, A::None},
    {C::Label5, "Label5", K::Label, 960, 7680, 6615, 615, "",
     font(sansFace, 24, bold, italic), red, cyan, F::Hidden | F::Centred | F::Transparent, nullptr,
     P::Window, A::None},
    {C::lblconto, "lblconto", K::Label, 120, 2400, 1575, 495, "00.00.00",
     font(blackFace, 12, bold), yellow, sys, F::Border | F::Transparent,
     nullptr, P::Window, A::None},
    {C::Label11, "Label11", K::Label, 120, 1920, 1575, 375,
     QT_TRANSLATE_NOOP("Tavola", "Tempo restante"),
     font(sansFace, 9.75), yellow, sys, F::Transparent, nullptr, P::Window, A::None},
    {C::Label3, "Label3", K::Label, 5640, 3840, 2340, 495,
     QT_TRANSLATE_NOOP("Tavola", "Risposte totali"),
     font(sansFace, 18), blue, sys, F::Hidden | F::Border | F::AutoSize | F::Transparent,
     nullptr, P::Window, A::None},
    {C::Label1, "Label1", K::Label, 5760, 3120, 2520, 495,
     QT_TRANSLATE_NOOP("Tavola", "Risposte errate"),
     font(sansFace, 18), red, sys, F::Hidden | F::Border | F::AutoSize | F::Transparent,
     nullptr, P::Window, A::None},
    {C::lblScore2, "lblScore2", K::Label, 7560, 2880, 555, 885, "0",
     font(timesFace, 36, bold), blue, sys, F::Hidden | frameLabel, nullptr, P::Window, A::None},
    {C::lblScore1, "lblScore1", K::Label, 6960, 3600, 540, 885, "0",
     font(timesFace, 36, bold), red, sys, F::Hidden | frameLabel, nullptr, P::Window, A::None},
    {C::lblTime, "lblTime", K::Label, 8400, 1800, 90, 300, "",
     font(sansFace, 12, bold), sys, sys, F::Hidden | F::AutoSize,
     QT_TRANSLATE_NOOP("Tavola", "Clicca sotto di me per attivare il Timer"), P::Window, A::None},
    {C::lblNum2, "lblNum2", K::Label, 7080, 2040, 345, 1185, "",
     font(arialFace, 48, bold), sys, cyan,
     F::Hidden | F::Disabled | F::Border | F::Centred | F::AutoSize,
     nullptr, P::Window, A::None},
    {C::Label4, "Label4", K::Label, 7320, 2040, 615, 975, "=",
     font(arialFace, 48, bold), sys, lightCyan, F::Hidden | F::Disabled | F::Centred,
     nullptr, P::Window, A::None},
    {C::Label2, "Label2", K::Label, 7320, 1800, 615, 975, "X",
     font(arialFace, 48), sys, lightCyan, F::Hidden | F::Disabled | F::Centred, nullptr, P::Window,
     A::None},
    {C::lblNum1, "lblNum1", K::Label, 6840, 1680, 345, 1185, "",
     font(arialFace, 48, bold), sys, cyan,
     F::Hidden | F::Disabled | F::Border | F::Centred | F::AutoSize,
     nullptr, P::Window, A::None},
    // clang-format on
}};

constexpr bool inControlOrder()
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].control != static_cast<Control>(i))
            return false;
    }
    return true;
}
static_assert(inControlOrder(), "the layout rows must follow the order of Control");

using M = MenuItem;

// The credits carry no behaviour; they name no real person or place.
const std::array<MenuRow, 7> menus{{
    {M::INFOMAZIONI, "INFOMAZIONI", "www.example.org/zarvento", std::nullopt},
    {M::citta, "citta", "Città di Esempio", M::INFOMAZIONI},
    {M::copy, "copy", QT_TRANSLATE_NOOP("Tavola", "Zarvento - gli autori"), std::nullopt},
    {M::via, "via", "Via dell'Esempio 1, Città di Esempio - zarvento@example.org", M::copy},
    {M::Next, "Next", QT_TRANSLATE_NOOP("Tavola", "Nuovo gioco"), std::nullopt},
    {M::h, "h", QT_TRANSLATE_NOOP("Tavola", "Help"), std::nullopt},
    {M::Ciao, "Ciao",
     QT_TRANSLATE_NOOP("Tavola", "Ciao campione, mi raccomando Zarvento. Ogni numero dispari "
                                 "colpito ti farà perdere 4 punti."),
     M::h},
}};

} // namespace

const std::array<ControlRow, controlCount> &layoutTable()
{
    return rows;
}

const std::array<MenuRow, 7> &menuTable()
{
    return menus;
}

QPoint designedPlace(const QRect &room, const QSize &window)
{
    // The window manager's title bar, above the window.
    constexpr int titleBarRoom = 24;
    const int left = std::min(pixels(designLeftTwips), room.right() + 1 - window.width());
    const int top =
        std::min(pixels(designTopTwips), room.bottom() + 1 - window.height() - titleBarRoom);
    return {std::max(left, room.left()), std::max(top, room.top())};
}

} // namespace zarvento
