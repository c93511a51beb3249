// SPDX-License-Identifier: GPL-3.0-or-later
#include "audiocapture.h"

#include "jackinput.h"
#include "jackserver.h"
#include "nullinput.h"
#include "pulseinput.h"

namespace staverly {

std::unique_ptr<AudioCapture> AudioCapture::forDriver(const QString &driverName)
{
    if (driverName == QLatin1String("pulseaudio"))
        return std::make_unique<PulseInput>();
    if (driverName == QLatin1String("jack"))
        return std::make_unique<JackInput>();
    // Playing through ALSA: a PulseAudio service may still hear the microphone.
    auto pulse = std::make_unique<PulseInput>();
    if (!pulse->sources().empty())
        return pulse;
    if (JackServer::running())
        return std::make_unique<JackInput>();
    return std::make_unique<NullInput>();
}

} // namespace staverly
