// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/RhythmGrid.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

constexpr qint64 MinuteNs = 60'000'000'000;
// Moments further than this from the first beat (about eleven days) are clamped before
// they are multiplied by the tempo.
constexpr qint64 FarNs = 1'000'000'000'000'000;

// n / d rounded to the nearest integer, halves away from zero; d > 0.
qint64 roundedQuotient(qint64 n, qint64 d)
{
    return n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
}

int ceilQuotient(qint64 n, qint64 d)
{
    return int((n + d - 1) / d);
}

} // namespace

RhythmGrid::RhythmGrid(const Settings &settings) : m_settings(settings)
{
    Settings &s = m_settings;
    s.bpm = std::clamp(s.bpm, SlowestBpm, FastestBpm);
    s.beatsPerBar = std::clamp(s.beatsPerBar, 1, MostBeatsPerBar);
    s.length = std::max(s.length, 1);
    s.silentEvery = std::max(s.silentEvery, 2);
    s.silentShare = std::clamp(s.silentShare, 0.0, 1.0);
    int densest = 1;
    for (HandPart &part : s.hands) {
        part.notesPerBeat = std::clamp(part.notesPerBeat, 1, MostNotesPerBeat);
        part.figure.removeIf([](int finger) { return finger < 1 || finger > 5; });
        if (!part.figure.isEmpty())
            densest = std::max(densest, part.notesPerBeat);
    }

    m_bars = s.length;
    if (s.lengthIn == Length::Passes) {
        m_bars = 1;
        for (const HandPart &part : s.hands) {
            if (!part.figure.isEmpty())
                m_bars = std::max(m_bars, ceilQuotient(qint64(s.length) * part.figure.size(),
                                                       qint64(s.beatsPerBar) * part.notesPerBeat));
        }
    }
    m_bars = std::clamp(m_bars, 1, MostNotesPerHand / (s.beatsPerBar * densest));

    QRandomGenerator random(s.seed);
    m_silent.resize(m_bars);
    for (int bar = 1; bar < m_bars; ++bar) {
        if (s.silence == Silence::EveryNth)
            m_silent[bar] = (bar + 1) % s.silentEvery == 0;
        else if (s.silence == Silence::Random)
            m_silent[bar] = random.generateDouble() < s.silentShare;
    }

    for (int bar = s.countIn ? -1 : 0; bar < m_bars; ++bar) {
        for (int beat = 0; beat < s.beatsPerBar; ++beat) {
            Click click;
            click.timeNs = beatTimeNs(qint64(bar) * s.beatsPerBar + beat);
            click.bar = bar;
            click.beat = beat;
            click.accent = beat == 0;
            click.countIn = bar < 0;
            click.silent = silentBar(bar);
            m_clicks << click;
        }
    }

    for (Hand hand : BothHands) {
        const HandPart &part = s.hands[handIndex(hand)];
        if (part.figure.isEmpty())
            continue;
        const int perBar = s.beatsPerBar * part.notesPerBeat;
        QList<Note> &notes = m_notes[handIndex(hand)];
        notes.reserve(qsizetype(m_bars) * perBar);
        for (int i = 0; i < m_bars * perBar; ++i) {
            Note note;
            note.index = i;
            note.finger = part.figure[i % part.figure.size()];
            note.timeNs = noteTimeNs(hand, i);
            note.bar = i / perBar;
            note.silent = m_silent[note.bar];
            note.pass = int(i / part.figure.size());
            notes << note;
        }
    }
}

qint64 RhythmGrid::beatTimeNs(qint64 beat) const
{
    return m_settings.firstBeatNs + roundedQuotient(beat * MinuteNs, m_settings.bpm);
}

qint64 RhythmGrid::noteTimeNs(Hand hand, qint64 index) const
{
    const qint64 perMinute =
        qint64(m_settings.bpm) * m_settings.hands[handIndex(hand)].notesPerBeat;
    return m_settings.firstBeatNs + roundedQuotient(index * MinuteNs, perMinute);
}

qint64 RhythmGrid::beatNs() const
{
    return roundedQuotient(MinuteNs, m_settings.bpm);
}

qint64 RhythmGrid::noteIntervalNs(Hand hand) const
{
    return roundedQuotient(MinuteNs,
                           qint64(m_settings.bpm) * m_settings.hands[handIndex(hand)].notesPerBeat);
}

qint64 RhythmGrid::startNs() const
{
    return m_clicks.isEmpty() ? m_settings.firstBeatNs : m_clicks.first().timeNs;
}

qint64 RhythmGrid::endNs() const
{
    return beatTimeNs(qint64(m_bars) * m_settings.beatsPerBar);
}

int RhythmGrid::barAt(qint64 timeNs) const
{
    const qint64 since = std::clamp(timeNs - m_settings.firstBeatNs, -FarNs, FarNs);
    const qint64 barMinutes = MinuteNs * m_settings.beatsPerBar;
    const qint64 scaled = since * m_settings.bpm;
    // Floor division: a moment before the first beat lies in bar -1.
    qint64 bar = scaled >= 0 ? scaled / barMinutes : -((-scaled + barMinutes - 1) / barMinutes);
    // A bar starts at its first beat as rounded, the time its first notes and click carry.
    const qint64 beats = m_settings.beatsPerBar;
    if (beatTimeNs((bar + 1) * beats) <= timeNs)
        ++bar;
    else if (beatTimeNs(bar * beats) > timeNs)
        --bar;
    return int(std::clamp<qint64>(bar, -1, m_bars));
}

bool RhythmGrid::silentBar(int bar) const
{
    return bar >= 0 && bar < m_bars && m_silent[bar];
}
