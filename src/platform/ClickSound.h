// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The metronome's two clicks, made in memory for the output's sample rate: a sine burst
// that starts at its full height on its first sample (so the click's time is that sample)
// and dies away within LengthMs; the accent is a fifth higher.
class ClickSound {
public:
    static constexpr double LengthMs = 15.0;
    static constexpr double PlainHz = 1000.0;
    static constexpr double AccentHz = 1500.0;
    static constexpr float Peak = 0.5f;

    explicit ClickSound(int sampleRate);

    const std::vector<float> &samples(bool accent) const { return accent ? m_accent : m_plain; }
    int sampleRate() const { return m_sampleRate; }

private:
    static std::vector<float> burst(int sampleRate, double hz);

    int m_sampleRate;
    std::vector<float> m_plain;
    std::vector<float> m_accent;
};
