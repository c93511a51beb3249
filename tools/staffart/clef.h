#pragma once

namespace staverly {

enum class Clef { Treble, Bass };

} // namespace staverly
