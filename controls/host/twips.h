// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace staverly::host {

// The one conversion for the main window, its forms and the controls: a
// logical pixel is 15 twips whatever the screen's dpi. Qt maps logical
// pixels to the screen by its device pixel ratio.
inline constexpr int TwipsPerPixel = 15;

// The nearest whole pixel, halves to even.
int pixelsFromTwips(double twips);
double twipsFromPixels(double pixels);

} // namespace staverly::host
