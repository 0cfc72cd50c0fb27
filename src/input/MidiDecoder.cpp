// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/MidiDecoder.h"

namespace {

int dataLength(quint8 status)
{
    switch (status & 0xF0) {
    case 0xC0: // program change
    case 0xD0: // channel pressure
        return 1;
    default:
        return 2;
    }
}

int systemDataLength(quint8 status)
{
    switch (status) {
    case 0xF1: // time code quarter frame
    case 0xF3: // song select
        return 1;
    case 0xF2: // song position
        return 2;
    default:
        return 0;
    }
}

} // namespace

QList<MidiDecoder::Note> MidiDecoder::feed(const QByteArray &bytes)
{
    QList<Note> notes;
    for (char c : bytes)
        byte(quint8(c), notes);
    return notes;
}

void MidiDecoder::reset()
{
    m_status = 0;
    m_have = 0;
    m_skip = 0;
    m_sysex = false;
}

void MidiDecoder::byte(quint8 value, QList<Note> &notes)
{
    if (value >= 0xF8) // real-time: leaves everything else as it was
        return;
    if (value & 0x80) {
        m_have = 0;
        m_skip = 0;
        if (value == 0xF7) { // end of system exclusive
            m_sysex = false;
            return;
        }
        m_sysex = value == 0xF0;
        if (value >= 0xF0) {
            // System messages end the running status.
            m_status = 0;
            m_skip = systemDataLength(value);
            return;
        }
        m_status = value;
        return;
    }

    if (m_sysex)
        return;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (m_status == 0)
        return;
    m_data[m_have++] = value;
    if (m_have < dataLength(m_status))
        return;
    m_have = 0;

    const int kind = m_status & 0xF0;
    const int channel = m_status & 0x0F;
    if (kind == 0x90)
        notes.append(Note{channel, m_data[0], m_data[1], m_data[1] > 0});
    else if (kind == 0x80)
        notes.append(Note{channel, m_data[0], m_data[1], false});
}
