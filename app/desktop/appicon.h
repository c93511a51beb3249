// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace staverly {

// The program's icon: a whole note on a staff over a few piano keys.
QIcon appIcon();

} // namespace staverly
