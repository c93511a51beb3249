// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace staverly {

class Desktop;
class Random;
class WipeSurface;

// Covers the picture block by block with its background colour. mode picks
// one of six patterns (0 rows down, 1 rows up, 2 columns right, 3 columns
// left, 4 dissolve, 5 square from the centre); steps is clamped to 5..100 and
// written back.
void wipe_picture(WipeSurface &picture, qint16 &mode, qint16 &steps, Desktop &desktop,
                  Random &random);

} // namespace staverly
