// SPDX-License-Identifier: GPL-3.0-or-later
#include "audioengine.h"
#include "builtinsynth.h"
#include "synthloaded.h"
#include "testsoundfont.h"
#include "effects.h"
#include "jackcapture.h"
#include "privatejackserver.h"
#include "privatepulseserver.h"
#include "pulsecapture.h"
#include "soundcheck.h"
#include "waitfor.h"
#include "wavefile.h"

#include <gtest/gtest.h>
#include <iostream>
#include <optional>

using namespace staverly;
using namespace std::chrono_literals;

namespace {

bool inCi()
{
    return qgetenv("CI") == "true";
}

// A server the test starts itself needs only its program: missing in CI is
// a failure, since scripts/setup installs it.
#define REQUIRE_PROGRAM(installed, package)                                                        \
    do {                                                                                           \
        if (!(installed)) {                                                                        \
            if (inCi())                                                                            \
                FAIL() << "not installed: " << package;                                            \
            GTEST_SKIP() << "not installed: " << package;                                          \
        }                                                                                          \
    } while (false)

void send(BuiltinSynth &synth, std::vector<std::uint8_t> bytes)
{
    synth.send(bytes.data(), bytes.size());
}

constexpr std::uint8_t Piano = 0;
// Sounds for as long as it is held.
constexpr std::uint8_t Organ = 19;

// Strikes A4 again and again until it is heard or the time is up; then lets
// it go.
bool playUntilHeard(BuiltinSynth &synth, const std::function<bool()> &heard,
                    std::uint8_t program = Organ, std::chrono::milliseconds timeout = 10s)
{
    send(synth, {0xC0, program});
    const auto end = std::chrono::steady_clock::now() + timeout;
    bool got = false;
    while (!got && std::chrono::steady_clock::now() < end) {
        send(synth, {0x90, 69, 100});
        got = waitFor(heard, 100);
    }
    send(synth, {0x80, 69, 64});
    return got;
}

// The pupil plays on while the server is away, and nothing is heard.
void playOnUnheard(BuiltinSynth &synth)
{
    for (int i = 0; i < 5; ++i) {
        send(synth, {0x90, 60, 100});
        waitFor([] { return false; }, 50);
        send(synth, {0x80, 60, 64});
    }
}

enum class Ending { Crash, Stop };

std::string endingName(const ::testing::TestParamInfo<Ending> &info)
{
    return info.param == Ending::Crash ? "Killed" : "Stopped";
}

constexpr float Heard = 0.05f;

} // namespace

// The program's synthesizer on a JACK server of the test's own.
class SoundOverJack : public ::testing::TestWithParam<Ending>
{
protected:
    void SetUp() override
    {
        REQUIRE_PROGRAM(PrivateJackServer::available(), "jackd2");
        server.emplace(48000, period);
        ASSERT_TRUE(server->start()) << server->log().toStdString();
        ASSERT_TRUE(engine.start({QStringLiteral("jack")})) << engine.error().toStdString();
        font.choose(synth).open();
        ASSERT_TRUE(waitUntilLoaded(synth, 10s));
    }

    bool heardOnTheServer()
    {
        JackCapture capture;
        return capture.isOpen() && playUntilHeard(synth, [&] {
                   capture.connect();
                   return capture.peak() > Heard;
               });
    }

    // Frames a period: the shortest a musician sets, where latency is measured.
    int period = 64;
    std::optional<PrivateJackServer> server;
    TestSoundFont font;
    AudioEngine engine;
    BuiltinSynth synth{&engine};
};

TEST_F(SoundOverJack, ANoteReachesTheOutputPortAndItsLatencyIsTold)
{
    EXPECT_TRUE(heardOnTheServer());
    EXPECT_EQ(synth.driverName(), "jack");
    // At least the server's period of 64 frames; the dummy driver adds its own.
    EXPECT_GE(synth.measuredLatencyMs(), 1000.0 * 64 / 48000);
    EXPECT_LT(synth.measuredLatencyMs(), 20.0);
    std::cout << "[ jack     ] measured latency " << synth.measuredLatencyMs() << " ms, asked "
              << engine.latencyMs() << " ms\n";
}

// Once the synthesizer has been silent for a while it is no longer
// rendered; the next note must start it again.
TEST_F(SoundOverJack, ANoteAfterALongSilenceIsHeard)
{
    ASSERT_TRUE(heardOnTheServer());
    waitFor([] { return false; }, 2500);
    EXPECT_TRUE(heardOnTheServer());
}

// On a starved machine a non-realtime server of 1.3 ms periods sometimes stops
// running its graph for good after a missed cycle (every later one is a
// "Process error"); the restart needs no short periods.
class JackRestart : public SoundOverJack
{
protected:
    JackRestart() { period = 1024; }
};

TEST_P(JackRestart, AfterTheServerRestartsTheSynthesizerSoundsAgain)
{
    ASSERT_TRUE(heardOnTheServer());
    EXPECT_TRUE(engine.problem().isEmpty());
    if (GetParam() == Ending::Crash)
        server->kill();
    else
        server->stop();
    playOnUnheard(synth);
    EXPECT_TRUE(waitFor([&] { return !engine.problem().isEmpty(); }))
        << "the output's loss is told";
    EXPECT_TRUE(engine.isRunning());
    ASSERT_TRUE(server->start()) << server->log().toStdString();
    EXPECT_TRUE(heardOnTheServer()) << "output '" << engine.driverName().toStdString() << "', "
                                    << engine.problem().toStdString() << "; server:\n"
                                    << server->log().toStdString();
    // The new output sounds a moment before the engine has taken it in.
    EXPECT_TRUE(waitFor([&] { return engine.problem().isEmpty(); })) << engine.problem().toStdString();
    EXPECT_EQ(engine.driverName(), "jack");
}

INSTANTIATE_TEST_SUITE_P(, JackRestart, ::testing::Values(Ending::Crash, Ending::Stop), endingName);

// The suite's PulseAudio server: scripts/test starts one on a null sink.
class SoundOverPulse : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!PrivatePulseServer::answers()) {
            if (inCi())
                FAIL() << "No PulseAudio server answers; scripts/test starts one with scripts/pulse start.";
            GTEST_SKIP() << "No PulseAudio server answers; start one with scripts/pulse start.";
        }
        ASSERT_TRUE(engine.start({QStringLiteral("pulseaudio")})) << engine.error().toStdString();
        font.choose(synth).open();
        ASSERT_TRUE(waitUntilLoaded(synth, 10s));
    }

    TestSoundFont font;
    AudioEngine engine;
    BuiltinSynth synth{&engine};
};

TEST_F(SoundOverPulse, ANoteReachesTheSinkAtItsPitch)
{
    PulseCapture capture;
    ASSERT_TRUE(capture.isOpen());
    // Other tests may play on the same sink: the note is told by its pitch
    // (the piano's, since the organ's lowest rank sounds an octave down).
    double pitch = 0;
    EXPECT_TRUE(playUntilHeard(
        synth,
        [&] {
            const auto recent = capture.recent();
            if (capture.peak() <= Heard || recent.size() < 4800)
                return false;
            pitch = test::fundamental(recent, 48000);
            return std::abs(pitch - 440.0) < 5.0;
        },
        Piano))
        << "peak " << capture.peak() << ", pitch " << pitch << " Hz";
    EXPECT_EQ(synth.driverName(), "pulseaudio");
    EXPECT_GT(synth.measuredLatencyMs(), 1.0);
    EXPECT_LT(synth.measuredLatencyMs(), 100.0);
    std::cout << "[ pulse    ] measured latency " << synth.measuredLatencyMs() << " ms, asked "
              << engine.latencyMs() << " ms\n";
}

// A PulseAudio server of the test's own, to end and start again.
class PulseRestart : public ::testing::TestWithParam<Ending>
{
protected:
    void SetUp() override
    {
        REQUIRE_PROGRAM(PrivatePulseServer::installed(), "pulseaudio");
        server.emplace();
        ASSERT_TRUE(server->start()) << server->log().toStdString();
        ASSERT_TRUE(engine.start({QStringLiteral("pulseaudio")})) << engine.error().toStdString();
        font.choose(synth).open();
        ASSERT_TRUE(waitUntilLoaded(synth, 10s));
    }

    bool heardOnTheServer()
    {
        PulseCapture capture;
        return capture.isOpen() && playUntilHeard(synth, [&] { return capture.peak() > Heard; });
    }

    std::optional<PrivatePulseServer> server;
    TestSoundFont font;
    AudioEngine engine{300ms};
    BuiltinSynth synth{&engine};
};

TEST_P(PulseRestart, AfterTheServerRestartsTheSynthesizerSoundsAgain)
{
    ASSERT_TRUE(heardOnTheServer());
    if (GetParam() == Ending::Crash)
        server->kill();
    else
        server->stop();
    playOnUnheard(synth);
    EXPECT_TRUE(waitFor([&] { return !engine.problem().isEmpty(); }))
        << "the output's loss is told";
    ASSERT_TRUE(server->start()) << server->log().toStdString();
    // Listening only once the program plays again: a null sink that is
    // recorded before anything plays on it holds the first stream back.
    EXPECT_TRUE(waitFor([&] { return engine.problem().isEmpty(); }, 10000));
    EXPECT_TRUE(heardOnTheServer());
}

// Neither the note cut off by the server's going, nor a wrong-answer sound
// asked for while it was away, is played late when it comes back.
TEST_F(PulseRestart, WhatWasPlayedWhileTheServerWasAwayIsNotHeardLater)
{
    ASSERT_TRUE(heardOnTheServer());
    server->kill();
    ASSERT_TRUE(waitFor([&] { return !engine.problem().isEmpty(); }));
    waitFor([] { return false; }, 500);
    engine.playClip(*WaveFile::parse(Effects::waveResource(101)));
    ASSERT_TRUE(server->start()) << server->log().toStdString();
    ASSERT_TRUE(waitFor([&] { return engine.problem().isEmpty(); }, 10000));
    PulseCapture capture;
    // The new stream has played once it tells its latency.
    ASSERT_TRUE(waitFor([&] { return engine.measuredLatencyMs() > 0; }, 10000));
    EXPECT_FALSE(waitFor([&] { return capture.peak() > Heard; }, 1500)) << "peak " << capture.peak();
}

// The stream is let go after a silence; the next note opens a new one, and
// a lesson sound does too.
TEST_F(PulseRestart, AfterTheOutputRestedNotesAndSoundsAreHeard)
{
    ASSERT_TRUE(heardOnTheServer());
    ASSERT_TRUE(waitFor([&] { return engine.isPaused(); }, 10000));
    EXPECT_TRUE(heardOnTheServer());
    ASSERT_TRUE(waitFor([&] { return engine.isPaused(); }, 10000));
    PulseCapture capture;
    engine.playClip(*WaveFile::parse(Effects::waveResource(101)));
    EXPECT_TRUE(waitFor([&] { return capture.peak() > Heard; }, 10000));
}

INSTANTIATE_TEST_SUITE_P(, PulseRestart, ::testing::Values(Ending::Crash, Ending::Stop), endingName);
