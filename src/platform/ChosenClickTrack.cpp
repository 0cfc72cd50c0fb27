// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChosenClickTrack.h"

#include "platform/MidiClickTrack.h"

#include <QCoreApplication>

ChosenClickTrack::ChosenClickTrack(ClickTrack &soundCard, MidiClickTrack &midi)
    : m_soundCard(soundCard), m_midi(midi), m_active(&soundCard)
{}

void ChosenClickTrack::setChoice(Choice choice, Tell tell)
{
    m_choice = std::move(choice);
    m_tell = std::move(tell);
}

bool ChosenClickTrack::start()
{
    if (isRunning())
        return true;
    const QString port = m_choice ? m_choice() : QString();
    if (!port.isEmpty()) {
        m_midi.setPort(port);
        if (m_midi.start()) {
            m_active = &m_midi;
            return true;
        }
        if (port != m_told) {
            m_told = port;
            if (m_tell)
                m_tell(QCoreApplication::translate("ChosenClickTrack",
                                                   "The metronome's MIDI port %1 cannot be "
                                                   "opened: the clicks come from the sound "
                                                   "card.")
                           .arg(port));
        }
    }
    m_active = &m_soundCard;
    return m_soundCard.start();
}

void ChosenClickTrack::stop()
{
    m_active.load()->stop();
}

bool ChosenClickTrack::isRunning() const
{
    return m_active.load()->isRunning();
}

void ChosenClickTrack::schedule(qint64 atNs, bool accent)
{
    m_active.load()->schedule(atNs, accent);
}

void ChosenClickTrack::clear()
{
    m_active.load()->clear();
}

std::optional<ClickTrack::Placed> ChosenClickTrack::placed(qint64 plannedNs) const
{
    return m_active.load()->placed(plannedNs);
}

int ChosenClickTrack::droppedCount() const
{
    return m_active.load()->droppedCount();
}

qint64 ChosenClickTrack::outputLatencyNs() const
{
    return m_active.load()->outputLatencyNs();
}

void ChosenClickTrack::setVolume(double gain)
{
    m_soundCard.setVolume(gain);
    m_midi.setVolume(gain);
}

void ChosenClickTrack::setLatencyOffsetMs(double ms)
{
    m_soundCard.setLatencyOffsetMs(ms);
    m_midi.setLatencyOffsetMs(ms);
}
