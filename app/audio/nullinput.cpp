// SPDX-License-Identifier: GPL-3.0-or-later
#include "nullinput.h"

#include <QCoreApplication>

namespace staverly {

bool NullInput::start(const QString &, Block)
{
    m_problem = QCoreApplication::translate("NullInput", "Staverly finds no sound server to hear a microphone through; "
                                                         "start PulseAudio or JACK, or answer on the keyboard.");
    return false;
}

} // namespace staverly
