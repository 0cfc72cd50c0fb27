// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/PracticeEvent.h"
#include "history/HistoryData.h"
#include "history/Statistics.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QIODevice;
class QSqlDatabase;
class QSqlError;

// The practice history: an SQLite file (history.sqlite in the user's data folder) with
// every exercise, task and strike. One store is one connection, used from the thread
// that opened it. The schema is versioned with PRAGMA user_version and brought forward
// when an older file is opened; the journal is a write-ahead log, and a busy timeout
// lets two running copies of the program both record. A file that SQLite calls corrupt
// or not a database is set aside under a dated name (never deleted) and a new one
// started; a file that is only busy is waited for and then reported, never set aside. A
// file of a newer schema, or one the player may not write, is shown and left untouched.
class HistoryStore {
public:
    static constexpr int SchemaVersion = 3;
    static constexpr const char *FileName = "history.sqlite";
    // How long a statement waits for another writer's transaction.
    static constexpr int BusyTimeoutMs = 5000;
    // Left beside the file when recording met damage in it, which a quick look at start
    // may not see: the next start then reads the file whole, and sets it aside if so.
    static constexpr const char *DamageMarkSuffix = "-damaged";

    // Record: the program's own store, which creates the file and brings it forward.
    // Read: for the commands that only read (--report, --export-history); the file is
    // never moved, created or changed, and its folder gains no file.
    enum class Mode { Record, Read };
    // Why the store is not open, or cannot be written.
    enum class Failure { None, Missing, Busy, Damaged, OlderVersion, ReadOnly, Unreadable };

    // Opens the file, creating it and its folder when they are missing. `check` runs the
    // damage check: the program's first store does it, the recorder's own connection to
    // the same file does not need to. The check reads a small file whole, and a large one
    // whole when its write-ahead log still holds writes (the program that wrote them did
    // not close the file); otherwise only its header and table of tables.
    explicit HistoryStore(const QString &path, bool check = true);
    HistoryStore(const QString &path, Mode mode, bool check = true);
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    bool isOpen() const { return m_open; }
    bool isWritable() const { return m_open && !m_readOnly; }
    QString path() const { return m_path; }
    // What the player should be told about the file, once: set aside, or newer; empty
    // when all is well.
    QString notice() const { return m_notice; }
    // Where a damaged file was set aside; empty when it was not.
    QString setAsidePath() const { return m_setAside; }
    Failure failure() const { return m_failure; }
    // SQLite's own words for the failure, when it gave any.
    QString failureDetail() const { return m_failureDetail; }
    // What went wrong in the last load, empty when it read everything.
    QString readError() const { return m_readError; }

    // Why the last record() wrote nothing, in the terms the player is told.
    enum class WriteProblem { None, Busy, DiskFull, ReadOnly, Damaged, Other };

    // Writes the events, in order, in one transaction, or nothing: a batch that fails is
    // taken back whole, leaves no trace here either, and may be offered again as it was.
    // An exercise's rows find their session by its uid. Events of an exercise whose start
    // this store has not written are dropped.
    bool record(const QList<PracticeEvent> &events);
    WriteProblem writeProblem() const { return m_writeProblem; }
    // SQLite's words for it.
    QString writeDetail() const { return m_writeDetail; }
    // What the player reads in the window while practice waits to be written.
    static QString problemText(WriteProblem problem);
    // How long a statement waits for another writer's transaction from now on.
    void setBusyTimeout(int milliseconds);
    // Events that could not be written, as the rows of an export (sessions begun in
    // earlier batches named as they were written), for importCsv to merge later.
    bool saveUnwritten(const QList<PracticeEvent> &events, QIODevice &out) const;

    QStringList players() const;
    // The fastest tempo at which the player played the rhythm figure clean; none before the
    // first clean exercise.
    std::optional<int> bestCleanBpm(const QString &player, const QString &figure) const;
    // The exercises, tasks and strikes the filter chooses, as of `now`.
    HistoryData load(const HistoryFilter &filter, const QDateTime &now) const;
    // The same length of time just before the filter's period (the week before the last
    // seven days ...); empty for "last exercise" and "all".
    HistoryData loadPrevious(const HistoryFilter &filter, const QDateTime &now) const;

    // What a reader of a player's whole history keeps of it, so that its next reading
    // begins after the last exercise it covers: its state, as it saves it.
    struct Summary {
        QByteArray state;
        qint64 throughMs = 0; // the last exercise covered: when it started,
        qint64 throughId = 0; // and its number
    };
    // The summary kept under `name` for the player; none when there is none. An import
    // drops every summary (it may add exercises before them).
    std::optional<Summary> summary(const QString &name, const QString &player) const;
    // Keeps it, when the file can be written and nobody else is writing just now (a
    // summary only saves time: it is never waited for).
    void keepSummary(const QString &name, const QString &player, const Summary &summary);

    // The exercises the filter chooses, one at a time in the order they started, each with
    // its tasks and strikes; only those after the summary's when there is one. `each`
    // runs on a thread of its own while the next exercises are read; this returns when it
    // has had the last one.
    void forEachExercise(const HistoryFilter &filter, const QDateTime &now,
                         const std::function<void(const HistoryData &exercise)> &each,
                         const Summary *after = nullptr) const;
    // What the Statistics window and --report show: the figures of the exercises the filter
    // chooses, read one exercise at a time.
    StatisticsResult statistics(const HistoryFilter &filter, const QDateTime &now) const;
    // A line for every player the filter's kind and period find (its player is ignored), read
    // in one pass over the history: the figures are each player's own Statistics.
    QList<ClassRow> classFigures(const HistoryFilter &filter, const QDateTime &now) const;

    // One CSV row per strike (moravel --export-history); all players when empty.
    bool exportCsv(QIODevice &out, const QString &player, QString *error) const;
    struct Imported {
        bool ok = false;
        int sessions = 0; // exercises added
        int strikes = 0;
        QString error; // what was wrong, with the line number
    };
    // What an import does with an exercise that is already here: skips it (an export
    // imported twice adds nothing), or adds the rows it lacks (practice saved beside the
    // history at a close, whose exercise may have been begun in the history itself).
    enum class Existing { Skip, AddMissingRows };
    // Rows an import writes in one transaction, at most, before it lets another writer
    // (the program recording practice) in; it commits only between exercises.
    static constexpr int ImportChunkRows = 50000;
    // Merges an export. The whole file is read and checked first: a row that cannot be
    // read refuses it, and nothing is written. It is then written in transactions of
    // whole exercises; a device that cannot be read twice is written in one.
    Imported importCsv(QIODevice &in, Existing existing = Existing::Skip);

private:
    // An exercise whose session row is written: what its rows are filed under.
    struct Exercise {
        QString uid, player, kind, started;
        qint64 startNs = 0;
        std::optional<HistoryData::Rhythm> rhythm;
    };
    enum class Access { ReadWrite, ReadOnly, Immutable };
    enum class Check { Healthy, Damaged, Busy, Failed };
    QSqlDatabase db() const;
    bool openFile(Access access);
    void closeFile();
    void openForRecording(bool check);
    void openForReading();
    bool prepareSchema();
    // Files up to this size are read whole at every start.
    static constexpr qint64 ThoroughCheckBytes = 8 * 1024 * 1024;
    Check checkFile(bool thorough, bool withIndexes = false);
    void failed(Failure failure, const QString &detail);
    void setAside();
    bool exec(const QString &sql) const;
    bool writeFailed(int code, const QString &detail, int systemError);
    // Begins a transaction that holds the file for writing from its start. One that began
    // by reading could not wait for another writer: SQLite refuses it at once when the
    // other commits first, as what it read is then out of date.
    bool beginWriting(QSqlError *error) const;
    // A new exercise's session, with a uid of its own.
    static Exercise begun(const PracticeEvent &started);
    // How a rhythm exercise is played, from its start's parameters; none for another kind.
    static std::optional<HistoryData::Rhythm> rhythmOf(const PracticeEvent &started);
    // SQLite's busy handler: waits in small steps, so that another writer's pause between
    // two transactions is enough to get in.
    static int waitWhileBusy(void *store, int attempts);
    Imported importPass(QIODevice &in, bool write, Existing existing);
    HistoryData loadBetween(const HistoryFilter &filter, qint64 fromMs, qint64 toMs,
                            bool lastOnly) const;
    QList<HistoryData::Session> sessionsBetween(const HistoryFilter &filter, qint64 fromMs,
                                                qint64 toMs, bool lastOnly,
                                                const Summary *after = nullptr) const;
    void readExercises(const QList<HistoryData::Session> &sessions,
                       const std::function<void(const HistoryData &)> &each) const;
    // The same on two connections at once, handed to `each` (with the exercise's place in
    // `sessions`) in order, on a third thread.
    void readInOrder(const QList<HistoryData::Session> &sessions,
                     const std::function<void(qsizetype, const HistoryData &)> &each) const;

    QString m_path;
    QString m_connection;
    bool m_open = false;
    bool m_readOnly = false;
    QString m_notice;
    QString m_setAside;
    Failure m_failure = Failure::None;
    QString m_failureDetail;
    mutable QString m_readError;
    // The last failed statement's SQLite code and words.
    mutable int m_lastCode = 0;
    mutable QString m_lastText;
    QHash<quint64, Exercise> m_exercises;
    WriteProblem m_writeProblem = WriteProblem::None;
    QString m_writeDetail;
    int m_busyTimeoutMs = BusyTimeoutMs;
    qint64 m_busySinceMs = 0;
};
