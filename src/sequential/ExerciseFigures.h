// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One finger figure of the exercise database, for both hands.
struct ExerciseFigure {
    int index = 0; // its column in the exercise tables
    QString name;  // "Hanon1" ..
    QList<int> left, right;

    // As the exercise chooser lists it: the name padded to ten characters, then the left
    // hand's fingers and the right hand's in brackets, five blanks apart.
    QString entry() const;
};

// The twenty finger figures the sequential and rhythm windows offer: figure k is column
// "k" of `Levavezbe` (the left hand) and of `Desnavezbe` (the right hand), each read down
// to the cell "0" that ends it, and named Hanon1 to Hanon20.
namespace ExerciseFigures {

inline constexpr int Count = 20;

// The figures as the database at `path` holds them. Where it cannot be read, the figures
// keep their names and have no fingers, and `error` says why.
QList<ExerciseFigure> read(const QString &path, QString *error = nullptr);

} // namespace ExerciseFigures
