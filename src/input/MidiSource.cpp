// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/MidiSource.h"

#include "input/InputPreferences.h"

MidiSource::MidiSource(const NoteMap &map) : m_map(map) {}

void MidiSource::message(const QString &port, const QByteArray &bytes, qint64 arrivedNs)
{
    const QList<MidiDecoder::Note> notes = m_decoders[port].feed(bytes);
    for (const MidiDecoder::Note &n : notes) {
        if (n.on) {
            const bool twice = m_lastOn.note == n.note && m_lastOn.port != port &&
                               arrivedNs - m_lastOn.atNs < SameKeyNs;
            if (twice)
                continue;
            m_lastOn = {port, n.note, arrivedNs};
        }
        // A copy: a listener may remove itself.
        const auto listeners = m_listeners;
        for (const auto &listener : listeners)
            listener.second(n.note, n.velocity, n.on);
        if (!n.on || capturing() || !m_sink)
            continue;
        const auto finger = m_map.finger(n.note);
        if (!finger)
            continue;
        m_sink(FingerStrike{finger->hand, finger->finger, arrivedNs, port, quint32(n.note),
                            n.velocity, arrivedNs});
    }
}

int MidiSource::addNoteListener(NoteListener listener)
{
    const int id = m_nextListener++;
    m_listeners.append({id, std::move(listener)});
    return id;
}

void MidiSource::removeNoteListener(int id)
{
    m_listeners.removeIf([id](const auto &listener) { return listener.first == id; });
}

void MidiSource::portGone(const QString &port)
{
    m_decoders.remove(port);
    if (m_lastOn.port == port)
        m_lastOn = {};
}
