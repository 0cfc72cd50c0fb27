// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The kinds of exercise, one for each exercise window. Each has a stable id, the one the
// practice history, its CSV and the event trace store; it never changes once written.
enum class ExerciseKind { Random, Sequential, Memory, Preschool, Adaptive, Rhythm, Count };

namespace ExerciseKinds {

// Every kind, in the order the windows are offered.
std::array<ExerciseKind, std::size_t(ExerciseKind::Count)> all();
QString id(ExerciseKind kind);
std::optional<ExerciseKind> fromId(QStringView id);
// Whether the fingers follow a set sequence (an exercise table), so that the time from one
// finger to the next says something about the pair.
bool followsSequences(ExerciseKind kind);
// Whether the kind of this id is played in time with a grid: its strikes have no reaction
// time, and a right finger may still be judged wrong (out of time).
bool playedInTime(const QString &id);

} // namespace ExerciseKinds
