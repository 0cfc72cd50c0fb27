// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <array>

// Where an output stream's frames meet the monotonic clock. Each buffer the output asks for
// comes with the time its first frame reaches the speaker; a straight line is fitted
// through the last two seconds of these reports (frame against time), so the sound card's
// own rate is followed: a card a little fast or slow against the monotonic clock moves no
// click over minutes, and no single report moves the line much. A report that misses the
// line by more than a millisecond is set aside; three in a row begin a new line (the stream
// stalled or skipped).
class StreamClock {
public:
    static constexpr int Capacity = 512;
    static constexpr qint64 WindowNs = 2'000'000'000;
    static constexpr qint64 MissNs = 1'000'000;
    static constexpr int MissesToRestart = 3;
    // The first buffers are taken all at once, before anything plays: the line is trusted
    // only once its reports span this much running.
    static constexpr qint64 SteadyNs = 100'000'000;
    // A fitted rate further than this from the nominal one is a bad fit, not a sound card.
    static constexpr double MaxRateError = 0.002;

    explicit StreamClock(double sampleRate);

    // The buffer that starts at frame reaches the speaker at dacNs, as reported at nowNs.
    void observe(qint64 frame, qint64 dacNs, qint64 nowNs);
    void reset();

    bool isSteady() const;
    bool isEmpty() const { return m_count == 0; }
    // The time the frame reaches the speaker, and the frame that reaches it at ns (the
    // nearest); both from the line, so they may look ahead or back.
    qint64 nsAt(qint64 frame) const;
    qint64 frameAt(qint64 ns) const;
    double framesPerSecond() const { return 1e9 / m_nsPerFrame; }
    int restarts() const { return m_restarts; }

private:
    struct Report {
        qint64 frame = 0;
        qint64 dacNs = 0;
        qint64 nowNs = 0;
    };
    const Report &report(int i) const { return m_reports[(m_first + i) % Capacity]; }
    void add(const Report &report);
    void fit();

    double m_nominalNsPerFrame;
    std::array<Report, Capacity> m_reports{};
    int m_first = 0;
    int m_count = 0;
    int m_misses = 0;
    int m_restarts = 0;
    // The line: frame m_baseFrame at m_baseNs + m_intercept, m_nsPerFrame apart.
    qint64 m_baseFrame = 0;
    qint64 m_baseNs = 0;
    double m_intercept = 0;
    double m_nsPerFrame;
};
