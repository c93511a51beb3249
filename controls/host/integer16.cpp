// SPDX-License-Identifier: GPL-3.0-or-later
#include "integer16.h"

#include "overflowerror.h"
#include "typemismatcherror.h"

#include <QByteArray>
#include <cmath>

namespace staverly::host {

qint16 toInteger16(double number)
{
    if (std::isnan(number))
        throw TypeMismatchError("Type mismatch");
    // Under the default rounding mode nearbyint rounds halves to even.
    const double rounded = std::nearbyint(number);
    if (rounded < -32768.0 || rounded > 32767.0)
        throw OverflowError("Overflow: " + QByteArray::number(number, 'g', 10).toStdString()
                            + " does not fit a 16-bit integer");
    return qint16(rounded);
}

bool toNumber(const QVariant &value, double *number)
{
    bool ok = false;
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        // Switches are -1 for true.
        *number = value.toBool() ? -1.0 : 0.0;
        return true;
    case QMetaType::QString:
        *number = value.toString().trimmed().toDouble(&ok);
        return ok;
    default:
        if (!value.canConvert<double>())
            return false;
        *number = value.toDouble(&ok);
        return ok;
    }
}

qint16 toInteger16(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return 0;
    double number = 0.0;
    if (!toNumber(value, &number))
        throw TypeMismatchError("Type mismatch: not a number");
    return toInteger16(number);
}

} // namespace staverly::host
