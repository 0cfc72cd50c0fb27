// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MidiClickQueue.h"

#include <algorithm>

void MidiClickQueue::reset()
{
    m_waiting.clear();
    m_sent.clear();
    m_sentNext = 0;
    m_dropped = 0;
}

bool MidiClickQueue::schedule(qint64 atNs, bool accent, qint64 nowNs)
{
    const Click click{atNs, accent};
    if (sendNs(click) < nowNs) {
        ++m_dropped;
        return false;
    }
    // After the clicks of the same time already waiting, so equal times keep their order.
    const auto at = std::upper_bound(m_waiting.begin(), m_waiting.end(), atNs,
                                     [](qint64 t, const Click &c) { return t > c.atNs; });
    m_waiting.insert(at, click);
    return true;
}

void MidiClickQueue::clear()
{
    m_waiting.clear();
}

std::optional<qint64> MidiClickQueue::nextSendNs() const
{
    if (m_waiting.empty())
        return std::nullopt;
    return sendNs(m_waiting.back());
}

std::optional<MidiClickQueue::Click> MidiClickQueue::takeDue(qint64 nowNs)
{
    while (!m_waiting.empty() && sendNs(m_waiting.back()) <= nowNs) {
        const Click click = m_waiting.back();
        m_waiting.pop_back();
        if (nowNs - sendNs(click) <= LateNs)
            return click;
        ++m_dropped;
    }
    return std::nullopt;
}

void MidiClickQueue::sent(const Click &click, qint64 sentNs)
{
    const ClickTrack::Placed placed{click.atNs, sentNs, sentNs + m_offsetNs, click.accent, true};
    if (int(m_sent.size()) < KeptClicks)
        m_sent.push_back(placed);
    else
        m_sent[std::size_t(m_sentNext)] = placed;
    m_sentNext = (m_sentNext + 1) % KeptClicks;
}

std::optional<ClickTrack::Placed> MidiClickQueue::placed(qint64 plannedNs) const
{
    // The newest first: a drill asks about the clicks it has just heard.
    const int n = int(m_sent.size());
    for (int back = 0; back < n; ++back) {
        const ClickTrack::Placed &click = m_sent[std::size_t((m_sentNext - 1 - back + n) % n)];
        if (click.plannedNs == plannedNs)
            return click;
    }
    return std::nullopt;
}
