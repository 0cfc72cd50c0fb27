// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the practice history back: whole for the tests and small views, exercise by
// exercise for the statistics and the adaptive drill, the summaries readers keep, and the
// players.
#include "history/HistoryStore.h"

#include "history/SqliteStatement.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Exercises handed from the thread that reads them to the one that adds them up, a few at
// a time so that a long history is never held whole.
class ExerciseQueue {
public:
    using Item = std::pair<HistoryData, bool>;

    // Waits for room; once the queue is closed, the exercise is dropped.
    void push(const HistoryData &exercise, bool before)
    {
        std::unique_lock lock(m_mutex);
        m_room.wait(lock, [this] { return m_items.size() < Capacity || m_closed; });
        if (m_closed)
            return;
        m_items.emplace_back(exercise, before);
        m_ready.notify_one();
    }
    void close()
    {
        const std::lock_guard lock(m_mutex);
        m_closed = true;
        m_ready.notify_all();
        m_room.notify_all();
    }
    // The next exercise; none once the queue is closed and empty.
    std::optional<Item> pop()
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [this] { return !m_items.empty() || m_closed; });
        if (m_items.empty())
            return std::nullopt;
        std::optional<Item> item(std::move(m_items.front()));
        m_items.pop_front();
        m_room.notify_one();
        return item;
    }

private:
    static constexpr std::size_t Capacity = 32;
    std::mutex m_mutex;
    std::condition_variable m_ready, m_room;
    std::deque<Item> m_items;
    bool m_closed = false;
};

qint64 periodLengthMs(HistoryFilter::Period period)
{
    switch (period) {
    case HistoryFilter::Period::Week:
        return qint64(7) * 86400000;
    case HistoryFilter::Period::Month:
        return qint64(30) * 86400000;
    default:
        return 0;
    }
}

} // namespace

HistoryData HistoryStore::load(const HistoryFilter &filter, const QDateTime &now) const
{
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const qint64 length = periodLengthMs(filter.period);
    const bool lastOnly = filter.period == HistoryFilter::Period::LastExercise;
    return loadBetween(filter, length ? nowMs - length : std::numeric_limits<qint64>::min(),
                       std::numeric_limits<qint64>::max(), lastOnly);
}

HistoryData HistoryStore::loadPrevious(const HistoryFilter &filter, const QDateTime &now) const
{
    const qint64 length = periodLengthMs(filter.period);
    if (!length)
        return {};
    const qint64 nowMs = now.toMSecsSinceEpoch();
    return loadBetween(filter, nowMs - 2 * length, nowMs - length, false);
}

HistoryData HistoryStore::loadBetween(const HistoryFilter &filter, qint64 fromMs, qint64 toMs,
                                      bool lastOnly) const
{
    HistoryData data;
    m_readError.clear();
    data.sessions = sessionsBetween(filter, fromMs, toMs, lastOnly);
    readExercises(data.sessions, [&data](const HistoryData &exercise) {
        data.tasks << exercise.tasks;
        data.strikes << exercise.strikes;
    });
    return data;
}

void HistoryStore::readInOrder(
    const QList<HistoryData::Session> &all,
    const std::function<void(qsizetype, const HistoryData &)> &each) const
{
    // Reading takes most of the time on a long history: two readers, each with a
    // connection of its own, take the exercises in turns of a few, and a third thread hands
    // them on in their order while the next ones are read.
    constexpr qsizetype Turn = 16;
    const auto readerOf = [](qsizetype i) { return std::size_t((i / Turn) % 2); };
    const auto share = [&](std::size_t reader) {
        QList<HistoryData::Session> mine;
        for (qsizetype i = 0; i < all.size(); ++i) {
            if (readerOf(i) == reader)
                mine << all[i];
        }
        return mine;
    };
    std::array<ExerciseQueue, 2> queues;
    std::thread handing([&] {
        for (qsizetype i = 0; i < all.size(); ++i) {
            std::optional<ExerciseQueue::Item> item = queues[readerOf(i)].pop();
            if (!item)
                break; // a reader stopped on a fault
            each(i, item->first);
        }
        // Whatever still comes is not wanted: no reader waits for room any more.
        for (ExerciseQueue &queue : queues)
            queue.close();
    });
    QString otherError;
    std::thread second([&] {
        const HistoryStore other(m_path, Mode::Read);
        if (!other.isOpen())
            otherError = QStringLiteral("a second connection to the file could not be opened");
        other.readExercises(
            share(1), [&queues](const HistoryData &exercise) { queues[1].push(exercise, false); });
        if (otherError.isEmpty())
            otherError = other.readError();
        queues[1].close();
    });
    readExercises(share(0),
                  [&queues](const HistoryData &exercise) { queues[0].push(exercise, false); });
    queues[0].close();
    second.join();
    handing.join();
    if (m_readError.isEmpty())
        m_readError = otherError;
}

void HistoryStore::forEachExercise(const HistoryFilter &filter, const QDateTime &now,
                                   const std::function<void(const HistoryData &)> &each,
                                   const Summary *after) const
{
    const qint64 length = periodLengthMs(filter.period);
    m_readError.clear();
    readInOrder(sessionsBetween(filter,
                                length ? now.toMSecsSinceEpoch() - length
                                       : std::numeric_limits<qint64>::min(),
                                std::numeric_limits<qint64>::max(),
                                filter.period == HistoryFilter::Period::LastExercise, after),
                [&each](qsizetype, const HistoryData &exercise) { each(exercise); });
}

std::optional<HistoryStore::Summary> HistoryStore::summary(const QString &name,
                                                           const QString &player) const
{
    if (!m_open)
        return std::nullopt;
    QSqlQuery query(db());
    query.prepare(QStringLiteral("SELECT state, through_ms, through_id FROM summaries"
                                 " WHERE name = ? AND player = ?"));
    query.addBindValue(name);
    query.addBindValue(player);
    // A file without the table (read only, or of an older program) has no summaries.
    if (!query.exec() || !query.next())
        return std::nullopt;
    return Summary{query.value(0).toByteArray(), query.value(1).toLongLong(),
                   query.value(2).toLongLong()};
}

void HistoryStore::keepSummary(const QString &name, const QString &player, const Summary &summary)
{
    if (!isWritable())
        return;
    // Never waited for: the recorder or another copy of the program may be writing.
    QSqlQuery(db()).exec(QStringLiteral("PRAGMA busy_timeout = 0"));
    QSqlQuery query(db());
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO summaries (name, player, through_ms,"
                                 " through_id, state) VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(name);
    query.addBindValue(player);
    query.addBindValue(summary.throughMs);
    query.addBindValue(summary.throughId);
    query.addBindValue(summary.state);
    query.exec();
    QSqlQuery(db()).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(BusyTimeoutMs));
}

StatisticsResult HistoryStore::statistics(const HistoryFilter &filter, const QDateTime &now) const
{
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const qint64 length = periodLengthMs(filter.period);
    m_readError.clear();
    const QList<HistoryData::Session> chosen = sessionsBetween(
        filter, length ? nowMs - length : std::numeric_limits<qint64>::min(),
        std::numeric_limits<qint64>::max(), filter.period == HistoryFilter::Period::LastExercise);
    const QList<HistoryData::Session> before =
        length ? sessionsBetween(filter, nowMs - 2 * length, nowMs - length, false)
               : QList<HistoryData::Session>();
    StatisticsBuilder figures(chosen.size()), previous(before.size());
    // Both periods in one pass: from chosen.size() on, the period before.
    readInOrder(chosen + before, [&](qsizetype index, const HistoryData &exercise) {
        (index >= chosen.size() ? previous : figures).add(exercise);
    });
    StatisticsResult result = figures.finish(&previous, filter);
#ifdef __GLIBC__
    // The reading threads' memory goes back to the system, or each opening of the
    // Statistics window over a long history would keep a little more.
    malloc_trim(0);
#endif
    return result;
}

QList<ClassRow> HistoryStore::classFigures(const HistoryFilter &filter, const QDateTime &now) const
{
    constexpr qint64 DayMs = 86'400'000;
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const qint64 length = periodLengthMs(filter.period);
    HistoryFilter everyone = filter;
    everyone.player.clear();
    m_readError.clear();
    // The period, the one before it, and the last 30 days for the practice counts.
    const qint64 from = length ? std::min(nowMs - 2 * length, nowMs - 30 * DayMs)
                               : std::numeric_limits<qint64>::min();
    const QList<HistoryData::Session> sessions =
        sessionsBetween(everyone, from, std::numeric_limits<qint64>::max(), false);
    struct Player {
        ClassRow row;
        QList<HistoryData::Session> chosen, before;
        std::unique_ptr<StatisticsBuilder> figures, previous;
    };
    std::map<QString, Player> players;
    const bool lastOnly = filter.period == HistoryFilter::Period::LastExercise;
    for (const HistoryData::Session &s : sessions) {
        const qint64 at = s.started.toMSecsSinceEpoch();
        Player &p = players[s.player];
        if (!length || at >= nowMs - length)
            p.chosen << s;
        else if (at >= nowMs - 2 * length)
            p.before << s;
    }
    for (auto &[name, p] : players) {
        p.row.player = name;
        if (lastOnly && !p.chosen.isEmpty())
            p.chosen = {p.chosen.last()};
        p.figures = std::make_unique<StatisticsBuilder>(p.chosen.size());
        p.previous = std::make_unique<StatisticsBuilder>(p.before.size());
    }
    QHash<qint64, bool> chosenIds, beforeIds;
    for (const auto &[name, p] : players) {
        for (const HistoryData::Session &s : p.chosen)
            chosenIds.insert(s.id, true);
        for (const HistoryData::Session &s : p.before)
            beforeIds.insert(s.id, true);
    }
    readInOrder(sessions, [&](qsizetype, const HistoryData &exercise) {
        const HistoryData::Session &s = exercise.sessions.first();
        Player &p = players[s.player];
        const qint64 at = s.started.toMSecsSinceEpoch();
        double lastMs = 0;
        for (const HistoryData::Strike &strike : exercise.strikes)
            lastMs = std::max(lastMs, strike.atMs.value_or(0));
        for (const HistoryData::Task &task : exercise.tasks)
            lastMs = std::max(lastMs, task.shownMs);
        if (at >= nowMs - 30 * DayMs) {
            ++p.row.exercisesMonth;
            p.row.minutesMonth += lastMs / 60000;
            if (at >= nowMs - 7 * DayMs) {
                ++p.row.exercisesWeek;
                p.row.minutesWeek += lastMs / 60000;
            }
        }
        if (chosenIds.contains(s.id))
            p.figures->add(exercise);
        else if (beforeIds.contains(s.id))
            p.previous->add(exercise);
    });
    QList<ClassRow> rows;
    for (auto &[name, p] : players) {
        if (p.chosen.isEmpty())
            continue; // practised only before the period
        HistoryFilter own = filter;
        own.player = name;
        const StatisticsResult before = p.previous->finish(nullptr, own);
        p.row.figures = p.figures->finish(p.previous.get(), own);
        for (Hand h : BothHands) {
            const auto &is = p.row.figures.hand(h).medianMs;
            const auto &was = before.hand(h).medianMs;
            if (length && is && was && *was > 0)
                p.row.changePercent[handIndex(h)] = (*is - *was) / *was * 100.0;
        }
        rows << p.row;
    }
    return rows;
}

QList<HistoryData::Session> HistoryStore::sessionsBetween(const HistoryFilter &filter,
                                                          qint64 fromMs, qint64 toMs, bool lastOnly,
                                                          const Summary *after) const
{
    QList<HistoryData::Session> list;
    if (!m_open)
        return list;
    const QString where =
        QStringLiteral("(COALESCE(:player1, '') = '' OR x.player = :player2)"
                       " AND (COALESCE(:kind1, '') = '' OR x.kind = :kind2)"
                       " AND x.started_epoch_ms >= :from AND x.started_epoch_ms < :to"
                       " AND (x.started_epoch_ms > :afterMs1"
                       "      OR (x.started_epoch_ms = :afterMs2 AND x.id > :afterId))"
                       " AND EXISTS (SELECT 1 FROM strikes e WHERE e.session = x.id)");
    QSqlQuery sessions(db());
    sessions.setForwardOnly(true);
    sessions.prepare(QStringLiteral("SELECT x.id, x.uid, x.player, x.kind, x.started, x.status,"
                                    " x.left_score, x.right_score, x.total_score, r.figure,"
                                    " r.bpm, r.notes_per_beat_left, r.notes_per_beat_right,"
                                    " r.length, r.length_in, r.count_in, r.silent_every,"
                                    " r.tempo_trainer, r.clean FROM sessions x"
                                    " LEFT JOIN rhythm_sessions r ON r.session = x.id"
                                    " WHERE %1 ORDER BY x.started_epoch_ms %2, x.id %2 %3")
                         .arg(where, lastOnly ? QStringLiteral("DESC") : QString(),
                              lastOnly ? QStringLiteral("LIMIT 1") : QString()));
    // Each placeholder once: the SQLite driver does not bind a name used twice. An empty
    // name binds as NULL, hence the COALESCE.
    sessions.bindValue(QStringLiteral(":player1"), filter.player);
    sessions.bindValue(QStringLiteral(":player2"), filter.player);
    sessions.bindValue(QStringLiteral(":kind1"), filter.kind);
    sessions.bindValue(QStringLiteral(":kind2"), filter.kind);
    sessions.bindValue(QStringLiteral(":from"), fromMs);
    sessions.bindValue(QStringLiteral(":to"), toMs);
    // Exercises come in the order (start, number): those after a summary's last one.
    const qint64 afterMs = after ? after->throughMs : std::numeric_limits<qint64>::min();
    sessions.bindValue(QStringLiteral(":afterMs1"), afterMs);
    sessions.bindValue(QStringLiteral(":afterMs2"), afterMs);
    sessions.bindValue(QStringLiteral(":afterId"), after ? after->throughId : qint64(-1));
    if (!sessions.exec()) {
        m_readError = sessions.lastError().text();
        std::fprintf(stderr, "moravel: practice history %s: %s\n", qPrintable(m_path),
                     qPrintable(m_readError));
        return list;
    }
    while (sessions.next()) {
        HistoryData::Session s;
        s.id = sessions.value(0).toLongLong();
        s.uid = sessions.value(1).toString();
        s.player = sessions.value(2).toString();
        s.kind = sessions.value(3).toString();
        s.started = QDateTime::fromString(sessions.value(4).toString(), Qt::ISODateWithMs);
        s.status = sessions.value(5).toString();
        s.leftScore = sessions.value(6).toInt();
        s.rightScore = sessions.value(7).toInt();
        s.totalScore = sessions.value(8).toInt();
        if (!sessions.isNull(9)) {
            HistoryData::Rhythm r;
            r.figure = sessions.value(9).toString();
            r.bpm = sessions.value(10).toInt();
            r.notesPerBeatLeft = sessions.value(11).toInt();
            r.notesPerBeatRight = sessions.value(12).toInt();
            r.length = sessions.value(13).toInt();
            r.lengthIn = sessions.value(14).toString();
            r.countIn = sessions.value(15).toBool();
            r.silentEvery = sessions.value(16).toInt();
            r.tempoTrainer = sessions.value(17).toBool();
            if (!sessions.isNull(18))
                r.clean = sessions.value(18).toBool();
            s.rhythm = r;
        }
        list << s;
    }
    if (sessions.lastError().isValid())
        m_readError = sessions.lastError().text();
    return list;
}

void HistoryStore::readExercises(const QList<HistoryData::Session> &sessions,
                                 const std::function<void(const HistoryData &)> &each) const
{
    if (!m_open || sessions.isEmpty())
        return;
    // Exercise by exercise off the primary key and the strikes' index, so that only one
    // exercise is held at a time however long the history.
    // An exercise's rows lie together in their table (each is written in one go), so they
    // are read as a stretch of rows between its first and last, not looked up one by one
    // through the index; a stretch shared with an exercise recorded at the same time
    // (two copies of the program) only passes over the other's rows.
    SqliteStatement taskRange(db(), "SELECT min(rowid), max(rowid) FROM tasks WHERE session = ?");
    SqliteStatement firstStrike(db(),
                                "SELECT id FROM strikes WHERE session = ? ORDER BY id LIMIT 1");
    SqliteStatement lastStrike(db(),
                               "SELECT id FROM strikes WHERE session = ? ORDER BY id DESC LIMIT 1");
    SqliteStatement tasks(db(), "SELECT hand, task, expected, memorize, shown_ms, grid_ms,"
                                " silent FROM tasks WHERE rowid BETWEEN ? AND ? AND +session = ?"
                                " ORDER BY hand, task");
    SqliteStatement strikes(db(), "SELECT hand, task, expected, struck, correct, anticipated,"
                                  " reaction_ms, at_ms, memorize, velocity, grid_ms,"
                                  " deviation_ms, silent FROM strikes"
                                  " WHERE id BETWEEN ? AND ? AND +session = ? ORDER BY id");
    // The first and last row of the exercise through `first` and `last` (one statement
    // giving both when `last` is null), bound into `rows` with the exercise.
    const auto range = [](SqliteStatement &first, SqliteStatement *last, qint64 session,
                          SqliteStatement &rows) {
        qint64 from = 0, to = -1;
        first.reset();
        first.bind(0, session);
        if (first.next() && !first.isNull(0)) {
            from = first.integer(0);
            to = last ? from : first.integer(1);
        }
        if (last) {
            last->reset();
            last->bind(0, session);
            if (last->next())
                to = last->integer(0);
        }
        rows.reset();
        rows.bind(0, from);
        rows.bind(1, to);
        rows.bind(2, session);
    };
    HistoryData exercise;
    for (const HistoryData::Session &session : sessions) {
        exercise.sessions = {session};
        exercise.tasks.clear();
        exercise.strikes.clear();
        range(taskRange, nullptr, session.id, tasks);
        while (tasks.next()) {
            HistoryData::Task t;
            t.session = session.id;
            t.hand = Hand(int(tasks.integer(0)));
            t.task = int(tasks.integer(1));
            t.expected = int(tasks.integer(2));
            t.memorize = tasks.integer(3) != 0;
            t.shownMs = tasks.real(4);
            if (!tasks.isNull(5))
                t.gridMs = tasks.real(5);
            t.silent = tasks.integer(6) != 0;
            exercise.tasks << t;
        }
        range(firstStrike, &lastStrike, session.id, strikes);
        while (strikes.next()) {
            HistoryData::Strike s;
            s.session = session.id;
            s.hand = Hand(int(strikes.integer(0)));
            s.task = int(strikes.integer(1));
            s.expected = int(strikes.integer(2));
            s.struck = int(strikes.integer(3));
            s.correct = strikes.integer(4) != 0;
            s.anticipated = strikes.integer(5) != 0;
            if (!strikes.isNull(6))
                s.reactionMs = strikes.real(6);
            if (!strikes.isNull(7))
                s.atMs = strikes.real(7);
            s.memorize = strikes.integer(8) != 0;
            if (!strikes.isNull(9))
                s.velocity = int(strikes.integer(9));
            if (!strikes.isNull(10))
                s.gridMs = strikes.real(10);
            if (!strikes.isNull(11))
                s.deviationMs = strikes.real(11);
            s.silent = strikes.integer(12) != 0;
            exercise.strikes << s;
        }
        for (const SqliteStatement *q : {&taskRange, &firstStrike, &lastStrike, &tasks, &strikes}) {
            if (!q->error().isEmpty()) {
                m_readError = q->error();
                return;
            }
        }
        each(exercise);
    }
}

std::optional<int> HistoryStore::bestCleanBpm(const QString &player, const QString &figure) const
{
    if (!m_open)
        return std::nullopt;
    SqliteStatement best(db(), "SELECT max(r.bpm) FROM rhythm_sessions r"
                               " JOIN sessions x ON x.id = r.session"
                               " WHERE r.figure = ? AND x.player = ? AND r.clean = 1");
    best.bind(0, figure.toUtf8());
    best.bind(1, player.toUtf8());
    if (!best.next() || best.isNull(0))
        return std::nullopt;
    return int(best.integer(0));
}

QStringList HistoryStore::players() const
{
    QStringList names;
    if (!m_open)
        return names;
    QSqlQuery query(db());
    query.exec(QStringLiteral("SELECT DISTINCT player FROM sessions ORDER BY player"));
    while (query.next())
        names << query.value(0).toString();
    return names;
}
