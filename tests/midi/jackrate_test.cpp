// SPDX-License-Identifier: GPL-3.0-or-later
#include "audioengine.h"
#include "builtinsynth.h"
#include "synthloaded.h"
#include "testsoundfont.h"
#include "privatejackserver.h"
#include "soundcheck.h"

#include <gtest/gtest.h>

using namespace staverly;
using namespace std::chrono_literals;

namespace {

// A JACK server of the test's own at 44.1 kHz, beside the suite's 48 kHz one.
// Every JACK client of this process, FluidSynth's too, goes to it.
class JackAt44100 : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!PrivateJackServer::available())
            GTEST_SKIP() << "jackd is not installed (package jackd2)";
        ASSERT_TRUE(m_server.start()) << m_server.error().toStdString();
    }

private:
    PrivateJackServer m_server{44100};
};

} // namespace

TEST_F(JackAt44100, TheSynthesizerPlaysInTuneAtTheServersRate)
{
    AudioEngine engine;
    ASSERT_TRUE(engine.start({QStringLiteral("jack")})) << engine.error().toStdString();
    EXPECT_EQ(engine.sampleRate(), 44100);
    TestSoundFont font;
    BuiltinSynth synth(&engine);
    font.choose(synth).open();
    ASSERT_TRUE(waitUntilLoaded(synth, 10s));
    // From here the test alone renders.
    engine.stop();
    const std::uint8_t program[] = {0xC0, 0};
    const std::uint8_t note[] = {0x90, 60, 127};
    synth.send(program, sizeof program);
    synth.send(note, sizeof note);
    const auto held = rendered(synth, 44100);
    EXPECT_NEAR(test::fundamental(test::left(held), 44100), 261.63, 2.0);
}
