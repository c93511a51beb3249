#include "twips.h"

#include <QWidget>
#include <cmath>

namespace staverly::host {

double twipsPerPixel(double logicalDpi)
{
    return logicalDpi > 0.0 ? TwipsPerInch / logicalDpi : 15.0;
}

double twipsPerPixel(const QWidget *widget)
{
    return twipsPerPixel(double(widget->logicalDpiX()));
}

int pixelsFromTwips(double twips, double twipsPerPixel)
{
    return int(std::lrint(twips / twipsPerPixel));
}

double twipsFromPixels(double pixels, double twipsPerPixel)
{
    return pixels * twipsPerPixel;
}

} // namespace staverly::host
