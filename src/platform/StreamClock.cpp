// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StreamClock.h"

#include <algorithm>
#include <cmath>

StreamClock::StreamClock(double sampleRate)
    : m_nominalNsPerFrame(1e9 / sampleRate), m_nsPerFrame(m_nominalNsPerFrame)
{}

void StreamClock::reset()
{
    m_first = 0;
    m_count = 0;
    m_misses = 0;
    m_intercept = 0;
    m_nsPerFrame = m_nominalNsPerFrame;
}

void StreamClock::observe(qint64 frame, qint64 dacNs, qint64 nowNs)
{
    if (m_count > 0 && std::abs(dacNs - nsAt(frame)) > MissNs) {
        if (++m_misses < MissesToRestart)
            return;
        reset();
        ++m_restarts;
    }
    m_misses = 0;
    add({frame, dacNs, nowNs});
    fit();
}

void StreamClock::add(const Report &report)
{
    while (m_count > 0 &&
           (m_count == Capacity || this->report(0).dacNs < report.dacNs - WindowNs)) {
        m_first = (m_first + 1) % Capacity;
        --m_count;
    }
    m_reports[(m_first + m_count) % Capacity] = report;
    ++m_count;
}

bool StreamClock::isSteady() const
{
    return m_count >= 4 && m_misses == 0 && report(m_count - 1).nowNs - report(0).nowNs >= SteadyNs;
}

// Least squares over the reports, measured from the newest one and from the nominal rate,
// so every sum stays small whatever the clock reads. The rate is fitted only once the
// reports span some running; before, the nominal rate holds.
void StreamClock::fit()
{
    const Report &newest = report(m_count - 1);
    m_baseFrame = newest.frame;
    m_baseNs = newest.dacNs;
    double meanX = 0;
    double meanY = 0;
    for (int i = 0; i < m_count; ++i) {
        const double x = double(report(i).frame - m_baseFrame);
        meanX += x;
        meanY += double(report(i).dacNs - m_baseNs) - x * m_nominalNsPerFrame;
    }
    meanX /= m_count;
    meanY /= m_count;
    double slope = 0;
    if (newest.nowNs - report(0).nowNs >= SteadyNs) {
        double sxx = 0;
        double sxy = 0;
        for (int i = 0; i < m_count; ++i) {
            const double x = double(report(i).frame - m_baseFrame);
            const double y = double(report(i).dacNs - m_baseNs) - x * m_nominalNsPerFrame;
            sxx += (x - meanX) * (x - meanX);
            sxy += (x - meanX) * (y - meanY);
        }
        const double limit = MaxRateError * m_nominalNsPerFrame;
        if (sxx > 0)
            slope = std::clamp(sxy / sxx, -limit, limit);
    }
    m_nsPerFrame = m_nominalNsPerFrame + slope;
    m_intercept = meanY - slope * meanX;
}

qint64 StreamClock::nsAt(qint64 frame) const
{
    return m_baseNs + std::llround(m_intercept + double(frame - m_baseFrame) * m_nsPerFrame);
}

qint64 StreamClock::frameAt(qint64 ns) const
{
    return m_baseFrame + std::llround((double(ns - m_baseNs) - m_intercept) / m_nsPerFrame);
}
