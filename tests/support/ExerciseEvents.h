// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/PracticeEvent.h"

#include <QDateTime>
#include <QList>
#include <QVariantMap>

#include <algorithm>

// When the made-up exercises of the history tests began.
inline const QDateTime Started(QDate(2026, 12, 8), QTime(17, 30), Qt::OffsetFromUTC, 3600);

// One exercise of `strikes` strikes a hand, as the drills report it.
inline QList<PracticeEvent> exercise(quint64 number, int strikes,
                                     const QString &player = QStringLiteral("Mira"),
                                     bool finished = true)
{
    QList<PracticeEvent> events;
    PracticeEvent start;
    start.type = PracticeEvent::Type::ExerciseStarted;
    start.exercise = number;
    start.kind = QStringLiteral("random");
    start.player = player;
    start.wallClock = Started.addSecs(qint64(number) * 600);
    start.timeNs = 1'000'000'000;
    events << start;
    for (int i = 1; i <= strikes; ++i) {
        for (Hand h : {Hand::Left, Hand::Right}) {
            PracticeEvent shown;
            shown.type = PracticeEvent::Type::TaskShown;
            shown.exercise = number;
            shown.hand = h;
            shown.task = i;
            shown.expected = i % 5 + 1;
            shown.timeNs = start.timeNs + qint64(i) * 1'000'000'000;
            events << shown;
            PracticeEvent strike = shown;
            strike.type = PracticeEvent::Type::Strike;
            strike.struck = i % 7 == 0 ? shown.expected % 5 + 1 : shown.expected;
            strike.right = strike.struck == shown.expected;
            strike.reactionMs = 300 + i;
            strike.points = strike.right ? 5 : 0;
            // The right hand plays a MIDI keyboard, whose strikes carry a velocity.
            strike.device = h == Hand::Right ? QStringLiteral("midi") : QStringLiteral("keyboard");
            strike.velocity = h == Hand::Right ? 40 + i : -1;
            strike.timeNs = shown.timeNs + 300'000'000;
            events << strike;
        }
    }
    if (finished) {
        PracticeEvent end;
        end.type = PracticeEvent::Type::ExerciseFinished;
        end.exercise = number;
        events << end;
    }
    return events;
}

// A rhythm exercise as its drill reports it: the left hand two notes a beat, the right
// three, at `bpm`; the second half of the left hand's notes in silent bars. Each strike
// comes off its note's time by `lateMs` for the fourth finger and by a few milliseconds
// either way for the others; the right hand leaves its fifth note unplayed.
inline QList<PracticeEvent> rhythmExercise(quint64 number, const QString &figure, int bpm,
                                           bool clean, double lateMs = 30,
                                           const QString &player = QStringLiteral("Mira"))
{
    QList<PracticeEvent> events;
    PracticeEvent start;
    start.type = PracticeEvent::Type::ExerciseStarted;
    start.exercise = number;
    start.kind = QStringLiteral("rhythm");
    start.player = player;
    start.wallClock = Started.addSecs(qint64(number) * 600);
    start.timeNs = 1'000'000'000;
    start.parameters = {{QStringLiteral("figure"), figure},
                        {QStringLiteral("bpm"), bpm},
                        {QStringLiteral("notes_per_beat_left"), 2},
                        {QStringLiteral("notes_per_beat_right"), 3},
                        {QStringLiteral("length"), 2},
                        {QStringLiteral("length_in"), QStringLiteral("passes")},
                        {QStringLiteral("count_in"), true},
                        {QStringLiteral("silent_every"), 4},
                        {QStringLiteral("tempo_trainer"), true}};
    events << start;
    const qint64 beatNs = 60'000'000'000LL / bpm;
    for (Hand h : {Hand::Left, Hand::Right}) {
        const int perBeat = h == Hand::Left ? 2 : 3;
        const int notes = 8 * perBeat;
        for (int i = 1; i <= notes; ++i) {
            PracticeEvent shown;
            shown.type = PracticeEvent::Type::TaskShown;
            shown.exercise = number;
            shown.hand = h;
            shown.task = i;
            shown.expected = (i - 1) % 5 + 1;
            shown.dueNs = start.timeNs + 2'000'000'000 + (i - 1) * beatNs / perBeat;
            shown.silent = h == Hand::Left && i > notes / 2;
            shown.timeNs = *shown.dueNs - beatNs / perBeat / 2;
            events << shown;
            if (h == Hand::Right && i == 5)
                continue; // missed
            PracticeEvent strike = shown;
            strike.type = PracticeEvent::Type::Strike;
            strike.struck = shown.expected;
            strike.right = true;
            strike.deviationMs = shown.expected == 4 ? lateMs : (i % 2 ? 3.0 : -3.0);
            strike.points = shown.expected == 4 ? 4 : 5;
            strike.device = QStringLiteral("keyboard");
            strike.timeNs = *shown.dueNs + qint64(*strike.deviationMs * 1e6);
            events << strike;
        }
    }
    std::stable_sort(events.begin() + 1, events.end(),
                     [](const auto &a, const auto &b) { return a.timeNs < b.timeNs; });
    PracticeEvent end;
    end.type = PracticeEvent::Type::ExerciseFinished;
    end.exercise = number;
    end.parameters = {{QStringLiteral("clean"), clean}};
    events << end;
    return events;
}
