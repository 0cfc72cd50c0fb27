// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ports/FingerStrike.h"

#include <QList>
#include <QtGlobal>

#include <optional>

class RhythmGrid;

// Whether one hand, playing against the other on a different grid (two against three),
// is pulled toward the other hand's grid.
//
// A strike is pulled when it lies closer to the other hand's nearest grid time than to its
// own hand's nearest one. Grid times the two hands share (every beat, at least) are left
// out: a strike whose own nearest time is shared is not counted, and shared times are no
// target. Chance is the same count with the other grid moved against the strikes by Shifts
// offsets spread evenly over a beat (never zero), averaged: what a hand placed as
// precisely, but blind to the other's grid, would show.
//
// value() = 100 * (pulled - chance) / (counted - chance), at least 0: 0 when no more
// strikes are pulled than chance gives, 100 when every one is. Feed it every strike of the
// pulled hand (RhythmJudge::strikeTimes).
class PolyrhythmPull {
public:
    static constexpr int Shifts = 48;
    static constexpr int MinStrikes = 12;

    // How far `pulled` is drawn toward the other hand's grid.
    explicit PolyrhythmPull(const RhythmGrid &grid, Hand pulled);

    void add(qint64 strikeNs);
    void add(const QList<qint64> &strikesNs);

    int counted() const { return m_counted; }
    int pulledCount() const { return m_pulled; }
    double chance() const { return m_chance; }
    // Empty with fewer than MinStrikes counted, or where the grids leave nothing apart.
    std::optional<double> value() const;

private:
    QList<qint64> m_own;
    QList<bool> m_ownShared;
    QList<qint64> m_other; // the other hand's grid times it does not share
    qint64 m_beatNs = 0;
    int m_counted = 0;
    int m_pulled = 0;
    double m_chance = 0;
};
