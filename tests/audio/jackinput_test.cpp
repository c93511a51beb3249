// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard.h"
#include "jackinput.h"
#include "jackserver.h"
#include "privatejackserver.h"
#include "waitfor.h"

#include <gtest/gtest.h>
#include <atomic>
#include <jack/jack.h>
#include <numbers>

using namespace staverly;

namespace {

constexpr double A4 = 440.0;

// A client of the test's own whose port "tone:out" plays an A: a microphone
// that can be unplugged and plugged in again.
class ToneClient
{
public:
    ToneClient()
        : m_client(jack_client_open("tone", JackNoStartServer, nullptr))
    {
        if (!m_client)
            return;
        m_rate = int(jack_get_sample_rate(m_client));
        jack_set_process_callback(m_client, process, this);
        jack_activate(m_client);
        plug();
    }
    ~ToneClient()
    {
        if (m_client)
            jack_client_close(m_client);
    }
    bool isOpen() const { return m_client != nullptr; }
    void plug() { m_port = jack_port_register(m_client, "out", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0); }
    void unplug()
    {
        jack_port_t *port = m_port.exchange(nullptr);
        JackServer::waitCycles(2, 2000);
        jack_port_unregister(m_client, port);
    }

private:
    static int process(jack_nframes_t frames, void *data)
    {
        auto *self = static_cast<ToneClient *>(data);
        if (jack_port_t *port = self->m_port.load()) {
            auto *out = static_cast<float *>(jack_port_get_buffer(port, frames));
            for (jack_nframes_t i = 0; i < frames; ++i, ++self->m_frame)
                out[i] = 0.5f * float(std::sin(2 * std::numbers::pi * A4 * double(self->m_frame) / self->m_rate));
        }
        return 0;
    }

    jack_client_t *m_client;
    std::atomic<jack_port_t *> m_port{nullptr};
    int m_rate = 0;
    std::int64_t m_frame = 0;
};

} // namespace

// On a server of the test's own at 44.1 kHz, beside the suite's.
TEST(JackInput, HearsThePortByNameAndTakesItAgainWhenItReturns)
{
    if (!PrivateJackServer::available())
        GTEST_SKIP() << "jackd is not installed (package jackd2)";
    PrivateJackServer server(44100);
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    test::Heard heard;
    JackInput input;
    const auto sources = input.sources();
    EXPECT_TRUE(std::any_of(sources.begin(), sources.end(),
                            [](const auto &s) { return s.name == QLatin1String("system:capture_1"); }));

    ToneClient tone;
    ASSERT_TRUE(tone.isOpen());
    ASSERT_TRUE(input.start(QStringLiteral("tone:out"), heard.block())) << input.problem().toStdString();
    EXPECT_EQ(input.sampleRate(), 44100);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        EXPECT_TRUE(input.problem().isEmpty()) << input.problem().toStdString();
        heard.reset();
        ASSERT_TRUE(waitFor([&] { return heard.count() >= 8192 && heard.rms() > 0.3; }, 10000));
        // Measured on the steady tone, not across the moment it was joined again.
        heard.reset();
        ASSERT_TRUE(waitFor([&] { return heard.count() >= 8192; }, 10000));
        EXPECT_NEAR(heard.frequency(), A4, 2.0);
        EXPECT_EQ(heard.rate, 44100);
        tone.unplug();
        EXPECT_TRUE(waitFor([&] { return !input.problem().isEmpty(); }));
        tone.plug();
        EXPECT_TRUE(waitFor([&] { return input.problem().isEmpty(); }));
    }
    EXPECT_EQ(input.problemChanges(), 4);
}

TEST(JackInput, WithoutAServerStartFailsWithAClearProblem)
{
    PrivateJackServer server; // never started: nothing answers to its name
    test::Heard heard;
    JackInput input;
    EXPECT_FALSE(input.start({}, heard.block()));
    EXPECT_TRUE(input.problem().contains(QLatin1String("JACK"))) << input.problem().toStdString();
    EXPECT_TRUE(input.sources().empty());
    EXPECT_EQ(heard.count(), 0u);
}
