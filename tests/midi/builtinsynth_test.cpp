// SPDX-License-Identifier: GPL-3.0-or-later
#include "audioengine.h"
#include "builtinsynth.h"
#include "synthloaded.h"
#include "testsoundfont.h"
#include "soundfontfolders.h"
#include "soundfontsearch.h"
#include "effects.h"
#include "fakemidibackend.h"
#include "midierror.h"
#include "midioutput.h"
#include "soundcheck.h"
#include "tinysoundfont.h"
#include "wavefile.h"
#include "midiinput.h"
#include "midimod.h"
#include "noticeboard.h"
#include "scripteddesktop.h"
#include "waitfor.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <set>

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

// Loads a SoundFont whose one sample is three minutes of Ogg Vorbis and plays
// it: decoding takes the synthesizer's thread a tenth of a second or more,
// ages beside what a test asks meanwhile.
void busyWithANote(BuiltinSynth &synth, const QTemporaryDir &dir)
{
    QFile file(dir.filePath("long.sf3"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(test::tinySoundFont(true, 180 * 44100));
    file.close();
    synth.chooseSoundFont(file.fileName());
    loaded(synth);
    send(synth, {0xC0, 0});
    rendered(synth, 64);
    send(synth, {0x90, 69, 100});
}

class MidiBuiltinSynth : public ::testing::Test
{
protected:
    TestSoundFont font;
};

} // namespace

TEST_F(MidiBuiltinSynth, FindsDebiansGeneralMidiSoundFont)
{
    const QString path = SoundFontSearch::standard().find();
    EXPECT_FALSE(path.isEmpty()) << "install timgm6mb-soundfont";
    EXPECT_TRUE(path.startsWith("/usr/share/sounds/sf")) << path.toStdString();
}

TEST_F(MidiBuiltinSynth, FallsBackToAnySoundFontInTheFolders)
{
    const QString real = TestSoundFont::path();
    QTemporaryDir dir;
    QFile::copy(real, dir.filePath("piano.sf2"));
    QFile bogus(dir.filePath("a-not-really.sf2"));
    ASSERT_TRUE(bogus.open(QIODevice::WriteOnly));
    bogus.write("not a SoundFont");
    bogus.close();
    const SoundFontSearch search{{"missing.sf2"}, {dir.path()}};
    EXPECT_EQ(search.find(), dir.filePath("piano.sf2"));
    EXPECT_EQ(search.all(), QStringList{QFileInfo(dir.filePath("piano.sf2")).canonicalFilePath()});
}

TEST_F(MidiBuiltinSynth, MiddleCSoundsAtItsPitchAndDiesAwayAfterTheNoteOff)
{
    BuiltinSynth synth(nullptr);
    font.choose(synth);
    loaded(synth);
    send(synth, {0xC0, 0});
    send(synth, {0x90, 60, 127});
    const auto held = rendered(synth, Rate);
    send(synth, {0x90, 60, 0});
    const auto released = rendered(synth, Rate);

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

TEST_F(MidiBuiltinSynth, AQuestionsPhrasePlaysEachNoteInTurnAtItsPitch)
{
    BuiltinSynth synth(nullptr);
    font.choose(synth);
    loaded(synth);
    send(synth, {0xC0, 0});
    // As the lesson plays a question: on at full volume, held 450 ms, off.
    const std::vector<std::pair<int, double>> phrase{{60, 261.63}, {64, 329.63}, {67, 392.0},
                                                     {72, 523.25}};
    std::vector<qint16> all;
    for (const auto &[note, hertz] : phrase) {
        send(synth, {0x90, std::uint8_t(note), 127});
        const auto held = rendered(synth, Rate * 450 / 1000);
        send(synth, {0x90, std::uint8_t(note), 0});
        const auto gap = rendered(synth, Rate * 50 / 1000);
        EXPECT_NEAR(fundamental(left(held, Rate / 10, Rate * 4 / 10)), hertz, hertz / 100)
            << "note " << note;
        all.insert(all.end(), held.begin(), held.end());
        all.insert(all.end(), gap.begin(), gap.end());
    }
    const auto tail = rendered(synth, Rate);
    all.insert(all.end(), tail.begin(), tail.end());
    EXPECT_LT(rms(left(tail, Rate * 3 / 4)), 5.0);
    // STAVERLY_KEEP_AUDIO=folder keeps the phrase as phrase.wav for listening.
    if (const QString folder = qEnvironmentVariable("STAVERLY_KEEP_AUDIO"); !folder.isEmpty())
        writeWave(QDir(folder).filePath(QStringLiteral("phrase.wav")), all);
}

TEST_F(MidiBuiltinSynth, TheChannelOfTheMessageIsHonoured)
{
    BuiltinSynth synth(nullptr);
    font.choose(synth);
    loaded(synth);
    send(synth, {0xC5, 0});
    send(synth, {0x95, 69, 127});
    EXPECT_NEAR(fundamental(left(rendered(synth, Rate))), 440.0, 3.0);
    send(synth, {0x85, 69, 64});
    rendered(synth, Rate);
    EXPECT_LT(rms(left(rendered(synth, Rate / 4))), 5.0);
}

// Only what plays is loaded, when it is first played: an instrument chosen
// after start, a channel's first note (the piano), channel 10's drums.
TEST_F(MidiBuiltinSynth, InstrumentsAreLoadedWhenTheyArePlayed)
{
    BuiltinSynth synth(nullptr);
    font.choose(synth);
    loaded(synth);
    const struct
    {
        const char *what;
        Bytes program;
        Bytes note;
        int channel;
        int plays;
        double hertz;
    } cases[] = {
        {"a violin chosen after start", {0xC0, 40}, {0x90, 69, 100}, 0, 40, 440.0},
        {"a channel's first note", {}, {0x93, 69, 100}, 3, 0, 440.0},
        {"the drums of channel 10", {}, {0x99, 38, 100}, 9, 0, 0.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(synth.program(c.channel), -1) << "loaded before it was played";
        if (!c.program.empty())
            send(synth, c.program);
        send(synth, c.note);
        const auto audio = rendered(synth, Rate / 2);
        EXPECT_GT(rms(left(audio)), 50.0);
        if (c.hertz > 0) {
            EXPECT_NEAR(fundamental(left(audio, Rate / 10)), c.hertz, 3.0);
        }
        EXPECT_EQ(synth.program(c.channel), c.plays);
        send(synth, {std::uint8_t(c.note[0] & 0x8F), c.note[1], 64});
        rendered(synth, 2 * Rate);
    }
}

namespace {

struct Unplayable
{
    const char *what;
    QByteArray contents;
    bool exists;
    const char *told;
};

// Named, not dumped byte by byte (which also reads the struct's padding).
void PrintTo(const Unplayable &unplayable, std::ostream *out)
{
    *out << unplayable.what;
}

class MidiSoundFontChoice : public ::testing::TestWithParam<Unplayable>
{
};

} // namespace

// A chosen SoundFont that cannot be played: the first found plays, one
// notice says why and where Staverly looked, the setting is kept, and the
// chosen file plays again once it can.
TEST_P(MidiSoundFontChoice, FallsBackTellsOnceAndPlaysTheChosenFileAgainWhenItCan)
{
    const Unplayable &c = GetParam();
    const SoundFontFolders folders;
    const QString fallback = folders.install("sounds/sf2/TimGM6mb.sf2", TestSoundFont::path());
    QTemporaryDir drive;
    const QString chosen = drive.filePath("Grand.sf2");
    if (c.exists) {
        QFile file(chosen);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.contents);
    }
    TestSoundFont font;
    font.store().write(keys::SoundFont, chosen);
    auto backend = std::make_shared<FakeMidiBackend>();
    auto synth = std::make_shared<BuiltinSynth>(nullptr);
    MIDIInput input(backend);
    MIDIOutput output(backend, synth);
    test::ScriptedDesktop desktop;
    NoticeBoard notices;
    MidiMod midi;
    SettingsReader read(font.store());
    midi.readSettings(read, font.store());
    midi.attach(input, output, desktop, nullptr, &notices);
    midi.open_midi_out();
    ASSERT_TRUE(waitUntilLoaded(*synth, 10s));
    EXPECT_EQ(synth->soundFont(), fallback);
    QSignalSpy changed(&notices, &NoticeBoard::changed);
    for (int look = 0; look < 3; ++look)
        midi.watchDevices();
    EXPECT_EQ(changed.count(), 1);
    const QString text = notices.text("soundfont");
    for (const QString &part : {chosen, QString::fromLatin1(c.told), fallback, folders.system()})
        EXPECT_TRUE(text.contains(part)) << text.toStdString() << "\nlacks " << part.toStdString();
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(font.store().read(keys::SoundFont), chosen);

    // The drive is back with the file.
    QFile::remove(chosen);
    ASSERT_TRUE(QFile::copy(TestSoundFont::path(), chosen));
    midi.watchDevices();
    EXPECT_TRUE(waitFor([&] { return synth->soundFont() == chosen; }));
    midi.watchDevices();
    EXPECT_TRUE(notices.text("soundfont").isEmpty());
    const std::uint8_t note[] = {0x90, 60, 100};
    synth->send(note, sizeof note);
    EXPECT_GT(rms(left(rendered(*synth, Rate / 4))), 50.0) << "the chosen file plays";
}

INSTANTIATE_TEST_SUITE_P(
    Chosen, MidiSoundFontChoice,
    ::testing::Values(Unplayable{"Missing", {}, false, "is missing"},
                      Unplayable{"NotASoundFont", "a letter, not a SoundFont", true, "is not a SoundFont"},
                      Unplayable{"CutShort", QByteArray("RIFF\x10\x00\x00\x00sfbkLIST", 16), true,
                                 "could not be loaded"}),
    [](const auto &info) { return std::string(info.param.what); });

// While a note's samples are read and decoded, asking what a channel plays
// and rendering offline answer at once; the note and what follows it are
// played behind.
TEST_F(MidiBuiltinSynth, NothingWaitsForSamplesToLoad)
{
    QTemporaryDir dir;
    BuiltinSynth synth(nullptr);
    busyWithANote(synth, dir);
    send(synth, {0xC0, 40});
    EXPECT_EQ(synth.program(0), 0);
    EXPECT_LT(rms(left(synth.renderOffline(Rate / 10))), 5.0);
    EXPECT_FALSE(synth.settled()) << "waited for the samples";
    EXPECT_GT(rms(left(rendered(synth, Rate / 10, 60s))), 50.0);
    EXPECT_EQ(synth.program(0), 40);
}

TEST_F(MidiBuiltinSynth, MessagesSentWhileLoadingAreKept)
{
    BuiltinSynth synth(nullptr);
    font.choose(synth);
    const auto opened = std::chrono::steady_clock::now();
    synth.open();
    const bool early = synth.loadState() != BuiltinSynth::Load::Ready;
    send(synth, {0xC0, 0});
    send(synth, {0xB0, 7, 127});
    send(synth, {0x90, 60, 127});
    const std::chrono::duration<double, std::milli> sending = std::chrono::steady_clock::now() - opened;
    ASSERT_TRUE(waitUntilLoaded(synth, 10s));
    const auto audio = rendered(synth, Rate);
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

TEST_F(MidiBuiltinSynth, AFullWaitingListGivesUpNotesBeforeProgramChanges)
{
    QTemporaryDir dir;
    BuiltinSynth synth(nullptr);
    busyWithANote(synth, dir);
    send(synth, {0xC0, 40});
    send(synth, {0xC1, 73});
    for (std::size_t i = 0; i < 2 * BuiltinSynth::MaxPending; ++i)
        send(synth, {0x90, std::uint8_t(40 + i % 40), 1});
    EXPECT_FALSE(synth.settled()) << "the list was never full";
    rendered(synth, 64, 60s);
    EXPECT_EQ(synth.program(0), 40);
    EXPECT_EQ(synth.program(1), 73);
}

TEST_F(MidiBuiltinSynth, OpeningTwiceLoadsOnce)
{
    BuiltinSynth synth(nullptr);
    font.choose(synth);
    loaded(synth);
    const double first = synth.loadMilliseconds();
    synth.close();
    synth.open();
    EXPECT_TRUE(synth.loadState() == BuiltinSynth::Load::Ready);
    EXPECT_EQ(synth.loadMilliseconds(), first);
}

TEST_F(MidiBuiltinSynth, WithoutASoundFontOpeningFailsWithAClearDescription)
{
    const SoundFontFolders none;
    BuiltinSynth synth(nullptr);
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

TEST_F(MidiBuiltinSynth, WithoutASoundFontTheOutputDoesNotOpenAndStaysSilent)
{
    const SoundFontFolders none;
    auto synth = std::make_shared<BuiltinSynth>(nullptr);
    synth->chooseSoundFont("/nonexistent/x.sf2");
    MIDIOutput output(std::make_shared<FakeMidiBackend>(), synth);
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

TEST_F(MidiBuiltinSynth, ASoundFontThatWillNotLoadFailsTheNextOpen)
{
    const SoundFontFolders none;
    QTemporaryDir dir;
    const QString real = TestSoundFont::path();
    // A valid header with the body cut off passes the search and fails the load.
    QFile source(real);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QFile cut(dir.filePath("cut.sf2"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(source.read(4096));
    cut.close();
    BuiltinSynth synth(nullptr);
    synth.chooseSoundFont(cut.fileName());
    synth.open();
    EXPECT_FALSE(waitUntilLoaded(synth, 10s));
    Bytes note{0x90, 60, 127};
    EXPECT_THROW(synth.send(note.data(), note.size()), MidiError);
    EXPECT_NO_THROW(synth.send(note.data(), note.size())) << "reported once";
    synth.close();
    EXPECT_THROW(synth.open(), MidiError);
}

TEST_F(MidiBuiltinSynth, ReportsItsLatencyAndLoadTime)
{
    BuiltinSynth synth(nullptr);
    font.choose(synth);
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
TEST_F(MidiBuiltinSynth, NotesAndLessonSoundsAreEquallyLoud)
{
    BuiltinSynth synth(nullptr);
    font.choose(synth);
    loaded(synth);
    send(synth, {0xC0, 0});
    send(synth, {0x90, 69, 100});
    const auto held = rendered(synth, Rate / 2);
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
