// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "adaptive/WeaknessModel.h"

#include <QDateTime>
#include <QString>

class HistoryStore;

// The weaknesses of a player's fingers from the whole practice history, in the order the
// strikes were made. A long history is read once: the model as it stood an hour ago is
// kept in the history, and the next Start reads only what came after it. The hour leaves
// out exercises whose last strikes may not be written yet.
WeaknessModel playerWeakness(HistoryStore &history, const QString &player, const QDateTime &now);
