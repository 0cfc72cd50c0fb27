// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryStore.h"

#include "history/SqliteStatement.h"

#include "history/HistoryCsv.h"
#include "settings/PlayerName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMap>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>
#include <QVariant>

#include <array>
#include <atomic>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <charconv>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("moravel-history-%1").arg(counter++);
}

// The first version of the file: exercises and strikes.
const char *const SchemaV1[] = {
    "CREATE TABLE sessions (id INTEGER PRIMARY KEY, uid TEXT NOT NULL UNIQUE,"
    " player TEXT NOT NULL, kind TEXT NOT NULL, parameters TEXT, started TEXT NOT NULL,"
    " started_epoch_ms INTEGER NOT NULL, status TEXT NOT NULL, reason TEXT,"
    " left_score INTEGER NOT NULL DEFAULT 0, right_score INTEGER NOT NULL DEFAULT 0,"
    " total_score INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE strikes (id INTEGER PRIMARY KEY,"
    " session INTEGER NOT NULL REFERENCES sessions(id), hand INTEGER NOT NULL,"
    " task INTEGER NOT NULL, expected INTEGER, struck INTEGER NOT NULL,"
    " correct INTEGER NOT NULL, anticipated INTEGER NOT NULL, reaction_ms REAL,"
    " ticks INTEGER NOT NULL DEFAULT 0, points INTEGER NOT NULL, at_ms REAL)",
    "CREATE INDEX strikes_by_session ON strikes (session)",
};

// The second: the tasks as they were shown (for the two-hand figures), the input device
// of every strike, and whether it answered a note shown to be memorized.
const char *const SchemaV2[] = {
    "ALTER TABLE strikes ADD COLUMN memorize INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE strikes ADD COLUMN device TEXT NOT NULL DEFAULT 'keyboard'",
    "ALTER TABLE strikes ADD COLUMN code INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE strikes ADD COLUMN velocity INTEGER",
    "CREATE TABLE tasks (session INTEGER NOT NULL REFERENCES sessions(id),"
    " hand INTEGER NOT NULL, task INTEGER NOT NULL, expected INTEGER,"
    " memorize INTEGER NOT NULL DEFAULT 0, shown_ms REAL NOT NULL,"
    " PRIMARY KEY (session, hand, task))",
    "CREATE INDEX sessions_by_player ON sessions (player, started_epoch_ms)",
};

QString isoWithOffset(const QDateTime &when)
{
    return when.toOffsetFromUtc(when.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QVariant optional(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

// SQLite's primary result code behind a failed statement.
int sqliteCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// SQLITE_CORRUPT, SQLITE_NOTADB: the only failures that make a file one to set aside.
bool isCorrupt(int code)
{
    return code == 11 || code == 26;
}

// SQLITE_BUSY, SQLITE_LOCKED: another connection holds the file.
bool isBusy(int code)
{
    return code == 5 || code == 6;
}

// Whether the user may write the file (and its folder, where SQLite keeps the -wal and
// -shm): empty when so, else why not. A file whose mode says read-only is taken at its
// word even where the system would let the user write it (root).
QString cannotWrite(const QString &path)
{
    const auto writable = [](const QFileInfo &info) {
        return info.isWritable() && info.permission(QFileDevice::WriteOwner);
    };
    const QFileInfo file(path);
    if (!writable(file))
        return QCoreApplication::translate("HistoryStore", "the file is read-only");
    if (!writable(QFileInfo(file.absolutePath())))
        return QCoreApplication::translate("HistoryStore", "its folder is read-only");
    return {};
}

QVariant fingerOrNull(int finger)
{
    return finger >= 1 && finger <= 5 ? QVariant(finger) : QVariant(QMetaType(QMetaType::Int));
}

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

HistoryStore::HistoryStore(const QString &path, bool check)
    : HistoryStore(path, Mode::Record, check)
{}

HistoryStore::HistoryStore(const QString &path, Mode mode, bool check)
    : m_path(path), m_connection(nextConnectionName())
{
    if (mode == Mode::Read)
        openForReading();
    else
        openForRecording(check);
}

HistoryStore::~HistoryStore()
{
    closeFile();
}

QSqlDatabase HistoryStore::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool HistoryStore::openFile(Access access)
{
    closeFile();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        // Two copies of the program may write at once: wait for the other's transaction.
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
        if (access == Access::Immutable) {
            // Nobody can write the file, so SQLite may read it without a -shm beside it
            // (which a read-only folder could not hold anyway).
            db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(m_path).absoluteFilePath())
                                   .toString(QUrl::FullyEncoded) +
                               QStringLiteral("?immutable=1"));
            options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
        } else {
            db.setDatabaseName(m_path);
            if (access == Access::ReadOnly)
                options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        }
        db.setConnectOptions(options);
        m_open = db.open();
        if (!m_open)
            m_lastText = db.lastError().databaseText();
    }
    m_readOnly = access != Access::ReadWrite;
    if (!m_open)
        QSqlDatabase::removeDatabase(m_connection);
    return m_open;
}

void HistoryStore::closeFile()
{
    if (QSqlDatabase::contains(m_connection)) {
        db().close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
}

bool HistoryStore::exec(const QString &sql) const
{
    QSqlQuery query(db());
    if (query.exec(sql))
        return true;
    m_lastCode = sqliteCode(query.lastError());
    m_lastText = query.lastError().databaseText();
    std::fprintf(stderr, "moravel: practice history %s: %s\n", qPrintable(m_path),
                 qPrintable(query.lastError().text()));
    return false;
}

void HistoryStore::failed(Failure failure, const QString &detail)
{
    closeFile();
    m_failure = failure;
    m_failureDetail = detail;
}

void HistoryStore::openForRecording(bool check)
{
    const QFileInfo file(m_path);
    QDir().mkpath(file.absolutePath());
    if (file.exists()) {
        const QString why = cannotWrite(m_path);
        if (!why.isEmpty()) {
            // Shown as it is, and the player told that nothing is added.
            openForReading();
            if (m_failure == Failure::None || m_failure == Failure::Missing) {
                m_failure = Failure::ReadOnly;
                m_notice = QCoreApplication::translate(
                               "HistoryStore", "The practice history %1 can only be read (%2). It "
                                               "is shown, but practice is not being recorded.")
                               .arg(m_path, why);
                return;
            }
            // Too old to be read as it is, and it may not be brought forward.
            if (m_failure == Failure::OlderVersion)
                m_failureDetail = why;
        }
    }
    if (m_failure == Failure::None && !openFile(Access::ReadWrite))
        failed(Failure::Unreadable, m_lastText);
    if (m_failure == Failure::None && check) {
        // A whole read of a school's history takes a good part of a second. A file that was
        // closed properly last time gets the quick look: its write-ahead log is gone, or
        // empty when the program that had it open wrote nothing. One whose log still holds
        // writes (a killed program, a crash or a power cut, where damage comes from, or
        // another copy of the program at work), and any small file, get the whole read.
        const bool thorough = QFileInfo(m_path + QStringLiteral("-wal")).size() > 0 ||
                              QFileInfo(m_path).size() <= ThoroughCheckBytes;
        switch (checkFile(thorough)) {
        case Check::Healthy:
            break;
        case Check::Damaged:
            closeFile();
            setAside();
            if (!openFile(Access::ReadWrite))
                return;
            break;
        case Check::Busy:
            failed(Failure::Busy, QString());
            break;
        case Check::Failed:
            failed(Failure::Unreadable, m_failureDetail);
            break;
        }
    }
    if (m_failure == Failure::None && !prepareSchema()) {
        failed(isBusy(m_lastCode) ? Failure::Busy : Failure::Unreadable, m_lastText);
    }
    if (m_failure == Failure::Busy) {
        m_notice = QCoreApplication::translate(
                       "HistoryStore", "The practice history %1 is in use by another program. "
                                       "Practice is not being recorded; close the other program "
                                       "and start Moravel again.")
                       .arg(m_path);
    } else if (m_failure != Failure::None && m_notice.isEmpty()) {
        m_notice = QCoreApplication::translate(
                       "HistoryStore",
                       "The practice history %1 cannot be opened (%2). Practice is not being "
                       "recorded.")
                       .arg(m_path, m_failureDetail);
    }
}

void HistoryStore::openForReading()
{
    const QFileInfo file(m_path);
    if (!file.exists()) {
        m_failure = Failure::Missing;
        return;
    }
    // A -wal beside the file means a writer has it open (or was killed): read through the
    // files it keeps. Without one, a connection that may write removes the -wal and -shm
    // it makes when it closes, as the last one; where nobody may write, nothing changes
    // the file while it is read.
    Access access = Access::Immutable;
    if (QFileInfo::exists(m_path + QStringLiteral("-wal")))
        access = Access::ReadOnly;
    else if (cannotWrite(m_path).isEmpty())
        access = Access::ReadWrite;
    if (!openFile(access)) {
        failed(Failure::Unreadable, m_lastText);
        return;
    }
    m_readOnly = true;
    QSqlQuery query(db());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        const int code = sqliteCode(query.lastError());
        const QString detail = query.lastError().databaseText();
        query.finish();
        failed(isBusy(code)      ? Failure::Busy
               : isCorrupt(code) ? Failure::Damaged
                                 : Failure::Unreadable,
               detail);
        return;
    }
    const int version = query.value(0).toInt();
    query.finish();
    if (version == 0)
        failed(Failure::Missing, QString()); // created, but nothing recorded in it
    else if (version < SchemaVersion)
        failed(Failure::OlderVersion, QString());
    else if (version > SchemaVersion)
        m_notice = QCoreApplication::translate(
                       "HistoryStore", "The practice history %1 was written by a newer version of "
                                       "Moravel. It is shown, but nothing is added to it.")
                       .arg(m_path);
}

HistoryStore::Check HistoryStore::checkFile(bool thorough)
{
    QSqlQuery query(db());
    // The quick look reads the file's header and its table of tables.
    if (!query.exec(thorough ? QStringLiteral("PRAGMA quick_check")
                             : QStringLiteral("SELECT count(*) > 0 OR 1 FROM sqlite_schema")) ||
        !query.next()) {
        const int code = sqliteCode(query.lastError());
        m_failureDetail = query.lastError().databaseText();
        return isCorrupt(code) ? Check::Damaged : isBusy(code) ? Check::Busy : Check::Failed;
    }
    if (!thorough)
        return Check::Healthy;
    return query.value(0).toString() == QLatin1String("ok") ? Check::Healthy : Check::Damaged;
}

void HistoryStore::setAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(m_path, target)) {
        m_notice =
            QCoreApplication::translate(
                "HistoryStore", "The practice history %1 cannot be read, and it could not be set "
                                "aside; practice is not recorded.")
                .arg(m_path);
        return;
    }
    // The write-ahead log belongs to the file it was written for.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString companion = m_path + QLatin1String(suffix);
        if (QFileInfo::exists(companion))
            QFile::rename(companion, target + QLatin1String(suffix));
    }
    m_setAside = target;
    m_notice =
        QCoreApplication::translate(
            "HistoryStore", "The practice history could not be read. It was set aside as %1, "
                            "and a new history was started.")
            .arg(target);
}

bool HistoryStore::prepareSchema()
{
    QSqlQuery query(db());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        m_lastCode = sqliteCode(query.lastError());
        m_lastText = query.lastError().databaseText();
        return false;
    }
    const int version = query.value(0).toInt();
    query.finish();
    if (version > SchemaVersion) {
        m_notice = QCoreApplication::translate(
                       "HistoryStore", "The practice history %1 was written by a newer version of "
                                       "Moravel. It is shown, but nothing is added to it.")
                       .arg(m_path);
        // Nothing is written through this connection from now on.
        m_readOnly = true;
        return true;
    }
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return false;
    // A commit is in the log as soon as it is written; a killed program keeps it. Only a
    // power cut could take the last commits back, and no commit waits for the disk.
    exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    // What readers of a player's whole history keep of it (the adaptive drill's finger
    // weaknesses). Outside the versions: a copy of the program that does not know the
    // table leaves it alone, and losing it loses nothing but time.
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS summaries (name TEXT NOT NULL,"
                        " player TEXT NOT NULL, through_ms INTEGER NOT NULL,"
                        " through_id INTEGER NOT NULL, state BLOB NOT NULL,"
                        " PRIMARY KEY (name, player))"));
    if (version == SchemaVersion)
        return true;
    // Each version's steps in one transaction, so a file is always at a whole version.
    if (!db().transaction())
        return false;
    bool ok = true;
    if (version < 1) {
        for (const char *sql : SchemaV1)
            ok = ok && exec(QString::fromLatin1(sql));
    }
    if (version < 2) {
        for (const char *sql : SchemaV2)
            ok = ok && exec(QString::fromLatin1(sql));
    }
    ok = ok && exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    if (!ok) {
        db().rollback();
        return false;
    }
    return db().commit();
}

bool HistoryStore::record(const QList<PracticeEvent> &events)
{
    if (!isWritable() || events.isEmpty())
        return false;
    QSqlDatabase database = db();
    if (!database.transaction())
        return false;
    QSqlQuery session(database), task(database), strike(database), update(database);
    session.prepare(QStringLiteral(
        "INSERT INTO sessions (uid, player, kind, parameters, started, started_epoch_ms, status)"
        " VALUES (?, ?, ?, ?, ?, ?, 'abandoned')"));
    task.prepare(QStringLiteral("INSERT OR REPLACE INTO tasks (session, hand, task, expected,"
                                " memorize, shown_ms) VALUES (?, ?, ?, ?, ?, ?)"));
    strike.prepare(QStringLiteral(
        "INSERT INTO strikes (session, hand, task, expected, struck, correct, anticipated,"
        " reaction_ms, ticks, points, at_ms, memorize, device, code, velocity)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    bool ok = true;
    for (const PracticeEvent &e : events) {
        using T = PracticeEvent::Type;
        if (e.type == T::ExerciseStarted) {
            session.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
            session.addBindValue(e.player);
            session.addBindValue(e.kind);
            session.addBindValue(
                QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(e.parameters))
                                      .toJson(QJsonDocument::Compact)));
            session.addBindValue(isoWithOffset(e.wallClock));
            session.addBindValue(e.wallClock.toMSecsSinceEpoch());
            ok = ok && session.exec();
            m_exercises.insert(e.exercise, Exercise{session.lastInsertId().toLongLong(), e.timeNs});
            continue;
        }
        const auto it = m_exercises.constFind(e.exercise);
        if (it == m_exercises.constEnd())
            continue;
        const double atMs = double(e.timeNs - it->startNs) / 1e6;
        const int hand = e.hand == Hand::Left ? 0 : 1;
        switch (e.type) {
        case T::TaskShown:
            task.addBindValue(it->session);
            task.addBindValue(hand);
            task.addBindValue(e.task);
            task.addBindValue(fingerOrNull(e.expected));
            task.addBindValue(e.memorize ? 1 : 0);
            task.addBindValue(atMs);
            ok = ok && task.exec();
            break;
        case T::Strike:
            strike.addBindValue(it->session);
            strike.addBindValue(hand);
            strike.addBindValue(e.task);
            strike.addBindValue(fingerOrNull(e.expected));
            strike.addBindValue(e.struck);
            strike.addBindValue(e.right ? 1 : 0);
            strike.addBindValue(e.anticipated ? 1 : 0);
            strike.addBindValue(optional(e.reactionMs));
            strike.addBindValue(e.ticks);
            strike.addBindValue(e.points);
            strike.addBindValue(atMs);
            strike.addBindValue(e.memorize ? 1 : 0);
            strike.addBindValue(e.device.isEmpty() ? QStringLiteral("keyboard") : e.device);
            strike.addBindValue(qint64(e.code));
            strike.addBindValue(e.velocity >= 0 ? QVariant(e.velocity)
                                                : QVariant(QMetaType(QMetaType::Int)));
            ok = ok && strike.exec();
            break;
        case T::ExerciseFinished:
            update.prepare(QStringLiteral("UPDATE sessions SET status = 'finished', left_score = ?,"
                                          " right_score = ?, total_score = ? WHERE id = ?"));
            update.addBindValue(e.leftScore);
            update.addBindValue(e.rightScore);
            update.addBindValue(e.totalScore);
            update.addBindValue(it->session);
            ok = ok && update.exec();
            break;
        case T::ExerciseAbandoned:
            update.prepare(QStringLiteral("UPDATE sessions SET status = 'abandoned', reason = ?"
                                          " WHERE id = ?"));
            update.addBindValue(e.reason);
            update.addBindValue(it->session);
            ok = ok && update.exec();
            m_exercises.remove(e.exercise);
            break;
        default:
            break;
        }
    }
    if (!ok) {
        std::fprintf(stderr, "moravel: practice history %s: %s\n", qPrintable(m_path),
                     qPrintable(strike.lastError().text() + session.lastError().text() +
                                task.lastError().text()));
        database.rollback();
        return false;
    }
    return database.commit();
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
                                    " x.left_score, x.right_score, x.total_score FROM sessions x"
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
    SqliteStatement tasks(db(), "SELECT hand, task, expected, memorize, shown_ms FROM tasks"
                                " WHERE rowid BETWEEN ? AND ? AND +session = ?"
                                " ORDER BY hand, task");
    SqliteStatement strikes(db(), "SELECT hand, task, expected, struck, correct, anticipated,"
                                  " reaction_ms, at_ms, memorize, velocity FROM strikes"
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
            t.hand = int(tasks.integer(0));
            t.task = int(tasks.integer(1));
            t.expected = int(tasks.integer(2));
            t.memorize = tasks.integer(3) != 0;
            t.shownMs = tasks.real(4);
            exercise.tasks << t;
        }
        range(firstStrike, &lastStrike, session.id, strikes);
        while (strikes.next()) {
            HistoryData::Strike s;
            s.session = session.id;
            s.hand = int(strikes.integer(0));
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

bool HistoryStore::exportCsv(QIODevice &out, const QString &player, QString *error) const
{
    const QStringList header = HistoryCsv::header(HistoryCsv::LatestFormat);
    if (!m_open) {
        // A history not yet begun exports as its header alone.
        if (m_failure == Failure::Missing)
            return out.write(HistoryCsv::record(header)) > 0;
        if (error)
            *error = QStringLiteral("the practice history %1 cannot be read").arg(m_path);
        return false;
    }
    // Exercise by exercise: its strikes in the order they came, then the tasks that no
    // strike answered (they tell when the other hand was busy). The rows are made as bytes
    // straight from SQLite's columns: a school's million strikes take seconds, not tens.
    SqliteStatement sessions(db(), "SELECT id, uid, player, kind, started FROM sessions"
                                   " WHERE ?1 = '' OR player = ?1"
                                   " ORDER BY started_epoch_ms, id");
    SqliteStatement tasks(db(), "SELECT hand, task, expected, memorize, shown_ms FROM tasks"
                                " WHERE session = ? ORDER BY hand, task");
    SqliteStatement strikes(db(), "SELECT hand, task, expected, struck, correct, anticipated,"
                                  " reaction_ms, points, device, velocity, memorize, at_ms"
                                  " FROM strikes WHERE session = ? ORDER BY id");
    sessions.bind(0, player.toUtf8());
    QByteArray buffer = HistoryCsv::record(header);
    buffer.reserve(1 << 21);
    // A field as the CSV holds it, added to the buffer; numbers as SQLite gives them back,
    // in their shortest exact form.
    const auto put = [&buffer](const SqliteStatement &q, int column, bool real = false) {
        if (q.isNull(column))
            return;
        if (real) {
            buffer += QByteArray::number(q.real(column), 'g', QLocale::FloatingPointShortest);
            return;
        }
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, q.integer(column)).ptr;
        buffer.append(digits, end - digits);
    };
    const auto copy = [](const SqliteStatement &q, int column, bool real = false) {
        if (q.isNull(column))
            return QByteArray();
        return real ? QByteArray::number(q.real(column), 'g', QLocale::FloatingPointShortest)
                    : QByteArray::number(q.integer(column));
    };
    const auto textField = [](const QString &text) {
        return HistoryCsv::record({text}).chopped(2);
    };
    struct Task {
        bool present = false, answered = false;
        QByteArray expected, memorize, shownMs;
    };
    std::array<std::vector<Task>, 2> shown; // of the current exercise, by hand and number
    bool ok = true;
    const auto flush = [&](qsizetype above) {
        if (ok && buffer.size() > above) {
            ok = out.write(buffer) == buffer.size();
            buffer.truncate(0);
        }
    };
    QByteArray device, deviceField; // the last device and its field
    while (ok && sessions.next()) {
        const qint64 id = sessions.integer(0);
        // The texts a player or another computer chose never run as spreadsheet formulas.
        const QByteArray exercise =
            textField(HistoryCsv::neutralised(QString::fromUtf8(sessions.text(1)))) + ',' +
            textField(HistoryCsv::neutralised(QString::fromUtf8(sessions.text(2)))) + ',' +
            textField(QString::fromUtf8(sessions.text(3))) + ',' +
            textField(QString::fromUtf8(sessions.text(4))) + ',';
        for (std::vector<Task> &hand : shown)
            hand.clear();
        tasks.reset();
        tasks.bind(0, id);
        while (tasks.next()) {
            const qint64 h = tasks.integer(0), number = tasks.integer(1);
            if (h < 0 || h > 1 || number < 0 || number > 1000000)
                continue;
            std::vector<Task> &hand = shown[std::size_t(h)];
            if (hand.size() <= std::size_t(number))
                hand.resize(std::size_t(number) + 1);
            hand[std::size_t(number)] = {true, false, copy(tasks, 2), copy(tasks, 3),
                                         copy(tasks, 4, true)};
        }
        strikes.reset();
        strikes.bind(0, id);
        bool any = false;
        while (ok && strikes.next()) {
            any = true;
            const qint64 h = strikes.integer(0), number = strikes.integer(1);
            Task *task = h >= 0 && h <= 1 && number >= 0 &&
                                 std::size_t(number) < shown[std::size_t(h)].size() &&
                                 shown[std::size_t(h)][std::size_t(number)].present
                             ? &shown[std::size_t(h)][std::size_t(number)]
                             : nullptr;
            if (task)
                task->answered = true;
            if (const QByteArray raw = strikes.text(8); raw != device || deviceField.isNull()) {
                device = raw;
                deviceField = textField(HistoryCsv::neutralised(QString::fromUtf8(raw)));
            }
            buffer += exercise;
            buffer += h == 0 ? "L," : "R,";
            for (int c = 1; c <= 5; ++c) {
                put(strikes, c);
                buffer += ',';
            }
            put(strikes, 6, true);
            buffer += ',';
            put(strikes, 7);
            buffer += ',';
            buffer += deviceField;
            buffer += ',';
            put(strikes, 9);
            buffer += ",strike,";
            put(strikes, 10);
            buffer += ',';
            put(strikes, 11, true);
            buffer += ',';
            if (task)
                buffer += task->shownMs;
            buffer += "\r\n";
            flush(1 << 20);
        }
        if (!any)
            continue; // an exercise begun but never struck is not exported
        for (int h = 0; h < 2; ++h) {
            for (std::size_t number = 0; number < shown[std::size_t(h)].size(); ++number) {
                const Task &task = shown[std::size_t(h)][number];
                if (!task.present || task.answered)
                    continue;
                buffer += exercise;
                buffer += h == 0 ? "L," : "R,";
                buffer += QByteArray::number(qulonglong(number));
                buffer += ',';
                buffer += task.expected;
                buffer += ",,,,,,,,task,";
                buffer += task.memorize;
                buffer += ",,";
                buffer += task.shownMs;
                buffer += "\r\n";
            }
        }
        flush(1 << 20);
    }
    flush(0);
    for (const SqliteStatement *q : {&sessions, &tasks, &strikes}) {
        if (ok && !q->error().isEmpty()) {
            if (error)
                *error = q->error();
            return false;
        }
    }
    if (!ok && error)
        *error = out.errorString();
    return ok;
}

HistoryStore::Imported HistoryStore::importCsv(QIODevice &in)
{
    Imported result;
    if (!isWritable()) {
        result.error = QStringLiteral("the practice history %1 cannot be written").arg(m_path);
        return result;
    }
    struct Row {
        bool taskOnly = false; // a task that no strike answered
        int hand = 0, task = 0, expected = 0;
        bool memorize = false;
        std::optional<double> reaction, atMs, shownMs;
    };
    struct Session {
        QString player, kind, started;
        qint64 id = 0; // 0: already here, its rows are skipped
    };
    QHash<QString, Session> sessions;

    // Rows are written as they are read, in one transaction: a row that cannot be read
    // takes back everything, so the file is imported whole or not at all, and is never
    // held whole in memory.
    QSqlDatabase database = db();
    if (!database.transaction()) {
        result.error = database.lastError().text();
        return result;
    }
    // Taken back on every way out but the commit, after the statements are finished.
    struct Undo {
        QSqlDatabase &database;
        Imported &result;
        ~Undo()
        {
            if (!result.ok) {
                database.rollback();
                result.sessions = result.strikes = 0;
            }
        }
    } undo{database, result};
    SqliteStatement known(database, "SELECT 1 FROM sessions WHERE uid = ?");
    SqliteStatement session(database, "INSERT INTO sessions (uid, player, kind, parameters,"
                                      " started, started_epoch_ms, status)"
                                      " VALUES (?, ?, ?, '{}', ?, ?, 'imported')");
    SqliteStatement strike(database, "INSERT INTO strikes (session, hand, task, expected, struck,"
                                     " correct, anticipated, reaction_ms, points, device,"
                                     " velocity, memorize, at_ms)"
                                     " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    // A task answered by several strikes comes with each of them: the first one counts.
    SqliteStatement shown(database, "INSERT OR IGNORE INTO tasks (session, hand, task, expected,"
                                    " memorize, shown_ms) VALUES (?, ?, ?, ?, ?, ?)");
    const auto bindOptional = [](SqliteStatement &q, int index, const auto &value) {
        if (value)
            q.bind(index, *value);
        else
            q.bindNull(index);
    };

    HistoryCsv::Reader reader(in);
    QStringList names;
    const int format = reader.next(names) ? HistoryCsv::formatOf(names) : 0;
    if (!format) {
        result.error = reader.error().isEmpty()
                           ? QStringLiteral("line 1: the header is not %1")
                                 .arg(HistoryCsv::header(HistoryCsv::LatestFormat).join(u','))
                           : reader.error();
        return result;
    }
    const QStringList header = HistoryCsv::header(format);
    static const QStringList kinds = {QStringLiteral("random"), QStringLiteral("sequential"),
                                      QStringLiteral("memory"), QStringLiteral("preschool"),
                                      QStringLiteral("adaptive")};
    // The fields as bytes: a school's export has millions of numbers, and only the texts
    // become strings, once for an exercise's rows in a row.
    QList<QByteArray> fields;
    QList<QByteArray> lastExercise; // the exercise columns of the row before, as read
    qint64 current = 0;             // where its rows go; 0: already here, skipped
    QByteArray lastDevice, device;  // the device column as read, and as stored
    while (reader.next(fields)) {
        const auto refuse = [&](const QString &what) {
            result.error = QStringLiteral("line %1: %2").arg(reader.line()).arg(what);
        };
        if (fields.size() == 1 && fields.first().isEmpty())
            continue; // a blank line
        if (fields.size() != header.size()) {
            refuse(
                QStringLiteral("%1 columns instead of %2").arg(fields.size()).arg(header.size()));
            return result;
        }
        const auto integer = [&](int column, int low, int high, bool blankAllowed,
                                 std::optional<int> &out) {
            const QByteArray &f = fields[column];
            if (f.isEmpty())
                return blankAllowed;
            bool ok = false;
            const int value = f.toInt(&ok);
            if (!ok || value < low || value > high)
                return false;
            out = value;
            return true;
        };
        // A time in milliseconds, blank or within an hour of the exercise's start.
        const auto milliseconds = [&](int column, bool negativeAllowed,
                                      std::optional<double> &out) {
            const QByteArray &f = fields[column];
            if (f.isEmpty())
                return true;
            bool ok = false;
            const double value = f.toDouble(&ok);
            if (!ok || !std::isfinite(value) || value >= 3.6e6 ||
                value < (negativeAllowed ? -3.6e6 : 0))
                return false;
            out = value;
            return true;
        };
        Row row;
        std::optional<int> task, expected, struck, correct, anticipated, points, velocity, memorize;
        bool good = true;
        const auto check = [&](bool valid, const char *column) {
            if (good && !valid) {
                const QString name = QLatin1String(column);
                refuse(QStringLiteral("%1 %2 is not valid")
                           .arg(name, HistoryCsv::quoted(
                                          QString::fromUtf8(fields[header.indexOf(name)]))));
                good = false;
            }
        };
        // The exercise's columns, read once for its rows in a row.
        const bool sameExercise = lastExercise.size() == 4 && fields[0] == lastExercise[0] &&
                                  fields[1] == lastExercise[1] && fields[2] == lastExercise[2] &&
                                  fields[3] == lastExercise[3];
        if (!sameExercise) {
            lastExercise.clear();
            const QString uid = HistoryCsv::restored(QString::fromUtf8(fields[0]));
            // A name gets the name prompt's rule: no line breaks or other control characters.
            QString player = HistoryCsv::restored(QString::fromUtf8(fields[1]));
            if (!player.isEmpty())
                player = PlayerName::fromTyped(player);
            const QString kind = QString::fromUtf8(fields[2]);
            const QString started = QString::fromUtf8(fields[3]);
            check(!uid.isEmpty(), "session");
            check(kinds.contains(kind), "exercise");
            const QDateTime when = QDateTime::fromString(started, Qt::ISODateWithMs);
            check(when.isValid(), "started");
            if (!good)
                return result;
            auto it = sessions.find(uid);
            if (it == sessions.end()) {
                Session added{player, kind, started, 0};
                known.reset();
                known.bind(0, uid.toUtf8());
                // Already here: from an earlier import, or this computer's own.
                if (!known.next()) {
                    session.reset();
                    session.bind(0, uid.toUtf8());
                    session.bind(1, player.toUtf8());
                    session.bind(2, kind.toUtf8());
                    session.bind(3, started.toUtf8());
                    session.bind(4, when.toMSecsSinceEpoch());
                    if (!session.run()) {
                        result.error = session.error();
                        return result;
                    }
                    added.id = session.lastInsertId();
                    ++result.sessions;
                }
                if (!known.error().isEmpty()) {
                    result.error = known.error();
                    return result;
                }
                it = sessions.insert(uid, added);
            } else if (it->player != player || it->kind != kind || it->started != started) {
                refuse(QStringLiteral(
                           "the exercise %1 has other player, kind or start in an earlier row")
                           .arg(HistoryCsv::escaped(uid)));
                return result;
            }
            current = it->id;
            lastExercise = fields.mid(0, 4);
        }
        check(fields[4] == "L" || fields[4] == "R", "hand");
        check(integer(5, 1, 1000000, false, task), "task");
        check(integer(6, 1, 5, true, expected), "expected");
        if (format >= 2) {
            row.taskOnly = fields[14] == "task";
            check(row.taskOnly || fields[14] == "strike", "record");
            check(integer(15, 0, 1, false, memorize), "memorize");
            check(milliseconds(16, true, row.atMs), "at_ms");
            check(milliseconds(17, true, row.shownMs), "shown_ms");
        }
        if (row.taskOnly) {
            // A task row has nothing of a strike.
            for (int c = 7; c <= 13; ++c)
                check(fields[c].isEmpty(), qPrintable(header[c]));
            check(fields[16].isEmpty(), "at_ms");
            check(row.shownMs.has_value(), "shown_ms");
        } else {
            check(integer(7, 1, 5, false, struck), "struck");
            check(integer(8, 0, 1, false, correct), "correct");
            check(integer(9, 0, 1, false, anticipated), "anticipated");
            check(milliseconds(10, false, row.reaction), "reaction_ms");
            check(integer(11, 0, 5, false, points), "points");
            check(!fields[12].isEmpty(), "device");
            check(integer(13, 0, 127, true, velocity), "velocity");
        }
        if (!good)
            return result;
        if (!current)
            continue;
        row.hand = fields[4] == "L" ? 0 : 1;
        row.task = *task;
        row.expected = expected.value_or(0);
        row.memorize = memorize.value_or(0) != 0;
        const auto bindFinger = [&row](SqliteStatement &q, int index) {
            if (row.expected >= 1)
                q.bind(index, qint64(row.expected));
            else
                q.bindNull(index);
        };
        if (row.shownMs) {
            shown.reset();
            shown.bind(0, current);
            shown.bind(1, qint64(row.hand));
            shown.bind(2, qint64(row.task));
            bindFinger(shown, 3);
            shown.bind(4, qint64(row.memorize ? 1 : 0));
            shown.bind(5, *row.shownMs);
            if (!shown.run()) {
                result.error = shown.error();
                return result;
            }
        }
        if (row.taskOnly)
            continue;
        strike.reset();
        strike.bind(0, current);
        strike.bind(1, qint64(row.hand));
        strike.bind(2, qint64(row.task));
        bindFinger(strike, 3);
        strike.bind(4, qint64(*struck));
        strike.bind(5, qint64(*correct));
        strike.bind(6, qint64(*anticipated));
        bindOptional(strike, 7, row.reaction);
        strike.bind(8, qint64(*points));
        if (fields[12] != lastDevice || device.isNull()) {
            lastDevice = fields[12];
            device = HistoryCsv::restored(QString::fromUtf8(lastDevice)).toUtf8();
        }
        strike.bind(9, device);
        if (velocity)
            strike.bind(10, qint64(*velocity));
        else
            strike.bindNull(10);
        strike.bind(11, qint64(row.memorize ? 1 : 0));
        bindOptional(strike, 12, row.atMs);
        if (!strike.run()) {
            result.error = strike.error();
            return result;
        }
        ++result.strikes;
    }
    if (!reader.error().isEmpty()) {
        result.error = reader.error();
        return result;
    }
    for (SqliteStatement *q : {&known, &session, &strike, &shown})
        q->reset();
    // Exercises added may come before what a summary covers.
    if (result.sessions > 0 && !QSqlQuery(database).exec(QStringLiteral("DELETE FROM summaries"))) {
        result.error = QStringLiteral("the summaries could not be dropped");
        return result;
    }
    result.ok = database.commit();
    if (!result.ok)
        result.error = database.lastError().text();
    return result;
}
