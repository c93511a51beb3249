// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard.h"
#include "jackinput.h"
#include "nullinput.h"
#include "privatejackserver.h"
#include "privatepulseserver.h"
#include "pulseinput.h"
#include "waitfor.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <numbers>

using namespace staverly;

namespace {

constexpr double A4 = 440.0;
const QString Microphone = QStringLiteral("room.monitor");

// A PulseAudio server of the test's own; a null sink "room" loaded into it
// stands for the room, its monitor for the microphone.
class Room : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *program : {"pulseaudio", "pactl", "pacat"}) {
            if (!QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
                continue;
            if (qgetenv("CI") == "true")
                FAIL() << "not installed: " << program;
            GTEST_SKIP() << "not installed: " << program;
        }
        ASSERT_TRUE(server.start()) << server.log().toStdString();
    }

    static QString pactl(const QStringList &arguments)
    {
        QProcess p;
        p.start(QStringLiteral("pactl"), arguments);
        p.waitForFinished(10000);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }
    // Returns its module, to unload.
    static QString load(int rate = 48000, int channels = 2)
    {
        return pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                      QStringLiteral("sink_name=room"), QStringLiteral("rate=%1").arg(rate),
                      QStringLiteral("channels=%1").arg(channels)});
    }
    // An A of amplitude 0.5 on the first channel only: a mixdown of two
    // channels halves it, taking the left would not.
    void play(int rate = 48000, int channels = 2)
    {
        QByteArray data;
        for (int i = 0; i < rate * 20; ++i) {
            const float s = 0.5f * float(std::sin(2 * std::numbers::pi * A4 * i / rate));
            data.append(reinterpret_cast<const char *>(&s), sizeof s);
            data.append(QByteArray(int(sizeof s) * (channels - 1), '\0'));
        }
        player.start(QStringLiteral("pacat"), {QStringLiteral("-p"), QStringLiteral("--raw"), QStringLiteral("-d"),
                                               QStringLiteral("room"), QStringLiteral("--format=float32le"),
                                               QStringLiteral("--rate=%1").arg(rate),
                                               QStringLiteral("--channels=%1").arg(channels)});
        player.write(data);
        player.closeWriteChannel();
    }
    // Waits for the tone, then for 8192 frames past its onset.
    bool hearTone()
    {
        if (!waitFor([&] { return heard.rms(4096) > 0.05; }, 10000))
            return false;
        heard.reset();
        return waitFor([&] { return heard.count() >= 8192; }, 10000);
    }

    PrivatePulseServer server;
    QProcess player;
    test::Heard heard;
    PulseInput input;
};

struct Format
{
    int rate;
    int channels;
    double rms;
};

class PulseInputFormat : public Room, public ::testing::WithParamInterface<Format>
{
};

} // namespace

// The detector is tuned at 44.1 kHz, so a 48 kHz source is resampled to it.
TEST_P(PulseInputFormat, ComesOutMonoAt44100WhateverTheSourcesRate)
{
    const Format format = GetParam();
    load(format.rate, format.channels);
    ASSERT_TRUE(input.start(Microphone, heard.block())) << input.problem().toStdString();
    EXPECT_EQ(input.sampleRate(), 44100);
    play(format.rate, format.channels);
    ASSERT_TRUE(hearTone());
    EXPECT_EQ(heard.rate, 44100);
    EXPECT_NEAR(heard.frequency(), A4, 2.0);
    EXPECT_NEAR(heard.rms(), format.rms, 0.03);
    EXPECT_LE(heard.largest, AudioCapture::BlockFrames);
    EXPECT_TRUE(input.problem().isEmpty()) << input.problem().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sources, PulseInputFormat,
                         ::testing::Values(Format{44100, 1, 0.354}, Format{48000, 1, 0.354},
                                           Format{48000, 2, 0.177}, Format{44100, 2, 0.177}),
                         [](const auto &info) {
                             return std::to_string(info.param.rate) + "Hz_" + std::to_string(info.param.channels)
                                 + "ch";
                         });

// Unplugged before the lesson, plugged in, pulled out and plugged in again:
// taken again by its name each time, with one notice while it is away.
TEST_F(Room, SourceThatComesAndGoesIsTakenAgainByName)
{
    ASSERT_TRUE(input.start(Microphone, heard.block()));
    EXPECT_FALSE(input.problem().isEmpty());
    const auto listed = [&] {
        const auto all = input.sources();
        return std::any_of(all.begin(), all.end(),
                           [](const auto &s) { return s.name == Microphone && !s.description.isEmpty(); });
    };
    int changes = 1;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        EXPECT_EQ(input.problemChanges(), changes);
        const QString module = load();
        play();
        ASSERT_TRUE(hearTone()) << input.problem().toStdString();
        EXPECT_TRUE(input.problem().isEmpty()) << input.problem().toStdString();
        EXPECT_EQ(input.problemChanges(), ++changes);
        EXPECT_TRUE(listed());
        player.kill();
        player.waitForFinished();

        pactl({QStringLiteral("unload-module"), module});
        EXPECT_TRUE(waitFor([&] { return input.problem().contains(QLatin1String("back")); }));
        ++changes;
        EXPECT_TRUE(waitFor([&] { return !listed(); }));
        heard.reset();
    }
    EXPECT_EQ(input.problemChanges(), changes);
    EXPECT_EQ(heard.count(), 0u);
}

// A quiet room is no fault: the blocks keep coming.
TEST_F(Room, SilenceIsNotAProblem)
{
    load();
    ASSERT_TRUE(input.start(Microphone, heard.block()));
    ASSERT_TRUE(waitFor([&] { return heard.count() > 48000; }, 10000));
    EXPECT_LT(heard.rms(48000), 1e-4);
    EXPECT_EQ(input.problemChanges(), 0);
}

// The sound server is restarted under the lesson.
TEST_F(Room, ServerThatComesBackIsHeardAgain)
{
    load();
    ASSERT_TRUE(input.start(Microphone, heard.block()));
    server.kill();
    EXPECT_TRUE(waitFor([&] { return input.problem().contains(QLatin1String("sound server")); }));
    ASSERT_TRUE(server.start()) << server.log().toStdString();
    load();
    play();
    EXPECT_TRUE(hearTone()) << input.problem().toStdString();
    EXPECT_TRUE(input.problem().isEmpty()) << input.problem().toStdString();
}

// Nothing to listen through: start() says why and nothing is called.
TEST_F(Room, WithoutAServerStartFailsWithAClearProblem)
{
    server.kill();
    NullInput none;
    for (AudioCapture *capture : std::initializer_list<AudioCapture *>{&none, &input}) {
        EXPECT_FALSE(capture->start({}, heard.block()));
        EXPECT_TRUE(capture->problem().contains(QLatin1String("sound server"))) << capture->problem().toStdString();
        EXPECT_TRUE(capture->sources().empty());
        capture->stop();
    }
    EXPECT_EQ(heard.count(), 0u);
}

// The engine's driver decides; playing through ALSA, a PulseAudio server
// that answers still hears the microphone.
TEST_F(Room, CaptureFollowsTheEnginesDriver)
{
    PrivateJackServer jack; // never started: no JACK server answers
    const auto kind = [](const QString &driver) -> std::string {
        const auto capture = AudioCapture::forDriver(driver);
        if (dynamic_cast<PulseInput *>(capture.get()))
            return "pulse";
        return dynamic_cast<JackInput *>(capture.get()) ? "jack" : "null";
    };
    EXPECT_EQ(kind(QStringLiteral("jack")), "jack");
    EXPECT_EQ(kind(QStringLiteral("alsa")), "pulse");
    EXPECT_EQ(kind(QString()), "pulse");
    server.kill();
    EXPECT_EQ(kind(QStringLiteral("pulseaudio")), "pulse");
    EXPECT_EQ(kind(QStringLiteral("alsa")), "null");
}
