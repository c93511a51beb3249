#include "jackinput.h"
#include "nullinput.h"
#include "privatejackserver.h"
#include "privatepulseserver.h"
#include "pulseinput.h"
#include "soundcheck.h"
#include "waitfor.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <cmath>
#include <mutex>
#include <numbers>

using namespace staverly;

namespace {

bool installed(const char *program)
{
    return !QStandardPaths::findExecutable(QLatin1String(program)).isEmpty();
}

// pulseaudio itself, pactl to make a room, pacat to play into it.
#define REQUIRE_PULSE_PROGRAMS()                                                                   \
    do {                                                                                           \
        for (const char *program : {"pulseaudio", "pactl", "pacat"}) {                             \
            if (installed(program))                                                                \
                continue;                                                                          \
            if (qgetenv("CI") == "true")                                                           \
                FAIL() << "not installed: " << program;                                            \
            GTEST_SKIP() << "not installed: " << program;                                          \
        }                                                                                          \
    } while (false)

QString pactl(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("pactl"), arguments);
    p.waitForFinished(10000);
    EXPECT_EQ(p.exitCode(), 0) << arguments.join(' ').toStdString() << ": "
                               << p.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// A null sink whose monitor stands for a microphone in a room; returns its
// module, to unload.
QString loadRoom(int rate = 48000, int channels = 2)
{
    return pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                  QStringLiteral("sink_name=room"), QStringLiteral("rate=%1").arg(rate),
                  QStringLiteral("channels=%1").arg(channels)});
}

constexpr double A4 = 440.0;

// Of a clean sine, from its rising zero crossings: an autocorrelation may
// take a lag of several periods, an octave or two off.
double frequency(const std::vector<double> &samples, int rate)
{
    double first = -1, last = -1;
    int periods = -1;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            last = double(i - 1) + samples[i - 1] / (samples[i - 1] - samples[i]);
            if (first < 0)
                first = last;
            ++periods;
        }
    }
    return periods > 0 ? rate * periods / (last - first) : 0.0;
}

// An A played into the room for long enough, on the left only of two
// channels: a mixdown halves it, taking the left would not.
class Tone
{
public:
    Tone(int rate, int channels, float amplitude)
    {
        QByteArray data;
        for (int i = 0; i < rate * 20; ++i) {
            const float s = amplitude * float(std::sin(2 * std::numbers::pi * A4 * i / rate));
            for (int c = 0; c < channels; ++c) {
                const float v = c == 0 ? s : 0.0f;
                data.append(reinterpret_cast<const char *>(&v), sizeof v);
            }
        }
        m_player.start(QStringLiteral("pacat"),
                       {QStringLiteral("--playback"), QStringLiteral("--raw"), QStringLiteral("-d"),
                        QStringLiteral("room"), QStringLiteral("--format=float32le"),
                        QStringLiteral("--rate=%1").arg(rate), QStringLiteral("--channels=%1").arg(channels)});
        m_player.waitForStarted();
        m_player.write(data);
        m_player.closeWriteChannel();
    }
    ~Tone()
    {
        m_player.kill();
        m_player.waitForFinished();
    }

private:
    QProcess m_player;
};

// What the capture delivered: the last second, and the shape of the blocks.
struct Heard
{
    std::mutex mutex;
    std::vector<double> samples;
    std::size_t blocks = 0;
    std::size_t largest = 0;
    int rate = 0;

    AudioCapture::Block block()
    {
        return [this](const float *s, std::size_t frames, int sampleRate) {
            std::lock_guard lock(mutex);
            samples.insert(samples.end(), s, s + frames);
            if (samples.size() > 48000)
                samples.erase(samples.begin(), samples.end() - 48000);
            ++blocks;
            largest = std::max(largest, frames);
            rate = sampleRate;
        };
    }
    void reset()
    {
        std::lock_guard lock(mutex);
        samples.clear();
        blocks = 0;
    }
    std::vector<double> last(std::size_t n)
    {
        std::lock_guard lock(mutex);
        return {samples.end() - std::ptrdiff_t(std::min(n, samples.size())), samples.end()};
    }
    bool loud() { return test::rms(last(4096)) > 0.05; }
    std::size_t count()
    {
        std::lock_guard lock(mutex);
        return blocks;
    }
};

struct Format
{
    int rate;
    int channels;
    double rms; // of a sine of amplitude 0.5 on the left channel
};

class PulseInputFormat : public ::testing::TestWithParam<Format>
{
};

} // namespace

TEST_P(PulseInputFormat, ComesOutMonoAtTheSourcesRate)
{
    REQUIRE_PULSE_PROGRAMS();
    const Format format = GetParam();
    PrivatePulseServer server;
    ASSERT_TRUE(server.start()) << server.log().toStdString();
    loadRoom(format.rate, format.channels);
    Heard heard;
    PulseInput input;
    ASSERT_TRUE(input.start(QStringLiteral("room.monitor"), heard.block())) << input.problem().toStdString();
    EXPECT_EQ(input.sampleRate(), format.rate);
    Tone tone(format.rate, format.channels, 0.5f);
    ASSERT_TRUE(waitFor([&] { return heard.loud(); }, 10000));
    // Past the tone's onset.
    heard.reset();
    ASSERT_TRUE(waitFor([&] { return heard.count() * AudioCapture::BlockFrames >= 8192; }, 10000));
    const auto samples = heard.last(8192);
    EXPECT_NEAR(frequency(samples, heard.rate), A4, 2.0);
    EXPECT_NEAR(test::rms(samples), format.rms, 0.03);
    EXPECT_EQ(heard.rate, format.rate);
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
// each time taken again by its name, with one notice while it is away.
TEST(PulseInput, SourceThatComesAndGoesIsTakenAgainByName)
{
    REQUIRE_PULSE_PROGRAMS();
    PrivatePulseServer server;
    ASSERT_TRUE(server.start()) << server.log().toStdString();
    Heard heard;
    PulseInput input;
    ASSERT_TRUE(input.start(QStringLiteral("room.monitor"), heard.block()));
    EXPECT_FALSE(input.problem().isEmpty());

    const auto listed = [&] {
        const auto all = input.sources();
        return std::any_of(all.begin(), all.end(), [](const auto &s) {
            return s.name == QLatin1String("room.monitor") && !s.description.isEmpty();
        });
    };
    // One notice each time it goes, taken back each time it returns.
    int changes = 1;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        EXPECT_EQ(input.problemChanges(), changes);
        const QString module = loadRoom();
        Tone tone(48000, 2, 0.5f);
        ASSERT_TRUE(waitFor([&] { return heard.loud(); }, 10000)) << input.problem().toStdString();
        EXPECT_TRUE(input.problem().isEmpty()) << input.problem().toStdString();
        EXPECT_EQ(input.problemChanges(), ++changes);
        EXPECT_TRUE(listed());

        pactl({QStringLiteral("unload-module"), module});
        EXPECT_TRUE(waitFor([&] { return !input.problem().isEmpty(); }));
        EXPECT_TRUE(input.problem().contains(QLatin1String("back"))) << input.problem().toStdString();
        ++changes;
        EXPECT_TRUE(waitFor([&] { return !listed(); }));
        heard.reset();
    }
    EXPECT_EQ(input.problemChanges(), changes);
    EXPECT_EQ(heard.count(), 0u);
}

// A quiet room is no fault: the blocks keep coming.
TEST(PulseInput, SilenceIsNotAProblem)
{
    REQUIRE_PULSE_PROGRAMS();
    PrivatePulseServer server;
    ASSERT_TRUE(server.start()) << server.log().toStdString();
    loadRoom();
    Heard heard;
    PulseInput input;
    ASSERT_TRUE(input.start(QStringLiteral("room.monitor"), heard.block()));
    ASSERT_TRUE(waitFor([&] { return heard.count() > 50; }, 10000));
    EXPECT_LT(test::rms(heard.last(48000)), 1e-4);
    EXPECT_TRUE(input.problem().isEmpty()) << input.problem().toStdString();
    EXPECT_EQ(input.problemChanges(), 0);
}

// The sound server is restarted under the lesson.
TEST(PulseInput, ServerThatComesBackIsHeardAgain)
{
    REQUIRE_PULSE_PROGRAMS();
    PrivatePulseServer server;
    ASSERT_TRUE(server.start()) << server.log().toStdString();
    loadRoom();
    Heard heard;
    PulseInput input;
    ASSERT_TRUE(input.start(QStringLiteral("room.monitor"), heard.block()));
    server.kill();
    EXPECT_TRUE(waitFor([&] { return input.problem().contains(QLatin1String("sound server")); }));
    ASSERT_TRUE(server.start()) << server.log().toStdString();
    loadRoom();
    Tone tone(48000, 2, 0.5f);
    EXPECT_TRUE(waitFor([&] { return heard.loud(); }, 10000)) << input.problem().toStdString();
    EXPECT_TRUE(input.problem().isEmpty()) << input.problem().toStdString();
}

// Nothing to listen through: start() says why and nothing is called.
TEST(AudioCaptureWithoutServer, FailsWithAClearProblem)
{
    REQUIRE_PULSE_PROGRAMS();
    PrivatePulseServer silent; // never started: its address answers nothing
    const std::vector<std::pair<std::string, std::function<std::unique_ptr<AudioCapture>()>>> captures{
        {"null", [] { return std::make_unique<NullInput>(); }},
        {"pulse", [] { return std::make_unique<PulseInput>(); }},
    };
    for (const auto &[name, make] : captures) {
        SCOPED_TRACE(name);
        auto capture = make();
        bool called = false;
        EXPECT_FALSE(capture->start({}, [&](const float *, std::size_t, int) { called = true; }));
        EXPECT_TRUE(capture->problem().contains(QLatin1String("sound server"))) << capture->problem().toStdString();
        EXPECT_TRUE(capture->sources().empty());
        capture->stop();
        EXPECT_FALSE(called);
    }
}

// The engine's driver decides; playing through ALSA, a PulseAudio server
// that answers still hears the microphone.
TEST(AudioCaptureForDriver, FollowsTheEnginesDriver)
{
    REQUIRE_PULSE_PROGRAMS();
    PrivatePulseServer pulse;
    PrivateJackServer jack; // never started: no JACK server answers
    const auto kind = [](const QString &driver) -> std::string {
        const auto capture = AudioCapture::forDriver(driver);
        if (dynamic_cast<PulseInput *>(capture.get()))
            return "pulse";
        if (dynamic_cast<JackInput *>(capture.get()))
            return "jack";
        return dynamic_cast<NullInput *>(capture.get()) ? "null" : "?";
    };
    EXPECT_EQ(kind(QStringLiteral("pulseaudio")), "pulse");
    EXPECT_EQ(kind(QStringLiteral("jack")), "jack");
    EXPECT_EQ(kind(QStringLiteral("alsa")), "null");
    ASSERT_TRUE(pulse.start()) << pulse.log().toStdString();
    EXPECT_EQ(kind(QStringLiteral("alsa")), "pulse");
    EXPECT_EQ(kind(QString()), "pulse");
}
