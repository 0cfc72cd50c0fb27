// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/PracticeEvent.h"

#include <QDateTime>
#include <QList>

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
