// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace staverly {

// What the new energy of one moment looks like: the piano note whose
// harmonic series explains it best, and how well.
struct PitchVerdict
{
    bool pitched = false;
    int midi = 0;
    double f0 = 0.0;        // Hz, from the lowest partials found
    double explained = 0.0; // share of the new peaks that belong to the note
    double growth = 0.0;    // how much of the note's partials is new (0..1)
    double strength = 0.0;  // summed magnitude of the note's new partials
    int partials = 0;       // how many of its partials were found
};

// Names the note in a spectrum of new energy (what grew since just before an
// onset): partial peaks are matched against harmonic series on a fine pitch
// grid, sharp partials being allowed for inharmonic strings, and the octave is
// chosen as the highest series that still explains nearly all of the energy,
// so a missing fundamental or missing odd partials do not mislead it.
class PitchJudge
{
public:
    PitchJudge(double binHz, double a4);

    // `grown`: magnitudes that are new; `now`: the whole current spectrum;
    // `before`: the spectrum before the onset, which tells the noise floor.
    // Partials of the notes in `masked` are ignored.
    PitchVerdict judge(const std::vector<float> &grown, const std::vector<float> &now,
                       const std::vector<float> &before, const std::vector<int> &masked) const;

    // The same series test on a single spectrum, for a recording of one note.
    PitchVerdict judgeSteady(const std::vector<float> &spectrum) const;

    // The fundamental near `f0` from the lowest partials of one spectrum,
    // to a few cents; 0 when none stands out.
    static double refine(const std::vector<float> &spectrum, double binHz, double f0);

    // Where partial `harmonic` of a string of fundamental `f0` may lie above
    // harmonic * f0, in cents.
    static double stretchCents(double f0, int harmonic);

    struct Peak
    {
        double freq;
        double log2f;
        double mag;
        double nowMag;
    };
    std::vector<Peak> peaks(const std::vector<float> &grown, const std::vector<float> &now,
                            const std::vector<float> &before) const;

private:
    struct Fit
    {
        double explained = 0.0;
        double nowExplained = 0.0;
        int partials = 0;
        bool low = false;
    };
    Fit fit(const std::vector<Peak> &peaks, double log2f0) const;
    PitchVerdict choose(const std::vector<Peak> &peaks) const;

    double m_binHz;
    double m_a4;
    mutable double m_loudest = 0.0; // the strongest bin of the last spectrum looked at
};

} // namespace staverly
