// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the practice history: the file in its two modes, the damage check, setting a
// damaged file aside, and the schema versions.
#include "history/HistoryStore.h"

#include "history/SqliteStatement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <cstdio>
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

// The third: exercises played in time. Each note's time on the grid (from the exercise's
// start), how far from it the strike came and whether its bar had no click; the rhythm
// exercise's figure, tempo and options, and whether it was played clean.
const char *const SchemaV3[] = {
    "ALTER TABLE strikes ADD COLUMN grid_ms REAL",
    "ALTER TABLE strikes ADD COLUMN deviation_ms REAL",
    "ALTER TABLE strikes ADD COLUMN silent INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE tasks ADD COLUMN grid_ms REAL",
    "ALTER TABLE tasks ADD COLUMN silent INTEGER NOT NULL DEFAULT 0",
    "CREATE TABLE rhythm_sessions (session INTEGER PRIMARY KEY REFERENCES sessions(id),"
    " figure TEXT NOT NULL, bpm INTEGER NOT NULL, notes_per_beat_left INTEGER NOT NULL,"
    " notes_per_beat_right INTEGER NOT NULL, length INTEGER NOT NULL, length_in TEXT NOT NULL,"
    " count_in INTEGER NOT NULL, silent_every INTEGER NOT NULL,"
    " tempo_trainer INTEGER NOT NULL, clean INTEGER)",
    "CREATE INDEX rhythm_by_figure ON rhythm_sessions (figure, bpm)",
};

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
        else if (sqlite3 *handle = sqliteHandle(db); handle && access != Access::Immutable)
            sqlite3_busy_handler(handle, &HistoryStore::waitWhileBusy, this);
    }
    m_readOnly = access != Access::ReadWrite;
    if (!m_open)
        QSqlDatabase::removeDatabase(m_connection);
    return m_open;
}

int HistoryStore::waitWhileBusy(void *context, int attempts)
{
    auto *store = static_cast<HistoryStore *>(context);
    const qint64 now = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now().time_since_epoch())
                           .count();
    if (attempts == 0)
        store->m_busySinceMs = now;
    if (now - store->m_busySinceMs >= store->m_busyTimeoutMs)
        return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return 1;
}

void HistoryStore::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
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
    m_lastCode = sqliteResultCode(query.lastError());
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
        // Recording met damage in it last time: the whole file, indexes too, is read.
        const QString mark = m_path + QLatin1String(DamageMarkSuffix);
        const bool marked = QFileInfo::exists(mark);
        const bool thorough = marked || QFileInfo(m_path + QStringLiteral("-wal")).size() > 0 ||
                              QFileInfo(m_path).size() <= ThoroughCheckBytes;
        switch (checkFile(thorough, marked)) {
        case Check::Healthy:
            QFile::remove(mark);
            break;
        case Check::Damaged:
            closeFile();
            setAside();
            QFile::remove(mark);
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
        const int code = sqliteResultCode(query.lastError());
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

HistoryStore::Check HistoryStore::checkFile(bool thorough, bool withIndexes)
{
    QSqlQuery query(db());
    // The quick look reads the file's header and its table of tables.
    if (!query.exec(withIndexes ? QStringLiteral("PRAGMA integrity_check(1)")
                    : thorough  ? QStringLiteral("PRAGMA quick_check")
                                : QStringLiteral("SELECT count(*) > 0 OR 1 FROM sqlite_schema")) ||
        !query.next()) {
        const int code = sqliteResultCode(query.lastError());
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
        m_lastCode = sqliteResultCode(query.lastError());
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
    if (version < 3) {
        for (const char *sql : SchemaV3)
            ok = ok && exec(QString::fromLatin1(sql));
    }
    ok = ok && exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    if (!ok) {
        db().rollback();
        return false;
    }
    return db().commit();
}
