// SPDX-License-Identifier: GPL-3.0-or-later
#include "spectrum.h"

#include "samplering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace staverly {

Spectrum::Spectrum(int size)
    : m_size(size)
    , m_window(static_cast<std::size_t>(size))
    , m_fft(new_aubio_fft(static_cast<uint_t>(size)))
    , m_input(new_fvec(static_cast<uint_t>(size)))
    , m_output(new_cvec(static_cast<uint_t>(size)))
{
    // Scaled so that a full-scale sine reads about 1 whatever the size.
    const double scale = 4.0 / size;
    for (int i = 0; i < size; ++i)
        m_window[static_cast<std::size_t>(i)] = static_cast<float>(
            scale * 0.5 * (1.0 - std::cos(2.0 * std::numbers::pi * i / size)));
}

Spectrum::~Spectrum()
{
    del_cvec(m_output);
    del_fvec(m_input);
    del_aubio_fft(m_fft);
}

void Spectrum::compute(const SampleRing &ring, std::int64_t endFrame, std::vector<float> &magnitudes)
{
    ring.copy(endFrame, static_cast<std::size_t>(m_size), m_input->data);
    for (int i = 0; i < m_size; ++i)
        m_input->data[i] *= m_window[static_cast<std::size_t>(i)];
    aubio_fft_do(m_fft, m_input, m_output);
    magnitudes.assign(m_output->norm, m_output->norm + m_size / 2 + 1);
}

void Spectrum::compute(const SampleRing &ring, std::int64_t endFrame, int length, std::vector<float> &magnitudes)
{
    length = std::clamp(length, 2, m_size);
    if (length == m_size) {
        compute(ring, endFrame, magnitudes);
        return;
    }
    const auto count = static_cast<std::size_t>(length);
    ring.copy(endFrame, count, m_input->data);
    // Hann by rotation: no cosine per sample.
    const double step = 2.0 * std::numbers::pi / length;
    const double c = std::cos(step);
    const double s = std::sin(step);
    double re = 1.0;
    double im = 0.0;
    const double scale = 2.0 / length;
    for (std::size_t i = 0; i < count; ++i) {
        m_input->data[i] = static_cast<float>(m_input->data[i] * scale * (1.0 - re));
        const double next = re * c - im * s;
        im = re * s + im * c;
        re = next;
    }
    std::fill(m_input->data + count, m_input->data + m_size, 0.0f);
    aubio_fft_do(m_fft, m_input, m_output);
    magnitudes.assign(m_output->norm, m_output->norm + m_size / 2 + 1);
}

} // namespace staverly
