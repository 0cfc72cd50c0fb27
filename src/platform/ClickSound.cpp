// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClickSound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The burst falls to a hundredth of its height by its end, and its last two milliseconds
// fade to nothing, so it ends without a click of its own.
constexpr double DecayMs = 3.0;
constexpr double FadeMs = 2.0;

} // namespace

ClickSound::ClickSound(int sampleRate)
    : m_sampleRate(sampleRate), m_plain(burst(sampleRate, PlainHz)),
      m_accent(burst(sampleRate, AccentHz))
{}

std::vector<float> ClickSound::burst(int sampleRate, double hz)
{
    const auto length = std::size_t(std::lround(LengthMs * sampleRate / 1000.0));
    const double fadeFrames = FadeMs * sampleRate / 1000.0;
    std::vector<float> samples(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = double(i) / sampleRate;
        const double fade = std::min(1.0, double(length - 1 - i) / fadeFrames);
        samples[i] = float(Peak * std::exp(-t * 1000.0 / DecayMs) * fade *
                           std::cos(2 * std::numbers::pi * hz * t));
    }
    return samples;
}
