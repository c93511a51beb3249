// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace staverly {

enum class Clef { Treble, Bass };

} // namespace staverly
