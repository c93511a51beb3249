// SPDX-License-Identifier: GPL-3.0-or-later
#include "pianolistener.h"

#include "onsetfinder.h"
#include "ownsounds.h"
#include "pitchjudge.h"
#include "samplering.h"
#include "spectrum.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace staverly {

namespace {

constexpr std::array<int, 4> WindowSizes{1024, 2048, 4096, 8192};
constexpr std::size_t RingFrames = 32768;
constexpr double LevelMs = 100.0;
constexpr float FullScale = 0.999f;
// The spectrum "before" ends this early, clear of an attack found late.
constexpr std::int64_t BeforeMargin = 512;
// What was there before may have grown a little by itself (beats, noise).
constexpr float BeforeAllowance = 1.2f;
// A window resolves partials this many bins apart.
constexpr double ResolvedBins = 2.0;
constexpr double MinExplained = 0.55;
constexpr double MinGrowth = 0.55;
// Below middle C a string sounds at least this many partials.
constexpr double RichBelowHz = 250.0;
constexpr int RichPartials = 4;
// The growing window's estimate of a settled pitch moves a little.
constexpr double SteadyCents = 12.0;
// A key's pitch shows within this many times the window its partials need,
// or this long, after its attack.
constexpr double LateFactor = 3.0;
constexpr double LateMs = 75.0;
constexpr int Agreeing = 3;
// Two agreeing windows are enough when the evidence is strong: a full
// series, most of it explained and nearly all of it new, and a sound that
// jumped out of the room.
constexpr int StrongAgreeing = 2;
constexpr int StrongPartials = 3;
constexpr double StrongExplained = 0.6;
constexpr double StrongGrowth = 0.85;
constexpr double StrongRiseDb = 12.0;
constexpr double MergeMs = 60.0;
// Attacks found this soon after one still undecided may be its own beating.
constexpr double BeatingMs = 150.0;
constexpr double GiveUpMs = 300.0;
constexpr double SameKeyMs = 150.0;
constexpr double RecentMs = 2000.0;
constexpr double AttackMs = 50.0;
// A string holds its pitch after the attack; a voice glides. Two long
// windows this far apart tell them, long after the note was answered.
constexpr double GlideFromMs = 100.0;
constexpr double GlideToMs = 160.0;
constexpr double GlideCents = 20.0;
// Glides this close together are someone talking, until this long after the
// last; once talking, one more glide is enough.
constexpr double VoicesMs = 3000.0;
constexpr std::size_t Voices = 2;
constexpr double TalkMs = 8000.0;
// While someone talks, a key must sound this much louder than the voice.
constexpr double TalkMarginDb = 10.0;
constexpr int PowerFrames = 1024;
constexpr std::int64_t RiseBeforeFrames = 4 * PowerFrames;
constexpr double MinRiseDb = 2.5;
constexpr double BandLowHz = 100.0;
constexpr double BandHighHz = 8000.0;
constexpr double BandRise = 4.0; // power, 6 dB
constexpr int BroadBands = 4;    // of the thirteen half-octaves
constexpr std::size_t GlideWindow = 2; // index of the 4096 window
// The piano's own tuning is learnt from the settled pitch of keys heard:
// the first keys count fully, later ones this much.
constexpr double TuneWeight = 0.25;
constexpr double TuneMaxCents = 60.0;
constexpr double A4Lowest = 415.0;
constexpr double A4Highest = 466.0;

std::array<std::int64_t, 128> filled(std::int64_t value)
{
    std::array<std::int64_t, 128> all;
    all.fill(value);
    return all;
}

std::int64_t msFrames(double ms, int sampleRate)
{
    return static_cast<std::int64_t>(ms * sampleRate / 1000.0);
}

// Half-octave bands whose power grew clearly since before the onset.
int risenBands(const std::vector<float> &now, const std::vector<float> &before, double binHz)
{
    int risen = 0;
    for (double low = BandLowHz; low < BandHighHz; low *= std::numbers::sqrt2) {
        const auto from = static_cast<std::size_t>(low / binHz);
        const auto to = std::min(now.size(), static_cast<std::size_t>(low * std::numbers::sqrt2 / binHz));
        double grown = 0.0;
        double was = 0.0;
        for (std::size_t k = from; k < to; ++k) {
            grown += static_cast<double>(now[k]) * now[k];
            was += static_cast<double>(before[k]) * before[k];
        }
        if (grown > BandRise * was)
            ++risen;
    }
    return risen;
}

} // namespace

struct PianoListener::Watch
{
    std::int64_t onset = 0;
    double f0 = 0.0;
    double early = 0.0;
    double peak = 0.0;
    bool heard = false;
};

struct PianoListener::Pending
{
    std::int64_t onset = 0;
    std::int64_t lastEnd = -1;
    int lastMidi = -1;
    double lastF0 = 0.0;
    int agreeing = 0;
    double seenF0 = 0.0;
    std::array<std::int64_t, 128> firstHeard = filled(-1); // by MIDI note
    bool fitted = false;
    bool heard = false;
};

PianoListener::PianoListener(int sampleRate, double a4)
    : m_sampleRate(sampleRate)
    , m_a4(std::clamp(a4, A4Lowest - 10.0, A4Highest + 10.0))
    , m_ring(std::make_unique<SampleRing>(RingFrames))
    , m_own(std::make_unique<OwnSounds>(sampleRate))
    , m_onsets(std::make_unique<OnsetFinder>(sampleRate, BlockFrames))
    , m_hopPower(static_cast<std::size_t>(std::max(1.0, LevelMs * sampleRate / 1000.0 / BlockFrames)), 0.0)
{
    for (int size : WindowSizes)
        m_spectra.push_back(std::make_unique<Spectrum>(size));
    m_block.reserve(BlockFrames);
}

PianoListener::~PianoListener() = default;

void PianoListener::setA4(double a4)
{
    m_tuneCents = 0.0;
    m_tuneHeard = 0;
    m_a4.store(std::clamp(a4, A4Lowest - 10.0, A4Highest + 10.0));
}

std::vector<HeardNote> PianoListener::feed(const float *samples, std::size_t frames)
{
    std::vector<HeardNote> heard;
    std::size_t taken = 0;
    while (taken < frames) {
        const std::size_t room = BlockFrames - m_block.size();
        const std::size_t count = std::min(room, frames - taken);
        m_block.insert(m_block.end(), samples + taken, samples + taken + count);
        taken += count;
        if (m_block.size() == BlockFrames) {
            hop(m_block.data(), heard);
            m_block.clear();
        }
    }
    m_frames.store(m_ring->end() + static_cast<std::int64_t>(m_block.size()));
    return heard;
}

void PianoListener::hop(const float *samples, std::vector<HeardNote> &heard)
{
    m_ring->push(samples, BlockFrames);
    const std::int64_t now = m_ring->end();

    double power = 0.0;
    bool full = false;
    for (int i = 0; i < BlockFrames; ++i) {
        power += static_cast<double>(samples[i]) * samples[i];
        full = full || std::abs(samples[i]) >= FullScale;
    }
    m_hopPower[m_hopIndex] = power / BlockFrames;
    m_hopIndex = (m_hopIndex + 1) % m_hopPower.size();
    double mean = 0.0;
    for (double p : m_hopPower)
        mean += p;
    mean /= static_cast<double>(m_hopPower.size());
    m_levelDb.store(mean > 1e-12 ? 10.0 * std::log10(mean) : -120.0);
    if (full)
        m_lastClip.store(now);

    if (const auto onset = m_onsets->push(samples))
        startPending(*onset);

    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (evaluate(**it, heard)) {
            watch(**it);
            it = m_pending.erase(it);
        } else {
            ++it;
        }
    }
    followWatches();
    const std::int64_t keep = msFrames(RecentMs, m_sampleRate);
    std::erase_if(m_recent, [&](const HeardNote &note) { return note.onsetFrame < now - keep; });
    m_own->forget(now - keep);
}

void PianoListener::startPending(std::int64_t onset)
{
    // Until a window of the room has been heard there is nothing to tell a
    // new sound from.
    if (onset < BeforeMargin + WindowSizes.front() || m_own->clipAt(onset))
        return;
    const std::int64_t merge = msFrames(MergeMs, m_sampleRate);
    for (const auto &pending : m_pending) {
        if (std::abs(pending->onset - onset) >= merge)
            continue;
        // What started it had no pitch: the attack is this one.
        if (!pending->fitted && onset > pending->onset) {
            *pending = Pending{};
            pending->onset = onset;
        }
        return;
    }
    for (const HeardNote &note : m_recent) {
        if (std::abs(note.onsetFrame - onset) < merge)
            return;
    }
    auto pending = std::make_unique<Pending>();
    pending->onset = onset;
    m_pending.push_back(std::move(pending));
}

bool PianoListener::evaluate(Pending &pending, std::vector<HeardNote> &heard)
{
    const std::int64_t now = m_ring->end();
    // A later attack cuts this one short; soon after its own attack only
    // once it shows a key of its own: a bass string's beating crosses the
    // attack threshold again while its octave is still being told.
    std::int64_t cap = std::numeric_limits<std::int64_t>::max();
    const std::int64_t soon = msFrames(BeatingMs, m_sampleRate);
    for (const auto &other : m_pending) {
        if (other->onset > pending.onset && (other->fitted || other->onset - pending.onset >= soon))
            cap = std::min(cap, other->onset);
    }
    for (const HeardNote &note : m_recent) {
        if (note.onsetFrame > pending.onset)
            cap = std::min(cap, note.onsetFrame);
    }
    const std::int64_t end = std::min(now, cap);
    if (end <= pending.lastEnd)
        return true; // cut short by a later attack and still undecided
    pending.lastEnd = end;
    const std::int64_t post = end - pending.onset;
    const bool last = post > msFrames(GiveUpMs, m_sampleRate) || end < now;

    // The window starts at the attack, so that all of it is the new sound
    // and its pitch holds still while the window grows; what rang before is
    // seen through a window as long, just before the attack.
    if (post < WindowSizes.front() / 2)
        return last;
    const int length = static_cast<int>(std::min<std::int64_t>(post, WindowSizes.back()));
    std::size_t index = 0;
    while (WindowSizes[index] < length)
        ++index;
    Spectrum &spectrum = *m_spectra[index];
    spectrum.compute(*m_ring, end, length, m_now);
    const auto heardBefore = static_cast<int>(std::min<std::int64_t>(length, pending.onset - BeforeMargin));
    spectrum.compute(*m_ring, pending.onset - BeforeMargin, heardBefore, m_before);
    const std::vector<float> &before = m_before;
    m_grown.resize(m_now.size());
    for (std::size_t k = 0; k < m_now.size(); ++k)
        m_grown[k] = std::max(0.0f, m_now[k] - BeforeAllowance * before[k]);

    const PitchJudge judge(static_cast<double>(m_sampleRate) / spectrum.size(),
                           m_a4.load() * std::exp2(m_tuneCents / 1200.0));
    const PitchVerdict verdict = judge.judge(m_grown, m_now, before, m_own->notesDuring(pending.onset - BeforeMargin, end));
    const double resolvable = ResolvedBins * m_sampleRate / static_cast<double>(length);
    // Below middle C a struck string sounds a rich series; a voice's murmur
    // or one resonance of the room shows a partial or two.
    const bool rich = verdict.f0 >= RichBelowHz || verdict.partials >= RichPartials;
    const bool fits = verdict.pitched && verdict.f0 >= resolvable && verdict.explained >= MinExplained
        && verdict.growth >= MinGrowth && rich;
    if (verdict.pitched) {
        pending.seenF0 = verdict.f0;
        auto &first = pending.firstHeard[static_cast<std::size_t>(verdict.midi)];
        if (first < 0)
            first = post;
    }
    pending.fitted = pending.fitted || fits;
    if (!fits) {
        pending.lastMidi = -1;
        pending.agreeing = 0;
        return last;
    }
    // A string holds its pitch; a voice glides.
    const bool steady = verdict.midi == pending.lastMidi
        && std::abs(1200.0 * std::log2(verdict.f0 / pending.lastF0)) < SteadyCents;
    pending.agreeing = steady ? pending.agreeing + 1 : 1;
    pending.lastMidi = verdict.midi;
    if (!steady)
        pending.lastF0 = verdict.f0;
    // ...and a window that resolves the partials of the octave below.
    const bool strong = pending.agreeing >= StrongAgreeing && verdict.f0 / 2.0 >= resolvable
        && verdict.partials >= StrongPartials
        && verdict.explained >= StrongExplained && verdict.growth >= StrongGrowth
        && attackRise(pending.onset, end) >= StrongRiseDb;
    if (pending.agreeing < Agreeing && !strong)
        return last;
    // A string sounds its pitch from the hammer's blow on, as soon as a
    // window can tell it; a voice finds its pitch after the consonant that
    // was taken for the attack.
    const double resolvedAfter = ResolvedBins * m_sampleRate / verdict.f0;
    const auto lateAfter = static_cast<std::int64_t>(
        std::max(LateFactor * resolvedAfter, static_cast<double>(msFrames(LateMs, m_sampleRate))));
    if (!heardFrom(pending, verdict.midi, lateAfter))
        return last;
    if (now < m_talkUntil) {
        double loudest = 0.0;
        for (std::int64_t at = pending.onset + PowerFrames; at <= end; at += BlockFrames)
            loudest = std::max(loudest, windowPower(at));
        if (loudest < m_talkPower * std::pow(10.0, TalkMarginDb / 10.0))
            return last;
    }
    // A partial of a ringing note that swells again is no key struck: a
    // hammer lifts the sound as a whole, or at least across many bands,
    // above what rang just before.
    if (attackRise(pending.onset, end) < MinRiseDb
        && risenBands(m_now, before, static_cast<double>(m_sampleRate) / spectrum.size()) < BroadBands)
        return true;
    const std::int64_t sameKey = msFrames(SameKeyMs, m_sampleRate);
    for (const HeardNote &note : m_recent) {
        // Its octave so soon is the same key, judged on a later window.
        if ((note.midi - verdict.midi) % 12 == 0 && std::abs(note.onsetFrame - pending.onset) < sameKey)
            return true;
    }
    const HeardNote note{verdict.midi, pending.onset, now, attackVelocity(pending.onset, end)};
    heard.push_back(note);
    m_recent.push_back(note);
    pending.heard = true;
    return true;
}

bool PianoListener::heardFrom(const Pending &pending, int midi, std::int64_t by)
{
    // The note or its octave either way: which one is told only later.
    for (int m : {midi - 12, midi, midi + 12}) {
        const std::int64_t first = m >= 0 && m < 128 ? pending.firstHeard[static_cast<std::size_t>(m)] : -1;
        if (first >= 0 && first <= by)
            return true;
    }
    return false;
}

double PianoListener::attackRise(std::int64_t onset, std::int64_t end) const
{
    double before = std::numeric_limits<double>::max();
    for (std::int64_t at = onset - BeforeMargin; at >= onset - RiseBeforeFrames; at -= PowerFrames)
        before = std::min(before, windowPower(at));
    double after = 0.0;
    for (std::int64_t at = onset + BlockFrames; at <= end; at += BlockFrames)
        after = std::max(after, windowPower(at));
    return 10.0 * std::log10((after + 1e-12) / (before + 1e-12));
}

double PianoListener::windowPower(std::int64_t end) const
{
    m_scratch.resize(PowerFrames);
    m_ring->copy(end, m_scratch.size(), m_scratch.data());
    double power = 0.0;
    for (float s : m_scratch)
        power += static_cast<double>(s) * s;
    return power / PowerFrames;
}

void PianoListener::watch(Pending &pending)
{
    if (pending.seenF0 > 0.0)
        m_watches.push_back({pending.onset, pending.seenF0, 0.0, 0.0, pending.heard});
}

void PianoListener::followWatches()
{
    const std::int64_t now = m_ring->end();
    const std::int64_t from = msFrames(GlideFromMs, m_sampleRate);
    const std::int64_t to = msFrames(GlideToMs, m_sampleRate);
    const double power = windowPower(now);
    Spectrum &spectrum = *m_spectra[GlideWindow];
    const double binHz = static_cast<double>(m_sampleRate) / spectrum.size();
    std::erase_if(m_watches, [&](Watch &w) {
        w.peak = std::max(w.peak, power);
        if (now < w.onset + from)
            return false;
        if (w.early == 0.0) {
            spectrum.compute(*m_ring, now, m_now);
            w.early = PitchJudge::refine(m_now, binHz, w.f0);
            if (w.heard && w.early > 0.0)
                learnTuning(w.early);
            return w.early == 0.0;
        }
        if (now < w.onset + to)
            return false;
        spectrum.compute(*m_ring, now, m_now);
        const double late = PitchJudge::refine(m_now, binHz, w.f0);
        if (late > 0.0 && std::abs(1200.0 * std::log2(late / w.early)) > GlideCents) {
            std::erase_if(m_voices, [&](std::int64_t at) { return at < now - msFrames(VoicesMs, m_sampleRate); });
            m_voices.push_back(now);
            if (m_voices.size() >= Voices || now < m_talkUntil) {
                m_talkPower = now < m_talkUntil ? std::max(m_talkPower, w.peak) : w.peak;
                m_talkUntil = now + msFrames(TalkMs, m_sampleRate);
            }
        }
        return true;
    });
}

void PianoListener::learnTuning(double f0)
{
    // How far the settled pitch of a key heard lies from the nearest note,
    // to within half a semitone either way.
    const double cents = 1200.0 * std::log2(f0 / m_a4.load());
    const double off = cents - 100.0 * std::round(cents / 100.0);
    double step = off - m_tuneCents;
    step -= 100.0 * std::round(step / 100.0);
    ++m_tuneHeard;
    const double weight = std::max(TuneWeight, 1.0 / m_tuneHeard);
    m_tuneCents = std::clamp(m_tuneCents + weight * step, -TuneMaxCents, TuneMaxCents);
}

float PianoListener::attackVelocity(std::int64_t onset, std::int64_t end) const
{
    const std::int64_t length = std::clamp<std::int64_t>(end - onset, 1, msFrames(AttackMs, m_sampleRate));
    std::vector<float> attack(static_cast<std::size_t>(length));
    m_ring->copy(onset + length, attack.size(), attack.data());
    double power = 0.0;
    for (float s : attack)
        power += static_cast<double>(s) * s;
    const double db = 10.0 * std::log10(power / static_cast<double>(length) + 1e-12);
    // -60 dBFS (a soft note far away) to -6 dBFS (a hard one close by).
    return static_cast<float>(std::clamp((db + 60.0) / 54.0, 0.0, 1.0));
}

void PianoListener::ownNoteOn(int midi)
{
    m_own->noteOn(midi, m_frames.load());
}

void PianoListener::ownNoteOff(int midi)
{
    m_own->noteOff(midi, m_frames.load());
}

void PianoListener::ownClip(int milliseconds)
{
    m_own->clip(milliseconds, m_frames.load());
}

double PianoListener::levelDb() const
{
    return m_levelDb.load();
}

bool PianoListener::clipping() const
{
    const std::int64_t last = m_lastClip.load();
    return last >= 0 && m_frames.load() - last <= m_sampleRate;
}

std::int64_t PianoListener::frames() const
{
    return m_frames.load();
}

std::optional<double> PianoListener::tuneA4(const float *samples, std::size_t frames, int sampleRate)
{
    constexpr int Size = 16384;
    if (frames < static_cast<std::size_t>(Size / 2) || sampleRate <= 0)
        return std::nullopt;
    // The loudest moment is the attack; its first few milliseconds are noise.
    const std::size_t hop = BlockFrames;
    std::size_t loudest = 0;
    double loudestPower = 0.0;
    for (std::size_t at = 0; at + hop <= frames; at += hop) {
        double power = 0.0;
        for (std::size_t i = at; i < at + hop; ++i)
            power += static_cast<double>(samples[i]) * samples[i];
        if (power > loudestPower) {
            loudestPower = power;
            loudest = at;
        }
    }
    if (loudestPower <= 0.0)
        return std::nullopt;
    const std::size_t from = std::min(loudest + static_cast<std::size_t>(sampleRate / 50), frames - Size / 2);
    const std::size_t count = std::min<std::size_t>(Size, frames - from);
    SampleRing ring(Size);
    std::vector<float> segment(Size, 0.0f);
    std::copy(samples + from, samples + from + count, segment.begin());
    ring.push(segment.data(), segment.size());
    Spectrum spectrum(Size);
    std::vector<float> magnitudes;
    spectrum.compute(ring, Size, magnitudes);

    const double binHz = static_cast<double>(sampleRate) / Size;
    const PitchJudge judge(binHz, 440.0);
    const PitchVerdict verdict = judge.judgeSteady(magnitudes);
    if (!verdict.pitched)
        return std::nullopt;

    // Partial h of a stiff string lies at h f0 sqrt(1 + B h^2): (p/h)^2 is
    // linear in h^2 and its intercept is f0^2.
    const std::vector<float> silence(magnitudes.size(), 0.0f);
    const auto peaks = judge.peaks(magnitudes, magnitudes, silence);
    double n = 0.0, sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    for (int h = 1; h <= 8; ++h) {
        const double expected = verdict.f0 * h;
        const PitchJudge::Peak *nearest = nullptr;
        for (const auto &peak : peaks) {
            const double cents = 1200.0 * std::log2(peak.freq / expected);
            if (cents > -40.0 && cents < 40.0 + PitchJudge::stretchCents(verdict.f0, h)
                && (!nearest || peak.mag > nearest->mag))
                nearest = &peak;
        }
        if (!nearest)
            continue;
        const double x = static_cast<double>(h) * h;
        const double y = (nearest->freq / h) * (nearest->freq / h);
        const double w = nearest->mag;
        n += w;
        sx += w * x;
        sy += w * y;
        sxx += w * x * x;
        sxy += w * x * y;
    }
    double f0 = verdict.f0;
    const double spread = n * sxx - sx * sx;
    if (n > 0.0 && spread > 1e-9 * n * sxx) {
        const double slope = std::max(0.0, (n * sxy - sx * sy) / spread);
        const double intercept = (sy - slope * sx) / n;
        if (intercept > 0.0)
            f0 = std::sqrt(intercept);
    }
    const int octave = static_cast<int>(std::lround(std::log2(f0 / 440.0)));
    if (octave < -3 || octave > 2)
        return std::nullopt;
    const double a4 = f0 / std::exp2(octave);
    if (a4 < A4Lowest - 1.0 || a4 > A4Highest + 1.0)
        return std::nullopt;
    return a4;
}

} // namespace staverly
