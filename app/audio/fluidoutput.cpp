// SPDX-License-Identifier: GPL-3.0-or-later
#include "fluidoutput.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <mutex>

namespace staverly {

namespace {

thread_local QString lastFluidError;

void keepError(int level, const char *message, void *)
{
    if (level <= FLUID_ERR)
        lastFluidError = QString::fromLocal8Bit(message);
}

void alsaSilence(const char *, int, const char *, int, const char *, ...)
{
}

} // namespace

void FluidOutput::quietLogs()
{
    static std::once_flag once;
    std::call_once(once, [] {
        snd_lib_error_set_handler(alsaSilence);
        fluid_set_log_function(FLUID_PANIC, keepError, nullptr);
        fluid_set_log_function(FLUID_ERR, keepError, nullptr);
        fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
        fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
        fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    });
}

FluidOutput::FluidOutput(QString name, Render render)
    : m_name(std::move(name))
    , m_render(std::move(render))
{
}

std::unique_ptr<FluidOutput> FluidOutput::open(const QString &driver, Render render, QString &error)
{
    quietLogs();
    std::unique_ptr<FluidOutput> output(new FluidOutput(driver, std::move(render)));
    output->m_settings = new_fluid_settings();
    fluid_settings_setstr(output->m_settings, "audio.driver", driver.toLatin1().constData());
    fluid_settings_setnum(output->m_settings, "synth.sample-rate", Rate);
    fluid_settings_setint(output->m_settings, "audio.period-size", PeriodSize);
    fluid_settings_setint(output->m_settings, "audio.periods", Periods);
    lastFluidError.clear();
    output->m_driver = new_fluid_audio_driver2(output->m_settings, callback, output.get());
    if (!output->m_driver) {
        error = lastFluidError;
        return nullptr;
    }
    return output;
}

FluidOutput::~FluidOutput()
{
    if (m_driver)
        delete_fluid_audio_driver(m_driver);
    if (m_settings)
        delete_fluid_settings(m_settings);
}

int FluidOutput::callback(void *data, int len, int, float *[], int nout, float *out[])
{
    if (nout < 2)
        return FLUID_OK;
    static_cast<FluidOutput *>(data)->m_render(len, out[0], out[1]);
    return FLUID_OK;
}

} // namespace staverly
