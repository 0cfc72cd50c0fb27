// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QVariantMap>

#include <optional>

// One thing that happened in an exercise, as the drill core reports it. Which fields are
// filled depends on the type; times are on the monotonic clock.
struct PracticeEvent {
    enum class Type {
        ExerciseStarted,   // kind, parameters, player, wallClock
        TaskShown,         // hand, task, expected, memorize, dueNs, silent
        Strike,            // hand, task, struck, expected, right, anticipated, reactionMs,
                           // ticks, points, memorize, device, code, velocity, deviationMs,
                           // dueNs, silent
        HandEnded,         // hand, score, tasks
        ExerciseFinished,  // leftScore, rightScore, totalScore, parameters (the outcome)
        ExerciseAbandoned, // reason
    };
    Type type = Type::ExerciseStarted;
    qint64 timeNs = 0;
    // Which exercise it belongs to: a number of this run of the program, new at every
    // Start, so the events of two windows' exercises never mix.
    quint64 exercise = 0;

    QString kind; // "random", "sequential", "memory", "preschool", "adaptive", "rhythm"
    QVariantMap parameters;
    QString player;
    QDateTime wallClock;

    Hand hand = Hand::Left;
    int task = 0;          // the hand's task number in this exercise, from 1
    int expected = 0;      // the finger the task asks for; 0 when it asks for none
    bool memorize = false; // a note shown to be remembered, not played for points
    int struck = 0;
    bool right = false;
    // The strike came before its task was shown (a key released during the start sound):
    // it has no reaction time.
    bool anticipated = false;
    std::optional<double> reactionMs;
    int ticks = 0;
    int points = 0;
    QString device;
    quint32 code = 0;
    int velocity = -1;
    // A strike played in time: how far from its note's time on the grid (ms, negative
    // early). It has no reaction time.
    std::optional<double> deviationMs;
    // A note played in time (TaskShown, and the Strike that answered it): when it is due
    // on the grid, and whether its bar's click was silent.
    std::optional<qint64> dueNs;
    bool silent = false;

    int score = 0;
    int tasks = 0;
    int leftScore = 0;
    int rightScore = 0;
    int totalScore = 0;
    QString reason; // "restarted", "closed"

    static QString typeName(Type type);
    // One line of the event trace: an object with a "type" field and the fields of that
    // type.
    QJsonObject toJson() const;
};
