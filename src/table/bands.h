// The colours of the 256 background bands a question paints.
#pragma once

#include "table/form.h"

namespace zarvento {

constexpr int bandCount = 256;

// Red 20 x first factor, green 20 x second factor, blue the band's index (top 0, bottom 255).
constexpr Colour bandColour(int band, int firstFactor, int secondFactor)
{
    return static_cast<Colour>(band) * 65536u + static_cast<Colour>(20 * secondFactor) * 256u +
           static_cast<Colour>(20 * firstFactor);
}

} // namespace zarvento
