// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <cmath>

namespace staverly::host {

int pixelsFromTwips(double twips)
{
    return int(std::lrint(twips / TwipsPerPixel));
}

double twipsFromPixels(double pixels)
{
    return pixels * TwipsPerPixel;
}

} // namespace staverly::host
