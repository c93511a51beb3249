// SPDX-License-Identifier: GPL-3.0-or-later
// Listening to a piano: every note of two General MIDI pianos at three
// loudnesses over pink noise in a small room, then CPU at real-time pace,
// noise alone and the program's own sounds. Prints tables; never run by ctest.
//
//   listen_bench [--rate 44100|48000] [--unpaced] [--only notes|cpu|noise|own]
//                [--soundfont PATH]

#include "pianolistener.h"
#include "pianorenderer.h"
#include "roomnoise.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace staverly;

namespace {

const char *const TimGm = "/usr/share/sounds/sf2/TimGM6mb.sf2";
const char *const FluidR3 = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr int Velocities[] = {30, 80, 120};
constexpr double SnrDb = 20.0;
// The minute of playing is soft against its fan: keys this far above it are
// counted apart from those drowned in it.
constexpr double ClearOfFanDb = 10.0;
constexpr double SlowMs = 100.0; // --verbose lists answers slower than this too

std::int64_t ms(int rate, double milliseconds) { return static_cast<std::int64_t>(rate * milliseconds / 1000.0); }

std::string noteName(int midi)
{
    static const char *const names[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return names[((midi % 12) + 12) % 12] + std::to_string(midi / 12 - 1);
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(p * values.size())) - 1;
    return values[std::min(at, values.size() - 1)];
}

// Feeds a stream in capture-sized blocks and keeps every answer.
std::vector<HeardNote> listen(PianoListener &listener, const std::vector<float> &stream)
{
    std::vector<HeardNote> heard;
    for (std::size_t at = 0; at < stream.size(); at += PianoListener::BlockFrames) {
        const std::size_t count = std::min<std::size_t>(PianoListener::BlockFrames, stream.size() - at);
        for (const HeardNote &note : listener.feed(stream.data() + at, count))
            heard.push_back(note);
    }
    return heard;
}

struct Octave
{
    int notes = 0, right = 0, octaveErrors = 0, otherErrors = 0, missed = 0, extra = 0;
    std::vector<double> latencies;
};

bool benchNotes(const char *soundFont, int rate, bool verbose)
{
    PianoRenderer piano(soundFont, rate, true);
    if (!piano.loaded()) {
        std::printf("\n%s: not installed, skipped\n", soundFont);
        return false;
    }
    const std::int64_t slot = ms(rate, 1300);
    const std::int64_t lead = ms(rate, 150);
    const std::int64_t hold = ms(rate, 700);
    RoomNoise noise(7);
    const std::vector<float> fan = noise.pink(static_cast<std::size_t>(slot), 1.0);
    double fanLevel = 0.0;
    struct Trial { int midi; int velocity; std::int64_t start; };
    std::vector<Trial> trials;
    std::vector<float> stream;
    const auto renderStart = std::chrono::steady_clock::now();
    for (int velocity : Velocities) {
        for (int midi = 24; midi <= 95; ++midi) {
            std::vector<PianoEvent> events;
            PianoRenderer::strike(events, midi, velocity, lead, hold);
            std::vector<float> note = piano.render(events, slot);
            const double level = RoomNoise::rms(note.data() + lead, static_cast<std::size_t>(hold));
            // One fan throughout, its level eased to each note's between notes.
            const double target = level * std::pow(10.0, -SnrDb / 20.0);
            const auto ease = static_cast<std::size_t>(lead / 2);
            const std::size_t offset = stream.size() % fan.size();
            for (std::size_t i = 0; i < note.size(); ++i) {
                const double gain = i < ease ? fanLevel + (target - fanLevel) * static_cast<double>(i) / ease : target;
                note[i] += static_cast<float>(gain * fan[(offset + i) % fan.size()]);
            }
            fanLevel = target;
            trials.push_back({midi, velocity, static_cast<std::int64_t>(stream.size()) + lead});
            stream.insert(stream.end(), note.begin(), note.end());
        }
    }
    const double renderSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - renderStart).count();

    PianoListener listener(rate);
    const auto listenStart = std::chrono::steady_clock::now();
    const std::vector<HeardNote> heard = listen(listener, stream);
    const double listenSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - listenStart).count();

    Octave octaves[6];
    Octave all;
    std::size_t next = 0;
    for (const Trial &trial : trials) {
        std::vector<HeardNote> mine;
        while (next < heard.size() && heard[next].decidedFrame < trial.start - lead + slot) {
            if (heard[next].decidedFrame >= trial.start - lead)
                mine.push_back(heard[next]);
            ++next;
        }
        Octave &o = octaves[trial.midi / 12 - 2];
        for (Octave *counts : {&o, &all}) {
            ++counts->notes;
            if (mine.empty())
                ++counts->missed;
            else if (mine.size() == 1 && mine[0].midi == trial.midi)
                ++counts->right;
            else if (mine[0].midi != trial.midi && (mine[0].midi - trial.midi) % 12 == 0)
                ++counts->octaveErrors;
            else if (mine[0].midi != trial.midi)
                ++counts->otherErrors;
            if (mine.size() > 1)
                ++counts->extra;
            if (!mine.empty() && mine[0].midi == trial.midi)
                counts->latencies.push_back(1000.0 * static_cast<double>(mine[0].decidedFrame - trial.start) / rate);
        }
        const bool slow = !mine.empty() && mine[0].decidedFrame - trial.start > ms(rate, SlowMs);
        if (verbose && (slow || !(mine.size() == 1 && mine[0].midi == trial.midi))) {
            std::printf("  %-4s v%-3d:", noteName(trial.midi).c_str(), trial.velocity);
            if (mine.empty())
                std::printf(" nothing");
            for (const HeardNote &h : mine)
                std::printf(" %s@%+.0fms (decided %+.0fms)", noteName(h.midi).c_str(),
                            1000.0 * static_cast<double>(h.onsetFrame - trial.start) / rate,
                            1000.0 * static_cast<double>(h.decidedFrame - trial.start) / rate);
            std::printf("\n");
        }
    }
    std::printf("\n%s at %d Hz, pink noise %.0f dB below each note, small room (render %.1f s, listen %.1f s)\n",
                soundFont, rate, SnrDb, renderSeconds, listenSeconds);
    std::printf("%-8s %6s %6s %7s %7s %7s %6s %9s %9s %9s\n", "octave", "notes", "right", "octave", "other",
                "missed", "extra", "median", "p95", "worst");
    const auto row = [](const char *name, const Octave &o) {
        std::printf("%-8s %6d %6d %7d %7d %7d %6d %7.0fms %7.0fms %7.0fms\n", name, o.notes, o.right, o.octaveErrors,
                    o.otherErrors, o.missed, o.extra, percentile(o.latencies, 0.5), percentile(o.latencies, 0.95),
                    percentile(o.latencies, 1.0));
    };
    for (int i = 0; i < 6; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "C%d-B%d", i + 1, i + 1);
        row(name, octaves[i]);
    }
    row("all", all);
    return true;
}

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

struct Playing
{
    std::vector<float> samples;
    // snrDb: what the key adds in its first 100 ms, against the fan.
    struct Strike { std::int64_t frame; int midi; int velocity; double snrDb; };
    std::vector<Strike> strikes;
};

// A minute of a pupil playing, with pedal, over a fan.
Playing playing(int rate, double seconds)
{
    Playing result;
    PianoRenderer piano(TimGm, rate, true);
    std::mt19937 random(11);
    std::vector<PianoEvent> events;
    const auto frames = static_cast<std::int64_t>(seconds * rate);
    events.push_back({0, PianoEvent::PedalDown});
    for (std::int64_t at = ms(rate, 300); at < frames - ms(rate, 1000);) {
        const int midi = std::uniform_int_distribution(36, 84)(random);
        const int velocity = std::uniform_int_distribution(30, 120)(random);
        PianoRenderer::strike(events, midi, velocity, at, ms(rate, 400));
        result.strikes.push_back({at, midi, velocity, 0.0});
        at += ms(rate, std::uniform_int_distribution(300, 1200)(random));
        if (std::uniform_int_distribution(0, 4)(random) == 0) {
            events.push_back({at - ms(rate, 100), PianoEvent::PedalUp});
            events.push_back({at - ms(rate, 50), PianoEvent::PedalDown});
        }
    }
    std::vector<float> stream = piano.render(events, frames);
    RoomNoise noise(3);
    const std::vector<float> fan = noise.pink(stream.size(), 0.002);
    const auto power = [](const std::vector<float> &samples, std::int64_t from, std::int64_t count) {
        double sum = 0.0;
        for (std::int64_t i = std::max<std::int64_t>(from, 0); i < from + count; ++i)
            sum += static_cast<double>(samples[static_cast<std::size_t>(i)]) * samples[static_cast<std::size_t>(i)];
        return sum / static_cast<double>(count);
    };
    const double fanPower = power(fan, 0, frames);
    for (Playing::Strike &strike : result.strikes) {
        const std::int64_t span = ms(rate, 100);
        const double added = power(stream, strike.frame, span) - power(stream, strike.frame - span, span);
        strike.snrDb = 10.0 * std::log10(std::max(added, 1e-15) / fanPower);
    }
    for (std::size_t i = 0; i < stream.size(); ++i)
        stream[i] += fan[i];
    result.samples = std::move(stream);
    return result;
}

void benchCpu(int rate, bool paced, bool verbose)
{
    if (!PianoRenderer(TimGm, rate).loaded()) {
        std::printf("\nCPU: %s not installed, skipped\n", TimGm);
        return;
    }
    const double seconds = 60.0;
    const Playing played = playing(rate, seconds);
    const std::vector<float> &stream = played.samples;
    PianoListener listener(rate);
    double busy = 0.0;
    std::vector<HeardNote> heard;
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t at = 0; at + PianoListener::BlockFrames <= stream.size(); at += PianoListener::BlockFrames) {
        if (paced)
            std::this_thread::sleep_until(start + std::chrono::duration<double>(static_cast<double>(at) / rate));
        const double before = threadCpuSeconds();
        const std::vector<HeardNote> some = listener.feed(stream.data() + at, PianoListener::BlockFrames);
        busy += threadCpuSeconds() - before;
        heard.insert(heard.end(), some.begin(), some.end());
    }
    std::size_t right = 0;
    std::size_t clear = 0;
    std::size_t clearRight = 0;
    for (const auto &[frame, midi, velocity, snrDb] : played.strikes) {
        const auto found = std::count_if(heard.begin(), heard.end(), [&, frame = frame, midi = midi](const HeardNote &note) {
            return note.midi == midi && std::abs(note.onsetFrame - frame) < ms(rate, 100);
        });
        right += static_cast<std::size_t>(found);
        if (snrDb >= ClearOfFanDb) {
            ++clear;
            clearRight += static_cast<std::size_t>(found);
        }
        if (verbose && found != 1) {
            std::printf("  %-4s v%-3d %+3.0f dB over the fan @%.2fs:", noteName(midi).c_str(), velocity, snrDb,
                        static_cast<double>(frame) / rate);
            for (const HeardNote &note : heard) {
                if (std::abs(note.onsetFrame - frame) < ms(rate, 300))
                    std::printf(" %s@%+.0fms", noteName(note.midi).c_str(),
                                1000.0 * static_cast<double>(note.onsetFrame - frame) / rate);
            }
            std::printf("\n");
        }
    }
    std::printf("\nCPU of listening, %.0f s of playing with pedal at %d Hz %s: %.2f %% of a core\n"
                "  keys struck %zu, heard right %zu, other answers %zu; of the %zu keys %.0f dB or more over the fan, "
                "heard right %zu\n", seconds, rate,
                paced ? "at real-time pace" : "(fed at once)", 100.0 * busy / seconds, played.strikes.size(), right,
                heard.size() - right, clear, ClearOfFanDb, clearRight);
}

void benchNoise(int rate)
{
    const auto frames = static_cast<std::size_t>(60 * rate);
    RoomNoise noise(5);
    struct Kind { const char *name; std::vector<float> samples; };
    std::vector<Kind> kinds;
    kinds.push_back({"pink noise, -30 dBFS", noise.pink(frames, 0.0316)});
    kinds.push_back({"brown noise, -26 dBFS", noise.brown(frames, 0.05)});
    kinds.push_back({"thumps, -6 dBFS peak", noise.thumps(frames, rate, 0.5, static_cast<std::size_t>(rate * 2))});
    const char *const sentences[] = {
        "Good morning. Shall we look at the left hand first, or would you rather start with the scales?",
        "I think the second line is harder than it looks, so take it slowly and count out loud.",
        "Put the kettle on, would you? The tuner is coming at four and the dog needs a walk.",
        "Hello, hello, can you hear me? One, two, three, four, five, six, seven, eight, nine, ten."};
    std::vector<float> talk;
    while (talk.size() < frames) {
        bool spoke = false;
        for (const char *sentence : sentences) {
            if (auto said = RoomNoise::speech(sentence, rate)) {
                talk.insert(talk.end(), said->begin(), said->end());
                talk.insert(talk.end(), static_cast<std::size_t>(rate / 2), 0.0f);
                spoke = true;
            }
        }
        if (!spoke)
            break;
    }
    if (talk.empty()) {
        std::printf("\nespeak-ng not installed: no speech\n");
    } else {
        talk.resize(frames);
        // As loud as a mezzo-forte note at the microphone, over the fan.
        RoomNoise::scale(talk, 0.05);
        const std::vector<float> fan = noise.pink(frames, 0.003);
        for (std::size_t i = 0; i < frames; ++i)
            talk[i] += fan[i];
        kinds.push_back({"espeak-ng speech, -26 dBFS", std::move(talk)});
    }
    std::printf("\nAnswers from 60 s of noise alone at %d Hz (goal 0)\n", rate);
    for (const Kind &kind : kinds) {
        PianoListener listener(rate);
        const std::vector<HeardNote> heard = listen(listener, kind.samples);
        std::printf("  %-28s %3zu", kind.name, heard.size());
        for (std::size_t i = 0; i < std::min<std::size_t>(heard.size(), 8); ++i)
            std::printf(" %s@%.1fs", noteName(heard[i].midi).c_str(), static_cast<double>(heard[i].onsetFrame) / rate);
        std::printf("\n");
    }
}

void benchOwnSounds(int rate)
{
    PianoRenderer piano(TimGm, rate, true);
    if (!piano.loaded())
        return;
    std::mt19937 random(17);
    const int notes = 190;
    const int clips = 10;
    struct Call { std::int64_t frame; int kind; int value; }; // 0 on, 1 off, 2 clip
    std::vector<Call> calls;
    std::vector<PianoEvent> events;
    std::int64_t at = ms(rate, 500);
    for (int i = 0; i < notes; ++i) {
        const int midi = std::uniform_int_distribution(36, 84)(random);
        const std::int64_t length = ms(rate, std::uniform_int_distribution(250, 1000)(random));
        const std::int64_t latency = ms(rate, std::uniform_int_distribution(20, 300)(random));
        calls.push_back({at, 0, midi});
        calls.push_back({at + length, 1, midi});
        PianoRenderer::strike(events, midi, std::uniform_int_distribution(50, 120)(random), at + latency, length);
        at += length + ms(rate, std::uniform_int_distribution(100, 600)(random));
    }
    std::vector<float> stream = piano.render(events, at + ms(rate, 2000));
    // Lesson clips: a spoken word and a quick piano flourish, each a recording.
    std::vector<float> flourish;
    {
        std::vector<PianoEvent> run;
        for (int k = 0; k < 4; ++k)
            PianoRenderer::strike(run, 60 + 4 * k, 100, ms(rate, 80 * k), ms(rate, 300));
        flourish = piano.render(run, ms(rate, 900));
    }
    const auto praise = RoomNoise::speech("Well done!", rate);
    for (int i = 0; i < clips; ++i) {
        const std::vector<float> &clip = (i % 2 == 0 || !praise) ? flourish : *praise;
        const std::int64_t latency = ms(rate, std::uniform_int_distribution(20, 300)(random));
        calls.push_back({static_cast<std::int64_t>(stream.size()), 2, static_cast<int>(clip.size() * 1000 / rate)});
        stream.resize(stream.size() + static_cast<std::size_t>(latency), 0.0f);
        stream.insert(stream.end(), clip.begin(), clip.end());
        stream.resize(stream.size() + static_cast<std::size_t>(ms(rate, 700)), 0.0f);
    }
    RoomNoise noise(9);
    const std::vector<float> fan = noise.pink(stream.size(), 0.002);
    for (std::size_t i = 0; i < stream.size(); ++i)
        stream[i] += fan[i];
    std::stable_sort(calls.begin(), calls.end(), [](const Call &a, const Call &b) { return a.frame < b.frame; });

    PianoListener listener(rate);
    std::vector<HeardNote> heard;
    auto call = calls.begin();
    for (std::size_t pos = 0; pos < stream.size(); pos += PianoListener::BlockFrames) {
        for (; call != calls.end() && call->frame <= static_cast<std::int64_t>(pos); ++call) {
            if (call->kind == 0)
                listener.ownNoteOn(call->value);
            else if (call->kind == 1)
                listener.ownNoteOff(call->value);
            else
                listener.ownClip(call->value);
        }
        const std::size_t count = std::min<std::size_t>(PianoListener::BlockFrames, stream.size() - pos);
        for (const HeardNote &note : listener.feed(stream.data() + pos, count))
            heard.push_back(note);
    }
    std::printf("\nAnswers from %d of the program's own sounds (%d notes, %d clips; 20-300 ms late) at %d Hz (goal 0): %zu",
                notes + clips, notes, clips, rate, heard.size());
    for (std::size_t i = 0; i < std::min<std::size_t>(heard.size(), 8); ++i)
        std::printf(" %s@%.1fs", noteName(heard[i].midi).c_str(), static_cast<double>(heard[i].onsetFrame) / rate);
    std::printf("\n");
}

} // namespace

int main(int argc, char **argv)
{
    int rate = 44100;
    bool paced = true;
    bool verbose = false;
    std::string only;
    std::vector<std::string> fonts{TimGm, FluidR3};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rate" && i + 1 < argc)
            rate = std::atoi(argv[++i]);
        else if (arg == "--unpaced")
            paced = false;
        else if (arg == "--verbose")
            verbose = true;
        else if (arg == "--only" && i + 1 < argc)
            only = argv[++i];
        else if (arg == "--soundfont" && i + 1 < argc)
            fonts = {argv[++i]};
        else {
            std::fprintf(stderr, "usage: %s [--rate HZ] [--unpaced] [--verbose] [--only notes|cpu|noise|own] [--soundfont PATH]\n", argv[0]);
            return 2;
        }
    }
    if (only.empty() || only == "notes")
        for (const std::string &font : fonts)
            benchNotes(font.c_str(), rate, verbose);
    if (only.empty() || only == "noise")
        benchNoise(rate);
    if (only.empty() || only == "own")
        benchOwnSounds(rate);
    if (only.empty() || only == "cpu")
        benchCpu(rate, paced, verbose);
    return 0;
}
