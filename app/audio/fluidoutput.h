// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiooutput.h"

#include <memory>

struct _fluid_audio_driver_t;
struct _fluid_hashtable_t;

namespace staverly {

// One of FluidSynth's own audio drivers (ALSA on a desktop without a sound
// server), asked for the tight buffering JACK users choose. The driver tells
// nothing of its stream, so the figure asked for is all that is known.
class FluidOutput final : public AudioOutput
{
public:
    static constexpr int Rate = 48000;
    static constexpr int PeriodSize = 64;
    static constexpr int Periods = 2;

    // Keeps FluidSynth's and ALSA's complaints off the console; the failure
    // reaches the user once, through the program. Idempotent.
    static void quietLogs();

    // Null with `error` when the driver does not start.
    static std::unique_ptr<FluidOutput> open(const QString &driver, Render render, QString &error);
    ~FluidOutput() override;
    FluidOutput(const FluidOutput &) = delete;
    FluidOutput &operator=(const FluidOutput &) = delete;

    QString driverName() const override { return m_name; }
    int sampleRate() const override { return Rate; }
    double requestedLatencyMs() const override { return 1000.0 * Periods * PeriodSize / Rate; }
    double measuredLatencyMs() const override { return requestedLatencyMs(); }

private:
    FluidOutput(QString name, Render render);
    static int callback(void *data, int len, int nfx, float *fx[], int nout, float *out[]);

    QString m_name;
    Render m_render;
    _fluid_hashtable_t *m_settings = nullptr;
    _fluid_audio_driver_t *m_driver = nullptr;
};

} // namespace staverly
