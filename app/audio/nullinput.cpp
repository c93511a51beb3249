#include "nullinput.h"

namespace staverly {

bool NullInput::start(const QString &, Block)
{
    m_problem = QStringLiteral("Staverly finds no sound server to hear a microphone through; "
                               "start PulseAudio or JACK, or answer on the keyboard.");
    return false;
}

} // namespace staverly
