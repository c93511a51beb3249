// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowzoom.h"

#include "settingkeys.h"
#include "settingsstore.h"

namespace staverly {

const QList<int> &WindowZoom::choices()
{
    static const QList<int> percents{100, 150, 200};
    return percents;
}

int WindowZoom::stored(const QString &application)
{
    const SettingsStore settings([application] { return application; });
    bool ok = false;
    const int percent = settings.read(keys::Zoom).trimmed().toInt(&ok);
    return ok && choices().contains(percent) ? percent : 100;
}

void WindowZoom::apply(int percent)
{
    if (percent == 100)
        return;
    bool ok = false;
    const double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    const double factor = (ok && desktop > 0 ? desktop : 1.0) * percent / 100.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}

bool WindowZoom::fits(int percent, int inForce, const QSize &size, const QSize &available)
{
    const double grow = double(percent) / inForce;
    return size.width() * grow <= available.width() && size.height() * grow <= available.height();
}

} // namespace staverly
