#pragma once

class QWidget;

namespace staverly::host {

inline constexpr double TwipsPerInch = 1440.0;

// 15 at 96 dpi.
double twipsPerPixel(double logicalDpi);
// For the screen the widget is on (its logical dpi).
double twipsPerPixel(const QWidget *widget);

// The nearest whole pixel, halves to even.
int pixelsFromTwips(double twips, double twipsPerPixel);
double twipsFromPixels(double pixels, double twipsPerPixel);

} // namespace staverly::host
