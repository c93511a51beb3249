// SPDX-License-Identifier: GPL-3.0-or-later
#include "pianolistener.h"
#include "pianorenderer.h"
#include "roomnoise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace staverly;

namespace {

// Debian's timgm6mb-soundfont, which the set-up script installs.
const char *const SoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The listener hears the room for a moment before it can tell a new sound.
constexpr int Settle = 300;

std::int64_t ms(int rate, int milliseconds) { return static_cast<std::int64_t>(rate) * milliseconds / 1000; }

std::vector<int> heardNotes(PianoListener &listener, const std::vector<float> &samples,
                            std::size_t block = PianoListener::BlockFrames)
{
    std::vector<int> notes;
    for (std::size_t at = 0; at < samples.size(); at += block)
        for (const HeardNote &note : listener.feed(samples.data() + at, std::min(block, samples.size() - at)))
            notes.push_back(note.midi);
    return notes;
}

// A fan in the room, 30 dB below the notes.
void addFan(std::vector<float> &samples, double level = 0.0005)
{
    const std::vector<float> fan = RoomNoise(3).pink(samples.size(), level);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] += fan[i];
}

} // namespace

TEST(PianoListener, NamesEachKeyOnceFromBottomToTop)
{
    // In a small room a fan may hum 20 dB below the key; a key may be
    // struck as soon as listening starts.
    struct Case { int midi; int velocity; int rate; std::size_t block; bool room = false; int at = Settle; };
    const Case cases[] = {
        {24, 80, 44100, 256}, {25, 100, 44100, 256}, {31, 60, 48000, 256}, {43, 100, 44100, 100},
        {55, 30, 44100, 256}, {60, 80, 48000, 480}, {69, 120, 44100, 256}, {77, 80, 44100, 256},
        {89, 80, 44100, 256}, {92, 80, 48000, 256}, {94, 60, 44100, 1024}, {95, 30, 44100, 256},
        {24, 30, 44100, 256, true}, {25, 80, 44100, 256, true}, {54, 120, 44100, 256, true},
        {65, 80, 44100, 256, true}, {83, 80, 48000, 256, true}, {60, 80, 44100, 256, false, 100},
        {40, 80, 48000, 256, true, 80},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "MIDI " << c.midi << " v" << c.velocity << " at " << c.rate << " Hz"
                                        << (c.room ? " in the room" : "") << ", " << c.at << " ms in");
        PianoRenderer piano(SoundFont, c.rate, c.room);
        ASSERT_TRUE(piano.loaded());
        std::vector<PianoEvent> events;
        PianoRenderer::strike(events, c.midi, c.velocity, ms(c.rate, c.at), ms(c.rate, 500));
        std::vector<float> samples = piano.render(events, ms(c.rate, c.at + 800));
        const double held = RoomNoise::rms(samples.data() + ms(c.rate, c.at), static_cast<std::size_t>(ms(c.rate, 500)));
        addFan(samples, c.room ? held / 10.0 : 0.0005);
        PianoListener listener(c.rate);
        EXPECT_EQ(heardNotes(listener, samples, c.block), std::vector<int>{c.midi});
    }
}

TEST(PianoListener, FollowsThePianosTuning)
{
    // A4 = 415 or 466 Hz when told; a quarter of a semitone either way untold,
    // and nearly half of one once the first key has been heard.
    struct Case { double a4; double detuneCents; bool told; std::vector<int> notes; std::size_t learning = 0; };
    const Case cases[] = {
        {415.3, -100.0, true, {33, 45, 81}},
        {466.16, 100.0, true, {40, 57, 88}},
        {440.0, 25.0, false, {38, 62, 84}},
        {440.0, -25.0, false, {29, 64, 91}},
        {440.0, 45.0, false, {60, 64, 67, 72, 55, 48, 79}, 1},
        {440.0, -45.0, false, {60, 64, 67, 72, 55, 48, 79}, 1},
    };
    const int rate = 44100;
    PianoRenderer piano(SoundFont, rate);
    ASSERT_TRUE(piano.loaded());
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "detuned " << c.detuneCents << " cents");
        piano.setDetuneCents(c.detuneCents);
        std::vector<PianoEvent> events;
        for (std::size_t i = 0; i < c.notes.size(); ++i)
            PianoRenderer::strike(events, c.notes[i], 90, ms(rate, Settle + 600 * static_cast<int>(i)), ms(rate, 400));
        std::vector<float> samples = piano.render(events, ms(rate, Settle + 600 * static_cast<int>(c.notes.size())));
        addFan(samples);
        PianoListener listener(rate);
        if (c.told)
            listener.setA4(c.a4);
        const std::vector<int> heard = heardNotes(listener, samples);
        ASSERT_EQ(heard.size(), c.notes.size());
        EXPECT_TRUE(std::equal(heard.begin() + static_cast<std::ptrdiff_t>(c.learning), heard.end(),
                               c.notes.begin() + static_cast<std::ptrdiff_t>(c.learning)));
    }
}

TEST(PianoListener, HearsNewKeysOverRingingOnesAndTheSameKeyAgain)
{
    const int rate = 44100;
    PianoRenderer piano(SoundFont, rate);
    ASSERT_TRUE(piano.loaded());
    struct Case { const char *what; std::vector<int> notes; std::vector<int> velocities; };
    const Case cases[] = {
        {"pedal held, a chord spelt upwards", {48, 52, 55, 60}, {110, 70, 70, 60}},
        {"pedal held, a fifth below", {67, 60}, {100, 90}},
        {"the same key three times", {57, 57, 57}, {90, 70, 90}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<PianoEvent> events{{0, PianoEvent::PedalDown}};
        for (std::size_t i = 0; i < c.notes.size(); ++i)
            PianoRenderer::strike(events, c.notes[i], c.velocities[i], ms(rate, Settle + 450 * static_cast<int>(i)),
                                  ms(rate, 200));
        std::vector<float> samples = piano.render(events, ms(rate, Settle + 500 + 450 * static_cast<int>(c.notes.size())));
        addFan(samples);
        PianoListener listener(rate);
        EXPECT_EQ(heardNotes(listener, samples), c.notes);
    }
}

TEST(PianoListener, APartialSwellingAgainIsNoNewKey)
{
    // Some sampled pianos let a partial and its octave swell again long
    // after the attack, which looks like the note an octave or a twelfth up.
    struct Case { int midi; int partial; int swellMs; double swellDb; };
    const Case cases[] = {{79, 3, 300, 14.0}, {66, 3, 250, 12.0}, {60, 4, 400, 14.0}, {84, 3, 150, 12.0}};
    const int rate = 44100;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "MIDI " << c.midi << " partial " << c.partial);
        const double f0 = 440.0 * std::exp2((c.midi - 69) / 12.0);
        std::vector<float> samples(static_cast<std::size_t>(ms(rate, Settle + 1200)), 0.0f);
        const double swellLength = 0.04;
        for (std::size_t i = static_cast<std::size_t>(ms(rate, Settle)); i < samples.size(); ++i) {
            const double t = static_cast<double>(i) / rate - Settle / 1000.0;
            const double hit = std::min(1.0, t / 0.003);
            for (int h = 1; h <= 8 && h * f0 < 12000.0; ++h) {
                double gain = 0.1 / h * hit * std::exp(-t * (1.0 + 0.5 * h));
                const double since = t - c.swellMs / 1000.0;
                if ((h == c.partial || h == 2 * c.partial) && since > 0.0)
                    gain *= std::pow(10.0, c.swellDb / 20.0 * std::min(1.0, since / swellLength));
                samples[i] += static_cast<float>(gain * std::sin(2.0 * M_PI * h * f0 * t));
            }
        }
        addFan(samples);
        PianoListener listener(rate);
        EXPECT_EQ(heardNotes(listener, samples), std::vector<int>{c.midi});
    }
}

TEST(PianoListener, ABassNoteWithAStrongSharpSecondPartialKeepsItsOctave)
{
    // Sampled bass strings whose fundamental is faint and whose second
    // partial stands out, a little sharp, over a series spaced by the note.
    struct Case { int midi; double fundamental; double second; double secondCents; };
    const Case cases[] = {{28, 0.0, 1.0, 20.0}, {31, 0.0, 1.0, 25.0}, {27, 0.0, 0.8, 15.0}, {36, 0.1, 1.0, 20.0}};
    const int rate = 44100;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "MIDI " << c.midi);
        const double f0 = 440.0 * std::exp2((c.midi - 69) / 12.0);
        std::vector<float> samples(static_cast<std::size_t>(ms(rate, Settle + 1000)), 0.0f);
        for (std::size_t i = static_cast<std::size_t>(ms(rate, Settle)); i < samples.size(); ++i) {
            const double t = static_cast<double>(i) / rate - Settle / 1000.0;
            const double hit = std::min(1.0, t / 0.003) * std::exp(-2.0 * t);
            for (int h = 1; h <= 12; ++h) {
                const double gain = h == 1 ? c.fundamental : h == 2 ? c.second : h <= 8 ? 0.25 : 0.1;
                const double f = h == 2 ? 2.0 * f0 * std::exp2(c.secondCents / 1200.0) : h * f0;
                samples[i] += static_cast<float>(0.1 * gain * hit * std::sin(2.0 * M_PI * f * t));
            }
        }
        addFan(samples);
        PianoListener listener(rate);
        EXPECT_EQ(heardNotes(listener, samples), std::vector<int>{c.midi});
    }
}

TEST(PianoListener, RoomNoiseIsNoAnswer)
{
    const int rate = 44100;
    const auto frames = static_cast<std::size_t>(8 * rate);
    RoomNoise noise(5);
    const std::vector<std::vector<float>> rooms{noise.pink(frames, 0.03), noise.brown(frames, 0.05),
                                                noise.thumps(frames, rate, 0.5, static_cast<std::size_t>(rate))};
    for (const auto &room : rooms) {
        PianoListener listener(rate);
        EXPECT_EQ(heardNotes(listener, room), std::vector<int>{});
    }
}

TEST(PianoListener, TalkIsNoAnswerAndAKeyAboveItIs)
{
    // espeak-ng, which the set-up script installs, at conversation level.
    const int rate = 44100;
    constexpr double Talk = 0.03;
    const auto opening = RoomNoise::speech("Good morning. Shall we look at the left hand first?", rate);
    if (!opening)
        GTEST_SKIP() << "espeak-ng is not installed";
    const auto talk = RoomNoise::speech("Take the second line slowly and count out loud, one, two, three, four.", rate);
    ASSERT_TRUE(talk);
    PianoRenderer piano(SoundFont, rate);
    ASSERT_TRUE(piano.loaded());
    // Before the talk come words the listener has not learnt to be a voice:
    // `greeting` after a quiet room must not answer either (the opening may).
    struct Case { const char *what; int midi; const char *greeting = nullptr; double level = Talk; };
    const Case cases[] = {
        {"talk alone", 0}, {"a key 20 dB above the talk", 43}, {"a key 20 dB above it", 64},
        {"a greeting from a quiet room", 0, "Hello, hello, can you hear me? One, two, three, four, five, six, seven, eight, nine, ten.", 0.05},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<float> heardFirst = *opening;
        if (c.greeting) {
            const auto greeting = RoomNoise::speech(c.greeting, rate);
            ASSERT_TRUE(greeting);
            heardFirst.assign(static_cast<std::size_t>(ms(rate, 500)), 0.0f);
            std::vector<float> words = *greeting;
            RoomNoise::scale(words, c.level);
            heardFirst.insert(heardFirst.end(), words.begin(), words.end());
        } else {
            RoomNoise::scale(heardFirst, c.level);
        }
        std::vector<float> samples = *talk;
        RoomNoise::scale(samples, Talk);
        if (c.midi) {
            std::vector<PianoEvent> events;
            PianoRenderer::strike(events, c.midi, 100, ms(rate, 1500), ms(rate, 500));
            std::vector<float> key = piano.render(events, static_cast<std::int64_t>(samples.size()));
            const double held = RoomNoise::rms(key.data() + ms(rate, 1500), static_cast<std::size_t>(ms(rate, 500)));
            RoomNoise::scale(key, Talk * 10.0 * RoomNoise::rms(key.data(), key.size()) / held);
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] += key[i];
        }
        addFan(heardFirst, 0.003);
        addFan(samples, 0.003);
        PianoListener listener(rate);
        const std::vector<int> first = heardNotes(listener, heardFirst);
        if (c.greeting) {
            EXPECT_EQ(first, std::vector<int>{});
        }
        EXPECT_EQ(heardNotes(listener, samples), c.midi ? std::vector<int>{c.midi} : std::vector<int>{});
    }
}

TEST(PianoListener, TheProgramsOwnSoundsAreNotThePupils)
{
    const int rate = 44100;
    PianoRenderer piano(SoundFont, rate);
    ASSERT_TRUE(piano.loaded());
    // The program sounds C4, which reaches the microphone 200 ms later;
    // meanwhile the pupil plays G4, then a lesson clip plays a flourish.
    std::vector<PianoEvent> events;
    PianoRenderer::strike(events, 60, 100, ms(rate, 500), ms(rate, 900));
    PianoRenderer::strike(events, 67, 90, ms(rate, 800), ms(rate, 400));
    for (int k = 0; k < 4; ++k)
        PianoRenderer::strike(events, 72 + 4 * k, 100, ms(rate, 2200 + 80 * k), ms(rate, 300));
    std::vector<float> samples = piano.render(events, ms(rate, 3400));
    addFan(samples);
    PianoListener listener(rate);
    std::vector<int> notes;
    const auto feed = [&](int fromMs, int toMs) {
        const std::vector<float> part(samples.begin() + ms(rate, fromMs), samples.begin() + ms(rate, toMs));
        for (int note : heardNotes(listener, part))
            notes.push_back(note);
    };
    feed(0, 300);
    listener.ownNoteOn(60);
    feed(300, 1200);
    listener.ownNoteOff(60);
    feed(1200, 2100);
    listener.ownClip(600);
    feed(2100, 3400);
    EXPECT_EQ(notes, std::vector<int>{67});
}

TEST(PianoListener, TunesA4FromAnyA)
{
    const int rate = 44100;
    PianoRenderer piano(SoundFont, rate);
    ASSERT_TRUE(piano.loaded());
    struct Case { int midi; double detuneCents; bool anA; };
    const Case cases[] = {{33, -60.0, true}, {57, 30.0, true}, {81, 0.0, true}, {93, -90.0, true}, {62, 0.0, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "MIDI " << c.midi << " detuned " << c.detuneCents);
        piano.setDetuneCents(c.detuneCents);
        std::vector<PianoEvent> events;
        PianoRenderer::strike(events, c.midi, 90, ms(rate, 100), ms(rate, 1500));
        const std::vector<float> samples = piano.render(events, ms(rate, 1600));
        const auto a4 = PianoListener::tuneA4(samples.data(), samples.size(), rate);
        if (!c.anA) {
            EXPECT_FALSE(a4);
            continue;
        }
        ASSERT_TRUE(a4);
        EXPECT_NEAR(*a4, 440.0 * std::exp2(c.detuneCents / 1200.0), 1.5);
    }
}

TEST(PianoListener, TellsTheInputLevelAndClipping)
{
    PianoListener listener(48000);
    std::vector<float> sine(48000);
    for (std::size_t i = 0; i < sine.size(); ++i)
        sine[i] = static_cast<float>(0.1 * std::sin(2.0 * M_PI * 1000.0 * static_cast<double>(i) / 48000.0));
    listener.feed(sine.data(), sine.size());
    EXPECT_NEAR(listener.levelDb(), -23.0, 0.5);
    EXPECT_FALSE(listener.clipping());
    const float full = 1.0f;
    listener.feed(&full, 1);
    listener.feed(sine.data(), 2000);
    EXPECT_TRUE(listener.clipping());
    EXPECT_EQ(listener.frames(), 50001);
}
