// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariant>
#include <QtGlobal>

namespace staverly::host {

// Rounds to the nearest integer, halves to even (100.5 -> 100, 101.5 -> 102).
// Throws OverflowError outside -32768..32767.
qint16 toInteger16(double number);

// The same for a stored or late-bound value: numbers and numeric texts
// convert, an empty value is 0, anything else throws TypeMismatchError.
qint16 toInteger16(const QVariant &value);

// Any number a variant holds, as a double; false for anything else.
bool toNumber(const QVariant &value, double *number);

} // namespace staverly::host
