// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The practice history as it is read back: exercises, the tasks they showed and the
// strikes that answered them. Times within an exercise are milliseconds from its start;
// they are missing for exercises imported from another computer. A hand is the number the
// file holds: the program writes only Left and Right, and readers pass over any other
// (isHand).
struct HistoryData {
    // How a rhythm exercise was played: its figure, tempo and options, and whether it was
    // clean (unknown for one not finished).
    struct Rhythm {
        QString figure;
        int bpm = 0;
        int notesPerBeatLeft = 1;
        int notesPerBeatRight = 1;
        int length = 0;
        QString lengthIn; // "bars" or "passes"
        bool countIn = false;
        int silentEvery = 0; // 0: no silent bars
        bool tempoTrainer = false;
        std::optional<bool> clean;
    };
    struct Session {
        qint64 id = 0;
        QString uid; // the same on every computer the exercise was copied to
        QString player;
        QString kind; // an exercise kind's id ("random", "rhythm" ...)
        QDateTime started;
        QString status; // "finished", "abandoned", "imported"
        int leftScore = 0;
        int rightScore = 0;
        int totalScore = 0;
        std::optional<Rhythm> rhythm; // a rhythm exercise's own
    };
    struct Task {
        qint64 session = 0;
        Hand hand = Hand::Left;
        int task = 0;     // 1-based within the exercise and hand
        int expected = 0; // 0 when the task asked for no finger
        bool memorize = false;
        double shownMs = 0;
        std::optional<double> gridMs; // a note played in time: when it was due
        bool silent = false;          // its bar had no click
    };
    struct Strike {
        qint64 session = 0;
        Hand hand = Hand::Left;
        int task = 0;
        int expected = 0;
        int struck = 0;
        bool correct = false;
        bool anticipated = false;
        std::optional<double> reactionMs;
        std::optional<double> atMs;
        bool memorize = false;
        std::optional<int> velocity; // how hard a MIDI key was struck, 1..127
        // A strike played in time: when its note was due, how far from it the strike came
        // (negative early), and whether the note's bar had no click.
        std::optional<double> gridMs;
        std::optional<double> deviationMs;
        bool silent = false;
    };

    QList<Session> sessions; // in the order they started
    QList<Task> tasks;       // by session, then hand, then task
    QList<Strike> strikes;   // by session, then time
};
