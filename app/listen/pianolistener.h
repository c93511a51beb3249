// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "heardnote.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace staverly {

class OnsetFinder;
class OwnSounds;
class SampleRing;
class Spectrum;

// Hears the keys a pupil strikes on a real piano from microphone samples:
// each attack is found, then the note whose partials grew with it is named,
// with the notes still ringing from before left out.
class PianoListener
{
public:
    static constexpr int BlockFrames = 256; // the block the capture hands over (any count works)

    explicit PianoListener(int sampleRate, double a4 = 440.0);
    ~PianoListener();
    PianoListener(const PianoListener &) = delete;
    PianoListener &operator=(const PianoListener &) = delete;

    // The piano's tuning, 415..466 Hz.
    void setA4(double a4);
    double a4() const { return m_a4.load(); }
    int sampleRate() const { return m_sampleRate; }

    // Mono samples in [-1, 1]; returns the notes decided within them, each once.
    std::vector<HeardNote> feed(const float *samples, std::size_t frames);

    // The program's own sounds reach the microphone through the speakers and
    // are never taken for the pupil's. Thread-safe: called from the GUI thread
    // while feed() runs on the capture thread.
    void ownNoteOn(int midi);
    void ownNoteOff(int midi);
    // A lesson sound (a recorded clip, not a note) of this length starting now.
    void ownClip(int milliseconds);

    double levelDb() const;      // input level of the last ~100 ms, dBFS (thread-safe)
    bool clipping() const;       // samples at full scale within the last second
    std::int64_t frames() const; // frames fed so far

    // The piano's A4 from a recording of one A played on it (any octave 1..6);
    // nothing when no A is heard.
    static std::optional<double> tuneA4(const float *samples, std::size_t frames, int sampleRate);

private:
    struct Pending;
    struct Watch;
    void hop(const float *samples, std::vector<HeardNote> &heard);
    void startPending(std::int64_t onset);
    bool evaluate(Pending &pending, std::vector<HeardNote> &heard);
    static bool heardFrom(const Pending &pending, int midi, std::int64_t by);
    float attackVelocity(std::int64_t onset, std::int64_t end) const;
    double windowPower(std::int64_t end) const;
    double attackRise(std::int64_t onset, std::int64_t end) const;
    void watch(Pending &pending);
    void followWatches();
    void learnTuning(double f0);

    const int m_sampleRate;
    std::atomic<double> m_a4;
    std::unique_ptr<SampleRing> m_ring;
    std::vector<std::unique_ptr<Spectrum>> m_spectra;
    std::unique_ptr<OwnSounds> m_own;
    std::unique_ptr<OnsetFinder> m_onsets;
    std::vector<float> m_block;
    std::vector<std::unique_ptr<Pending>> m_pending;
    std::vector<HeardNote> m_recent;
    std::vector<Watch> m_watches;
    std::vector<std::int64_t> m_voices; // when a gliding pitch was last heard
    std::int64_t m_talkUntil = -1;
    double m_tuneCents = 0.0; // the piano's offset from m_a4, learnt
    int m_tuneHeard = 0;
    double m_talkPower = 0.0;
    mutable std::vector<float> m_scratch;
    std::vector<float> m_now;
    std::vector<float> m_before;
    std::vector<float> m_grown;
    std::vector<double> m_hopPower;
    std::size_t m_hopIndex = 0;
    std::atomic<std::int64_t> m_frames{0};
    std::atomic<double> m_levelDb{-120.0};
    std::atomic<std::int64_t> m_lastClip{-1};
};

} // namespace staverly
