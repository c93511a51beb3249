#include "audioengine.h"
#include "builtinsynth.h"
#include "synthloaded.h"
#include "testsoundfont.h"
#include "effects.h"
#include "fakemidibackend.h"
#include "midierror.h"
#include "midioutput.h"
#include "soundcheck.h"
#include "wavefile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

using namespace staverly;
using namespace std::chrono_literals;
using test::left;
using test::rms;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int Rate = 48000;

void send(BuiltinSynth &synth, Bytes bytes)
{
    synth.send(bytes.data(), bytes.size());
}

double fundamental(const std::vector<double> &samples)
{
    return test::fundamental(samples, Rate);
}

BuiltinSynth &loaded(BuiltinSynth &synth)
{
    synth.open();
    EXPECT_TRUE(waitUntilLoaded(synth, 10s)) << synth.soundFontPath().toStdString();
    return synth;
}

} // namespace

TEST(MidiBuiltinSynth, FindsDebiansGeneralMidiSoundFont)
{
    const QString path = SoundFontSearch::standard().find();
    EXPECT_FALSE(path.isEmpty()) << "install timgm6mb-soundfont";
    EXPECT_TRUE(path.startsWith("/usr/share/sounds/sf")) << path.toStdString();
}

TEST(MidiBuiltinSynth, FallsBackToAnySoundFontInTheFolders)
{
    const QString real = testSoundFont().find();
    ASSERT_FALSE(real.isEmpty());
    QTemporaryDir dir;
    QFile::copy(real, dir.filePath("piano.sf2"));
    QFile bogus(dir.filePath("a-not-really.sf2"));
    ASSERT_TRUE(bogus.open(QIODevice::WriteOnly));
    bogus.write("not a SoundFont");
    bogus.close();
    const SoundFontSearch search{{dir.filePath("missing.sf2")}, {dir.path()}};
    EXPECT_EQ(search.find(), dir.filePath("piano.sf2"));
}

TEST(MidiBuiltinSynth, MiddleCSoundsAtItsPitchAndDiesAwayAfterTheNoteOff)
{
    BuiltinSynth synth(nullptr, testSoundFont());
    loaded(synth);
    send(synth, {0xC0, 0});
    send(synth, {0x90, 60, 127});
    const auto held = synth.renderOffline(Rate);
    send(synth, {0x90, 60, 0});
    const auto released = synth.renderOffline(Rate);

    const double level = rms(left(held));
    EXPECT_GT(level, 50.0) << "the dither floor is about 0.5";
    EXPECT_NEAR(fundamental(left(held)), 261.63, 2.0);
    const double tail = rms(left(released, Rate * 3 / 4));
    EXPECT_LT(tail, level / 20) << "held " << level << ", tail " << tail;
    std::cout << "[ synth    ] middle C: RMS " << level << " of 32767, pitch "
              << fundamental(left(held)) << " Hz, RMS " << tail << " 0.75 s after the note-off\n";
}

namespace {

// Stereo 16-bit PCM, for a person to listen to.
void writeWave(const QString &path, const std::vector<qint16> &stereo)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto bytes = quint32(stereo.size() * 2);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + bytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(2) << quint32(Rate) << quint32(Rate * 4)
        << quint16(4) << quint16(16);
    out.writeRawData("data", 4);
    out << bytes;
    for (qint16 sample : stereo)
        out << sample;
}

} // namespace

TEST(MidiBuiltinSynth, AQuestionsPhrasePlaysEachNoteInTurnAtItsPitch)
{
    BuiltinSynth synth(nullptr, testSoundFont());
    loaded(synth);
    send(synth, {0xC0, 0});
    // As the lesson plays a question: on at full volume, held 450 ms, off.
    const std::vector<std::pair<int, double>> phrase{{60, 261.63}, {64, 329.63}, {67, 392.0},
                                                     {72, 523.25}};
    std::vector<qint16> all;
    for (const auto &[note, hertz] : phrase) {
        send(synth, {0x90, std::uint8_t(note), 127});
        const auto held = synth.renderOffline(Rate * 450 / 1000);
        send(synth, {0x90, std::uint8_t(note), 0});
        const auto gap = synth.renderOffline(Rate * 50 / 1000);
        EXPECT_NEAR(fundamental(left(held, Rate / 10, Rate * 4 / 10)), hertz, hertz / 100)
            << "note " << note;
        all.insert(all.end(), held.begin(), held.end());
        all.insert(all.end(), gap.begin(), gap.end());
    }
    const auto tail = synth.renderOffline(Rate);
    all.insert(all.end(), tail.begin(), tail.end());
    EXPECT_LT(rms(left(tail, Rate * 3 / 4)), 5.0);
    // STAVERLY_KEEP_AUDIO=folder keeps the phrase as phrase.wav for listening.
    if (const QString folder = qEnvironmentVariable("STAVERLY_KEEP_AUDIO"); !folder.isEmpty())
        writeWave(QDir(folder).filePath(QStringLiteral("phrase.wav")), all);
}

TEST(MidiBuiltinSynth, TheChannelOfTheMessageIsHonoured)
{
    BuiltinSynth synth(nullptr, testSoundFont());
    loaded(synth);
    send(synth, {0xC5, 0});
    send(synth, {0x95, 69, 127});
    EXPECT_NEAR(fundamental(left(synth.renderOffline(Rate))), 440.0, 3.0);
    send(synth, {0x85, 69, 64});
    synth.renderOffline(Rate);
    EXPECT_LT(rms(left(synth.renderOffline(Rate / 4))), 5.0);
}

TEST(MidiBuiltinSynth, MessagesSentWhileLoadingAreKept)
{
    BuiltinSynth synth(nullptr, testSoundFont());
    const auto opened = std::chrono::steady_clock::now();
    synth.open();
    const bool early = synth.loadState() != BuiltinSynth::Load::Ready;
    send(synth, {0xC0, 0});
    send(synth, {0xB0, 7, 127});
    send(synth, {0x90, 60, 127});
    const std::chrono::duration<double, std::milli> sending = std::chrono::steady_clock::now() - opened;
    ASSERT_TRUE(waitUntilLoaded(synth, 10s));
    const auto audio = synth.renderOffline(Rate);
    // A note older than MaxPendingAge once loaded is not played late; on a
    // busy machine loading can take that long.
    const double maxAge = double(BuiltinSynth::MaxPendingAge.count());
    if (synth.loadMilliseconds() <= maxAge) {
        EXPECT_GT(rms(left(audio)), 50.0) << (early ? "sent while loading" : "loaded before sending");
        EXPECT_NEAR(fundamental(left(audio)), 261.63, 2.0);
    } else if (synth.loadMilliseconds() - sending.count() > maxAge + 50) {
        EXPECT_LT(rms(left(audio)), 5.0) << "a note " << synth.loadMilliseconds() << " ms old was played";
    }
}

TEST(MidiBuiltinSynth, AFullWaitingListGivesUpNotesBeforeProgramChanges)
{
    BuiltinSynth synth(nullptr, testSoundFont());
    synth.open();
    send(synth, {0xC0, 40});
    send(synth, {0xC1, 73});
    for (std::size_t i = 0; i < 2 * BuiltinSynth::MaxPending; ++i)
        send(synth, {0x90, std::uint8_t(40 + i % 40), 1});
    const bool early = synth.loadState() != BuiltinSynth::Load::Ready;
    ASSERT_TRUE(waitUntilLoaded(synth, 10s));
    if (!early)
        GTEST_SKIP() << "the SoundFont loaded before the messages were sent";
    EXPECT_EQ(synth.program(0), 40);
    EXPECT_EQ(synth.program(1), 73);
}

TEST(MidiBuiltinSynth, OpeningTwiceLoadsOnce)
{
    BuiltinSynth synth(nullptr, testSoundFont());
    loaded(synth);
    const double first = synth.loadMilliseconds();
    synth.close();
    synth.open();
    EXPECT_TRUE(synth.loadState() == BuiltinSynth::Load::Ready);
    EXPECT_EQ(synth.loadMilliseconds(), first);
}

TEST(MidiBuiltinSynth, WithoutASoundFontOpeningFailsWithAClearDescription)
{
    BuiltinSynth synth(nullptr, SoundFontSearch{});
    try {
        synth.open();
        FAIL() << "open succeeded";
    } catch (const MidiError &failure) {
        EXPECT_EQ(failure.code(), MidiError::NoSoundFont);
        EXPECT_TRUE(failure.description().startsWith("The built-in synthesizer found no SoundFont"))
            << failure.description().toStdString();
    }
    EXPECT_FALSE(synth.loadState() == BuiltinSynth::Load::Ready);
}

TEST(MidiBuiltinSynth, WithoutASoundFontTheOutputDoesNotOpenAndStaysSilent)
{
    MIDIOutput output(std::make_shared<FakeMidiBackend>(),
                      std::make_shared<BuiltinSynth>(nullptr, SoundFontSearch{{"/nonexistent/x.sf2"}, {}}));
    output.selectDevice(-1);
    EXPECT_EQ(output.deviceName(), BuiltinSynth::displayName());
    try {
        output.open();
        FAIL() << "open succeeded";
    } catch (const MidiError &failure) {
        EXPECT_TRUE(failure.description().contains("/nonexistent/x.sf2"))
            << failure.description().toStdString();
    }
    EXPECT_EQ(output.isOpen(), 0);
    EXPECT_NO_THROW(output.send(0x90, 60, 127, 0));
}

TEST(MidiBuiltinSynth, ASoundFontThatWillNotLoadFailsTheNextOpen)
{
    QTemporaryDir dir;
    const QString real = testSoundFont().find();
    ASSERT_FALSE(real.isEmpty());
    // A valid header with the body cut off passes the search and fails the load.
    QFile source(real);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QFile cut(dir.filePath("cut.sf2"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(source.read(4096));
    cut.close();
    BuiltinSynth synth(nullptr, SoundFontSearch{{cut.fileName()}, {}});
    synth.open();
    EXPECT_FALSE(waitUntilLoaded(synth, 10s));
    Bytes note{0x90, 60, 127};
    EXPECT_THROW(synth.send(note.data(), note.size()), MidiError);
    EXPECT_NO_THROW(synth.send(note.data(), note.size())) << "reported once";
    synth.close();
    EXPECT_THROW(synth.open(), MidiError);
}

TEST(MidiBuiltinSynth, ReportsItsLatencyAndLoadTime)
{
    BuiltinSynth synth(nullptr, testSoundFont());
    loaded(synth);
    EXPECT_GT(synth.loadMilliseconds(), 0.0);
    std::cout << "[ synth    ] " << AudioEngine::Periods << " periods x " << AudioEngine::PeriodSize
              << " frames at " << AudioEngine::SampleRate << " Hz = "
              << 1000.0 * AudioEngine::Periods * AudioEngine::PeriodSize / AudioEngine::SampleRate
              << " ms configured latency; SoundFont " << synth.soundFontPath().toStdString()
              << " loaded " << synth.loadMilliseconds() << " ms after open\n";
}

namespace {

double dbfs(double peak)
{
    return 20.0 * std::log10(std::max(peak, 1e-9));
}

// The loudest sample of a lesson sound as the engine mixes it.
double peakDbfs(AudioEngine &engine, int frames)
{
    std::vector<float> left(frames), right(frames);
    engine.render(frames, left.data(), right.data());
    float peak = 0.0f;
    for (int i = 0; i < frames; ++i)
        peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
    return dbfs(peak);
}

} // namespace

// A wrong answer's buzz must not drown the notes the pupil plays, nor the
// other way round.
TEST(MidiBuiltinSynth, NotesAndLessonSoundsAreEquallyLoud)
{
    BuiltinSynth synth(nullptr, testSoundFont());
    loaded(synth);
    send(synth, {0xC0, 0});
    send(synth, {0x90, 69, 100});
    const auto held = synth.renderOffline(Rate / 2);
    const int loudest = *std::max_element(held.begin(), held.end(), [](qint16 a, qint16 b) {
        return std::abs(a) < std::abs(b);
    });
    const double note = dbfs(std::abs(loudest) / 32768.0);
    for (const int n : {101, 102, 103}) {
        AudioEngine engine;
        engine.playClip(*WaveFile::parse(Effects::waveResource(n)));
        const double sound = peakDbfs(engine, 4 * Rate);
        EXPECT_NEAR(note, sound, 6.0) << "A4 at velocity 100: " << note << " dBFS, sound " << n << ": "
                                      << sound << " dBFS";
        std::cout << "[ synth    ] A4 at velocity 100 peaks " << note << " dBFS, sound " << n << " "
                  << sound << " dBFS\n";
    }
}
