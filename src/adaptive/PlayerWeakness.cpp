// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptive/PlayerWeakness.h"

#include "history/HistoryStore.h"

namespace {

const QString SummaryName = QStringLiteral("weakness");
constexpr qint64 SettledAfterMs = 3600 * 1000;

} // namespace

WeaknessModel playerWeakness(HistoryStore &history, const QString &player, const QDateTime &now)
{
    WeaknessModel model;
    std::optional<HistoryStore::Summary> kept = history.summary(SummaryName, player);
    if (kept) {
        if (std::optional<WeaknessModel> restored = WeaknessModel::restore(kept->state))
            model = *restored;
        else
            kept.reset(); // of another version: read everything again
    }
    const qint64 settled = now.toMSecsSinceEpoch() - SettledAfterMs;
    // The model just before the first exercise of the last hour, and the last exercise
    // it covers.
    HistoryStore::Summary next = kept.value_or(HistoryStore::Summary{});
    bool advanced = false, unsettled = false;
    HistoryFilter filter;
    filter.player = player;
    history.forEachExercise(
        filter, now,
        [&](const HistoryData &exercise) {
            const HistoryData::Session &session = exercise.sessions.first();
            const qint64 started = session.started.toMSecsSinceEpoch();
            if (!unsettled && started >= settled) {
                unsettled = true;
                next.state = model.save();
            }
            model.addHistory(exercise);
            if (!unsettled) {
                next.throughMs = started;
                next.throughId = session.id;
                advanced = true;
            }
        },
        kept ? &*kept : nullptr);
    if (advanced && history.readError().isEmpty()) {
        if (!unsettled)
            next.state = model.save();
        history.keepSummary(SummaryName, player, next);
    }
    return model;
}
