// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <aubio/aubio.h>
#include <cstdint>
#include <vector>

namespace staverly {

class SampleRing;

// Hann-windowed magnitude spectrum of one window length.
class Spectrum
{
public:
    explicit Spectrum(int size);
    ~Spectrum();
    Spectrum(const Spectrum &) = delete;
    Spectrum &operator=(const Spectrum &) = delete;

    int size() const { return m_size; }
    // Magnitudes of bins 0..size/2 of the window ending just before `endFrame`.
    void compute(const SampleRing &ring, std::int64_t endFrame, std::vector<float> &magnitudes);
    // The same of a shorter window, `length` frames (at most size()), padded
    // with silence: it can start exactly where a sound began.
    void compute(const SampleRing &ring, std::int64_t endFrame, int length, std::vector<float> &magnitudes);

private:
    int m_size;
    std::vector<float> m_window;
    aubio_fft_t *m_fft;
    fvec_t *m_input;
    cvec_t *m_output;
};

} // namespace staverly
