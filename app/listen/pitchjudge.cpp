// SPDX-License-Identifier: GPL-3.0-or-later
#include "pitchjudge.h"

#include <algorithm>
#include <cmath>

namespace staverly {

namespace {

constexpr double LowestMidi = 24.0;
constexpr double HighestMidi = 95.0;
constexpr double GridStep = 0.1;       // semitones
constexpr double ToleranceCents = 30.0;
constexpr double PeakRangeDb = 30.0;   // peaks this far below the strongest count
constexpr double FloorFactor = 8.0;    // and must stand this far above the noise
constexpr double NowFactor = 4.0;      // and above the valleys between partials
constexpr double Inaudible = 1e-4;     // about -80 dBFS: below any microphone's own hiss
constexpr std::size_t MaxPeaks = 24;
constexpr double HighestPartialHz = 8000.0;
constexpr double OctaveShare = 0.75;
constexpr double SpacingBelowHz = 250.0;
constexpr long MaxSpacingPartial = 15;  // in halves of the upper note
constexpr double SpacingTolerance = 0.2; // of the lower fundamental
constexpr int MinBetween = 3;
constexpr double BetweenShare = 0.15;
constexpr double OwnResidue = 0.5;
constexpr double LonePartialHz = 1000.0;
constexpr double LoneGrowth = 0.8;
// ...and stand out of everything else sounding.
constexpr double LoneProminence = 0.3;
// The program's own notes are known, but not how the speakers and the room
// bend their partials.
constexpr double OwnToleranceCents = 60.0;

double midiOf(double f0, double a4) { return 69.0 + 12.0 * std::log2(f0 / a4); }

int highestHarmonic(double f0)
{
    const int byBand = static_cast<int>(HighestPartialHz / f0);
    return std::clamp(byBand, 1, f0 < 100.0 ? 16 : 12);
}

// A quantile of each block of bins: the background a peak must stand out of.
std::vector<float> blockFloor(const std::vector<float> &before, std::size_t block, std::size_t tenths)
{
    std::vector<float> floors((before.size() + block - 1) / block);
    std::vector<float> scratch;
    for (std::size_t b = 0; b < floors.size(); ++b) {
        const auto from = before.begin() + static_cast<std::ptrdiff_t>(b * block);
        const auto to = before.begin() + static_cast<std::ptrdiff_t>(std::min(before.size(), (b + 1) * block));
        scratch.assign(from, to);
        auto nth = scratch.begin() + static_cast<std::ptrdiff_t>(scratch.size() * tenths / 10);
        std::nth_element(scratch.begin(), nth, scratch.end());
        floors[b] = *nth;
    }
    return floors;
}

} // namespace

PitchJudge::PitchJudge(double binHz, double a4)
    : m_binHz(binHz)
    , m_a4(a4)
{
}

double PitchJudge::stretchCents(double f0, int harmonic)
{
    // Strings grow stiffer towards the treble; these bound real pianos.
    const double b = f0 < 100.0 ? 3e-4 : f0 < 400.0 ? 5e-4 : 2e-3;
    return 600.0 * std::log2(1.0 + b * harmonic * harmonic);
}

double PitchJudge::refine(const std::vector<float> &spectrum, double binHz, double f0)
{
    constexpr int Harmonics = 6;
    constexpr double SearchSemitones = 0.6;
    double weight = 0.0;
    double sum = 0.0;
    for (int h = 1; h <= Harmonics; ++h) {
        const auto from = static_cast<std::size_t>(f0 * h * std::exp2(-SearchSemitones / 12.0) / binHz);
        const auto to = static_cast<std::size_t>(f0 * h * std::exp2(SearchSemitones / 12.0) / binHz) + 1;
        if (from < 1 || to + 1 >= spectrum.size())
            break;
        const auto k = static_cast<std::size_t>(
            std::max_element(spectrum.begin() + static_cast<std::ptrdiff_t>(from),
                             spectrum.begin() + static_cast<std::ptrdiff_t>(to)) - spectrum.begin());
        // A rim of the search is a slope, not a partial.
        if (k == from || k + 1 == to)
            continue;
        constexpr double Tiny = 1e-12;
        const double a = std::log(spectrum[k - 1] + Tiny);
        const double b = std::log(spectrum[k] + Tiny);
        const double c = std::log(spectrum[k + 1] + Tiny);
        const double denominator = a - 2.0 * b + c;
        const double offset = denominator < 0.0 ? std::clamp(0.5 * (a - c) / denominator, -0.5, 0.5) : 0.0;
        weight += spectrum[k];
        sum += spectrum[k] * (static_cast<double>(k) + offset) * binHz / h;
    }
    return weight > 0.0 ? sum / weight : 0.0;
}

std::vector<PitchJudge::Peak> PitchJudge::peaks(const std::vector<float> &grown,
                                                const std::vector<float> &now,
                                                const std::vector<float> &before) const
{
    constexpr std::size_t Block = 32;
    const std::vector<float> floors = blockFloor(before, Block, 3);
    const std::vector<float> nowFloors = blockFloor(now, Block, 1);
    const std::size_t first = std::max<std::size_t>(2, static_cast<std::size_t>(25.0 / m_binHz));
    const std::size_t last = std::min(grown.size() - 2, static_cast<std::size_t>(HighestPartialHz / m_binHz));
    float strongest = 0.0f;
    for (std::size_t k = first; k <= last; ++k)
        strongest = std::max(strongest, grown[k]);
    m_loudest = 0.0;
    for (std::size_t k = first; k <= last; ++k)
        m_loudest = std::max(m_loudest, static_cast<double>(now[k]));
    std::vector<Peak> found;
    if (strongest <= 0.0f)
        return found;
    const float relative = strongest * static_cast<float>(std::pow(10.0, -PeakRangeDb / 20.0));
    for (std::size_t k = first; k <= last; ++k) {
        const float m = grown[k];
        if (m <= grown[k - 1] || m < grown[k + 1])
            continue;
        if (m < relative || m < Inaudible || m < FloorFactor * floors[k / Block] || m < NowFactor * nowFloors[k / Block])
            continue;
        constexpr double Tiny = 1e-12;
        const double a = std::log(grown[k - 1] + Tiny);
        const double b = std::log(m + Tiny);
        const double c = std::log(grown[k + 1] + Tiny);
        const double denominator = a - 2.0 * b + c;
        const double offset = denominator < 0.0 ? std::clamp(0.5 * (a - c) / denominator, -0.5, 0.5) : 0.0;
        const double freq = (static_cast<double>(k) + offset) * m_binHz;
        found.push_back({freq, std::log2(freq), m, now[k]});
    }
    if (found.size() > MaxPeaks) {
        std::nth_element(found.begin(), found.begin() + MaxPeaks, found.end(),
                         [](const Peak &x, const Peak &y) { return x.mag > y.mag; });
        found.resize(MaxPeaks);
    }
    return found;
}

PitchJudge::Fit PitchJudge::fit(const std::vector<Peak> &peaks, double log2f0) const
{
    Fit result;
    const double f0 = std::exp2(log2f0);
    const int top = highestHarmonic(f0);
    for (const Peak &peak : peaks) {
        const int h = static_cast<int>(std::lround(peak.freq / f0));
        if (h < 1 || h > top)
            continue;
        const double cents = 1200.0 * (peak.log2f - log2f0 - std::log2(static_cast<double>(h)));
        const double dev = cents < 0.0 ? -cents : std::max(0.0, cents - stretchCents(f0, h));
        if (dev >= ToleranceCents)
            continue;
        const double w = 1.0 - (dev / ToleranceCents) * (dev / ToleranceCents);
        result.explained += w * peak.mag;
        result.nowExplained += w * peak.nowMag;
        ++result.partials;
        if (h <= 2)
            result.low = true;
    }
    return result;
}

PitchVerdict PitchJudge::choose(const std::vector<Peak> &peaks) const
{
    PitchVerdict verdict;
    if (peaks.empty())
        return verdict;
    const double log2a4 = std::log2(m_a4);
    const auto log2Of = [&](double midi) { return log2a4 + (midi - 69.0) / 12.0; };

    double bestMidi = 0.0;
    Fit best;
    for (double midi = LowestMidi - 0.6; midi <= HighestMidi + 0.6; midi += GridStep) {
        const Fit f = fit(peaks, log2Of(midi));
        if (f.low && f.explained > best.explained) {
            best = f;
            bestMidi = midi;
        }
    }
    if (best.explained <= 0.0)
        return verdict;

    // The highest series that explains nearly as much as the best is the
    // note; lower ones only borrowed its partials as their even or other
    // harmonics.
    const double enough = OctaveShare * best.explained;
    double chosenMidi = bestMidi;
    Fit chosen = best;
    for (double midi = HighestMidi + 0.6; midi > bestMidi + 0.5; midi -= GridStep) {
        const Fit f = fit(peaks, log2Of(midi));
        if (!f.low || f.explained < enough)
            continue;
        chosen = f;
        chosenMidi = midi;
        for (double near = midi - GridStep; near >= midi - 0.6; near -= GridStep) {
            const Fit g = fit(peaks, log2Of(near));
            if (g.low && g.explained > chosen.explained) {
                chosen = g;
                chosenMidi = near;
            }
        }
        break;
    }

    // In the bass a strong second partial can outweigh the rest; partials
    // spaced by the lower note's fundamental, between the upper's, say it
    // is the lower one.
    if (std::exp2(log2Of(chosenMidi)) < SpacingBelowHz && chosenMidi - 12.0 >= LowestMidi - 0.5) {
        const double half = std::exp2(log2Of(chosenMidi)) / 2.0;
        int between = 0;
        double betweenMagnitude = 0.0;
        for (const Peak &peak : peaks) {
            const double ratio = peak.freq / half;
            const long n = std::lround(ratio);
            if (n % 2 == 1 && n >= 3 && n <= MaxSpacingPartial && std::abs(ratio - static_cast<double>(n)) < SpacingTolerance) {
                ++between;
                betweenMagnitude += peak.mag;
            }
        }
        if (between >= MinBetween && betweenMagnitude >= BetweenShare * chosen.explained) {
            const double lower = chosenMidi - 12.0;
            chosenMidi = lower;
            chosen = fit(peaks, log2Of(lower));
            for (double near = lower - 0.5; near <= lower + 0.5; near += GridStep) {
                const Fit g = fit(peaks, log2Of(near));
                if (g.low && g.explained > chosen.explained) {
                    chosen = g;
                    chosenMidi = near;
                }
            }
        }
    }
    // The fundamental from the lowest partials, which stiffness hardly moves.
    const double f0Guess = std::exp2(log2Of(chosenMidi));
    double weight = 0.0;
    double sum = 0.0;
    double total = 0.0;
    for (const Peak &peak : peaks) {
        total += peak.mag;
        const int h = static_cast<int>(std::lround(peak.freq / f0Guess));
        if (h < 1 || h > 3)
            continue;
        const double cents = 1200.0 * std::log2(peak.freq / (f0Guess * h));
        if (std::abs(cents) < ToleranceCents + stretchCents(f0Guess, h)) {
            weight += peak.mag;
            sum += peak.mag * peak.freq / h;
        }
    }
    const double f0 = weight > 0.0 ? sum / weight : f0Guess;
    const int midi = static_cast<int>(std::lround(midiOf(f0, m_a4)));
    if (midi < LowestMidi || midi > HighestMidi)
        return verdict;
    // One lone peak is a beat or a resonance; below the top octaves a string
    // always sounds its second partial too, and above them a lone partial
    // must be freshly struck.
    if (chosen.partials < 2 && f0 < LonePartialHz)
        return verdict;
    const double growth = chosen.nowExplained > 0.0 ? std::min(1.0, chosen.explained / chosen.nowExplained) : 0.0;
    if (chosen.partials < 2 && (growth < LoneGrowth || chosen.nowExplained < LoneProminence * m_loudest))
        return verdict;
    verdict.pitched = true;
    verdict.midi = midi;
    verdict.f0 = f0;
    verdict.explained = chosen.explained / total;
    verdict.growth = growth;
    verdict.partials = chosen.partials;
    verdict.strength = chosen.explained;
    return verdict;
}

PitchVerdict PitchJudge::judge(const std::vector<float> &grown, const std::vector<float> &now,
                               const std::vector<float> &before, const std::vector<int> &masked) const
{
    std::vector<Peak> found = peaks(grown, now, before);
    double maskedMagnitude = 0.0;
    if (!masked.empty()) {
        const double log2a4 = std::log2(m_a4);
        std::erase_if(found, [&](const Peak &peak) {
            for (int note : masked) {
                const double log2f0 = log2a4 + (note - 69.0) / 12.0;
                const double f0 = std::exp2(log2f0);
                const int h = static_cast<int>(std::lround(peak.freq / f0));
                if (h < 1 || h > 20)
                    continue;
                const double cents = 1200.0 * (peak.log2f - log2f0 - std::log2(static_cast<double>(h)));
                if (cents > -OwnToleranceCents && cents < OwnToleranceCents + stretchCents(f0, h)) {
                    maskedMagnitude += peak.mag;
                    return true;
                }
            }
            return false;
        });
    }
    PitchVerdict verdict = choose(found);
    // What is left of the program's own note around its partials is no note.
    if (verdict.strength < OwnResidue * maskedMagnitude)
        verdict.pitched = false;
    return verdict;
}

PitchVerdict PitchJudge::judgeSteady(const std::vector<float> &spectrum) const
{
    const std::vector<float> silence(spectrum.size(), 0.0f);
    return choose(peaks(spectrum, spectrum, silence));
}

} // namespace staverly
