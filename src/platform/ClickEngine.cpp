// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClickEngine.h"

#include <algorithm>

namespace {

// Clicks overlap only when scheduled closer than their length; a few at once is plenty.
constexpr std::size_t MaxSounding = 16;

} // namespace

ClickEngine::ClickEngine(int sampleRate, int channels)
    : m_sound(sampleRate), m_channels(channels), m_kept(KeptClicks), m_clock(sampleRate)
{
    m_sounding.reserve(MaxSounding);
}

void ClickEngine::schedule(qint64 atNs, bool accent)
{
    const std::lock_guard lock(m_mutex);
    const auto at = std::upper_bound(m_waiting.begin(), m_waiting.end(), atNs,
                                     [](qint64 ns, const Waiting &w) { return ns > w.atNs; });
    m_waiting.insert(at, {atNs, accent});
}

void ClickEngine::clear()
{
    const std::lock_guard lock(m_mutex);
    m_waiting.clear();
}

std::optional<ClickTrack::Placed> ClickEngine::placed(qint64 plannedNs) const
{
    const std::lock_guard lock(m_mutex);
    for (int i = 0; i < m_keptCount; ++i) {
        if (kept(i).click.plannedNs == plannedNs)
            return kept(i).click;
    }
    return std::nullopt;
}

int ClickEngine::droppedCount() const
{
    const std::lock_guard lock(m_mutex);
    return m_dropped;
}

qint64 ClickEngine::outputLatencyNs() const
{
    const std::lock_guard lock(m_mutex);
    return m_latencyNs;
}

int ClickEngine::clockRestarts() const
{
    const std::lock_guard lock(m_mutex);
    return m_clock.restarts();
}

double ClickEngine::framesPerSecond() const
{
    const std::lock_guard lock(m_mutex);
    return m_clock.framesPerSecond();
}

void ClickEngine::setVolume(double gain)
{
    const std::lock_guard lock(m_mutex);
    m_gain = std::clamp(gain, 0.0, 1.0);
}

void ClickEngine::setLatencyOffsetNs(qint64 offsetNs)
{
    const std::lock_guard lock(m_mutex);
    m_offsetNs = offsetNs;
}

void ClickEngine::render(float *out, int frames, qint64 dacNs, qint64 nowNs)
{
    std::fill(out, out + qsizetype(frames) * m_channels, 0.0f);
    float gain = 0;
    {
        const std::lock_guard lock(m_mutex);
        m_clock.observe(m_nextFrame, dacNs, nowNs);
        m_latencyNs = dacNs - nowNs;
        gain = float(m_gain);
        place(frames, nowNs, m_offsetNs);
        follow(nowNs);
    }
    const qint64 end = m_nextFrame + frames;
    for (const Sounding &s : m_sounding) {
        const std::vector<float> &samples = m_sound.samples(s.accent);
        const qint64 last = std::min<qint64>(end, s.frame + qint64(samples.size()));
        for (qint64 f = std::max(s.frame, m_nextFrame); f < last; ++f) {
            float *frame = out + (f - m_nextFrame) * m_channels;
            for (int c = 0; c < m_channels; ++c)
                frame[c] += gain * samples[std::size_t(f - s.frame)];
        }
    }
    std::erase_if(m_sounding, [&](const Sounding &s) {
        return s.frame + qint64(m_sound.samples(s.accent).size()) <= end;
    });
    m_nextFrame = end;
}

// Takes the waiting clicks whose first sample falls in this buffer. One that should have
// started in a buffer already written is dropped: late, it would mislead the player more
// than a missing one. Until the stream's clock is steady nothing is placed, and only what
// has passed is dropped.
void ClickEngine::place(int frames, qint64 nowNs, qint64 offsetNs)
{
    while (!m_waiting.empty()) {
        const Waiting next = m_waiting.back();
        const qint64 target = next.atNs - offsetNs;
        if (!m_clock.isSteady()) {
            if (target >= nowNs)
                return;
            m_waiting.pop_back();
            ++m_dropped;
            continue;
        }
        const qint64 frame = m_clock.frameAt(target);
        if (frame >= m_nextFrame + frames)
            return;
        m_waiting.pop_back();
        if (frame < m_nextFrame || m_sounding.size() == MaxSounding) {
            ++m_dropped;
            continue;
        }
        m_sounding.push_back({frame, next.accent});
        Kept &k = m_kept[m_keptNext];
        m_keptNext = (m_keptNext + 1) % KeptClicks;
        m_keptCount = std::min(m_keptCount + 1, KeptClicks);
        m_unsounded = std::min(m_unsounded + 1, KeptClicks);
        const qint64 left = m_clock.nsAt(frame);
        k = {{next.atNs, left, left + offsetNs, next.accent, false}, frame};
    }
}

// The clicks placed but not yet sounded take the line's newest word on when they leave;
// once that time has passed, their figures stay.
void ClickEngine::follow(qint64 nowNs)
{
    for (int i = m_unsounded - 1; i >= 0; --i) {
        Kept &k = kept(i);
        const qint64 left = m_clock.nsAt(k.frame);
        k.click.heardNs += left - k.click.leftNs;
        k.click.leftNs = left;
        if (k.click.leftNs <= nowNs && i == m_unsounded - 1) {
            k.click.sounded = true;
            --m_unsounded;
        }
    }
}
