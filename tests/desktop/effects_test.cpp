// SPDX-License-Identifier: GPL-3.0-or-later
#include "audioengine.h"
#include "effects.h"
#include "scripteddesktop.h"
#include "wavefile.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace staverly;
using test::ScriptedDesktop;

TEST(Effects, EmbeddedSoundsHaveTheirFormatsAndLengths)
{
    struct Expect { int n, channels, rate, bits; qsizetype bytes; };
    for (const Expect e : {Expect{101, 2, 22050, 16, 96924}, Expect{102, 1, 11025, 8, 9981},
                           Expect{103, 2, 22050, 16, 171008}}) {
        const auto wave = WaveFile::parse(Effects::waveResource(e.n));
        ASSERT_TRUE(wave) << e.n;
        EXPECT_EQ(wave->channels, e.channels) << e.n;
        EXPECT_EQ(wave->sampleRate, e.rate) << e.n;
        EXPECT_EQ(wave->bitsPerSample, e.bits) << e.n;
        EXPECT_EQ(wave->samples.size(), e.bytes) << e.n;
        // Not silence.
        int loud = 0;
        for (qsizetype i = 0; i < wave->samples.size(); i += 97)
            loud += std::abs(int(quint8(wave->samples[i])) - (e.bits == 8 ? 128 : 0)) > 8;
        EXPECT_GT(loud, 20) << e.n;
    }
}

TEST(Effects, NothingIsLoadedOrPlayedWithSoundsOff)
{
    ScriptedDesktop desktop;
    bool useSound = false;
    Effects effects(desktop, [&] { return useSound; });
    for (qint16 n : {qint16(101), qint16(999)})
        effects.play_wave(n);
    EXPECT_TRUE(desktop.sounds.empty());
    EXPECT_TRUE(desktop.boxes.empty());

    useSound = true;
    qint16 n = 102;
    effects.play_wave(n);
    ASSERT_EQ(desktop.sounds.size(), 1u);
    EXPECT_EQ(desktop.sounds[0], Effects::waveResource(102));
}

TEST(Effects, UnknownSoundNumberIsReportedEachTime)
{
    ScriptedDesktop desktop;
    Effects effects(desktop, [] { return true; });
    for (int i = 0; i < 2; ++i) {
        desktop.answer(Desktop::Answer::Ok, [](const ScriptedDesktop::Box &box) {
            EXPECT_EQ(box.title, "Staverly - Sound Error");
            EXPECT_EQ(box.icon, Desktop::Icon::Information);
            EXPECT_TRUE(box.text.contains("104"));
        });
        qint16 n = 104;
        effects.play_wave(n);
    }
    EXPECT_TRUE(desktop.sounds.empty());
    EXPECT_TRUE(desktop.scriptDone());
}

TEST(Effects, MissingAudioOutputIsToldOnceOnly)
{
    ScriptedDesktop desktop;
    desktop.setSoundResult("No audio output could be opened.");
    Effects effects(desktop, [] { return true; });
    desktop.answer(Desktop::Answer::Ok, [](const ScriptedDesktop::Box &box) {
        EXPECT_EQ(box.title, "Staverly - Sound Error");
        EXPECT_TRUE(box.text.startsWith("No audio output could be opened."));
    });
    for (qint16 n : {qint16(101), qint16(101), qint16(103)})
        effects.play_wave(n);
    EXPECT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.sounds.size(), 3u);
}

TEST(Effects, DocumentsAndMailGoToTheDesktop)
{
    ScriptedDesktop desktop;
    Effects effects(desktop, [] { return true; });
    QString help = "/opt/staverly/staverly_help.htm";
    effects.open_document(help);
    QString address = "teacher@example.org";
    effects.do_mail(address);
    EXPECT_EQ(desktop.opened, (QStringList{help, "mailto:teacher@example.org"}));
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST(AudioEngine, ANewSoundCutsOffTheOldOne)
{
    AudioEngine engine;
    const auto loud = WaveFile::parse(WaveFile::build(1, 48000, 16, QByteArray(9600, '\x40')));
    const auto quiet = WaveFile::parse(WaveFile::build(1, 48000, 16, QByteArray(960, '\x01')));
    ASSERT_TRUE(loud && quiet);
    engine.playClip(*loud);
    std::vector<float> l(64), r(64);
    engine.render(64, l.data(), r.data());
    const float loudLevel = l[10];
    EXPECT_GT(loudLevel, 0.4f * AudioEngine::ClipGain);
    EXPECT_FLOAT_EQ(r[10], loudLevel); // mono feeds both sides
    engine.playClip(*quiet);
    std::fill(l.begin(), l.end(), 0.0f);
    engine.render(64, l.data(), r.data());
    EXPECT_LT(l[10], 0.05f * AudioEngine::ClipGain);
    EXPECT_GT(l[10], 0.0f);
    // 480 frames of the short sound, then silence and nothing playing.
    for (int i = 0; i < 8; ++i)
        engine.render(64, l.data(), r.data());
    EXPECT_FALSE(engine.clipPlaying());
}

TEST(AudioEngine, ResamplesToTheOutputRate)
{
    AudioEngine engine;
    const auto wave = WaveFile::parse(WaveFile::build(1, 11025, 8, QByteArray(11025, '\xC0')));
    ASSERT_TRUE(wave);
    engine.playClip(*wave);
    std::vector<float> l(4800), r(4800);
    engine.render(4800, l.data(), r.data());
    EXPECT_NEAR(l[100], 0.5f * AudioEngine::ClipGain, 0.01f);
    int frames = 4800;
    while (engine.clipPlaying() && frames < 10 * 48000) {
        engine.render(4800, l.data(), r.data());
        frames += 4800;
    }
    // One second of sound at any rate plays for one second.
    EXPECT_EQ(frames, 48000);
}

TEST(AudioEngine, NoDriverGivesAClearError)
{
    AudioEngine engine;
    EXPECT_FALSE(engine.start({"no-such-driver"}));
    EXPECT_FALSE(engine.isRunning());
    EXPECT_TRUE(engine.error().startsWith("No audio output could be opened.")) << engine.error().toStdString();
    EXPECT_TRUE(engine.error().contains("no-such-driver"));
    EXPECT_LE(engine.latencyMs(), 6.0);
}

// Without a server, JACK is passed over: no server is started for a sound.
TEST(AudioEngine, AJackServerIsNeverStartedForASound)
{
    const QByteArray server = qgetenv("JACK_DEFAULT_SERVER");
    qputenv("JACK_DEFAULT_SERVER", "staverly-none-such");
    AudioEngine engine;
    EXPECT_FALSE(engine.start({"jack"}));
    EXPECT_TRUE(engine.error().contains("jack: no JACK server is running")) << engine.error().toStdString();
    if (server.isNull())
        qunsetenv("JACK_DEFAULT_SERVER");
    else
        qputenv("JACK_DEFAULT_SERVER", server);
}
