// SPDX-License-Identifier: GPL-3.0-or-later
// The practice history on disk: migration of an old file, a writer killed mid-write,
// damaged and newer files, the recorder off the key path, and export and import.
#include "ExerciseEvents.h"
#include "history/HistoryCsv.h"
#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"
#include "history/Statistics.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace {

// Exercises of every kind as a class would play them: both hands or one, memorized
// notes, wrong strikes before the right one, tasks left unanswered, a MIDI keyboard.
QList<PracticeEvent> classHistory()
{
    QRandomGenerator random(7);
    QList<PracticeEvent> all;
    quint64 number = 100;
    const QStringList kinds = {QStringLiteral("random"), QStringLiteral("sequential"),
                               QStringLiteral("memory"), QStringLiteral("preschool"),
                               QStringLiteral("adaptive")};
    for (int round = 0; round < 3; ++round) {
        for (const QString &kind : kinds) {
            const bool twoHands = !(round == 1 && kind == u"random");
            QList<PracticeEvent> events;
            PracticeEvent start;
            start.exercise = ++number;
            start.kind = kind;
            start.player = round == 2 ? QStringLiteral("Ann") : QStringLiteral("Bob");
            start.wallClock = Started.addDays(round * 3).addSecs(qint64(number) * 900);
            start.timeNs = 1'000'000'000;
            events << start;
            for (Hand h : {Hand::Left, Hand::Right}) {
                if (h == Hand::Right && !twoHands)
                    continue;
                qint64 t = start.timeNs + (h == Hand::Left ? 2'000'000'000 : 2'350'000'000);
                for (int task = 1; task <= 30; ++task) {
                    PracticeEvent shown;
                    shown.type = PracticeEvent::Type::TaskShown;
                    shown.exercise = number;
                    shown.hand = h;
                    shown.task = task;
                    shown.expected = int(random.bounded(5)) + 1;
                    shown.memorize = kind == u"memory" && task <= 4;
                    shown.timeNs = t;
                    events << shown;
                    if (task == 30)
                        break; // the exercise ended before it was answered
                    const double reaction =
                        300 + random.bounded(400) + (shown.expected == 4 ? 150 : 0);
                    PracticeEvent strike = shown;
                    strike.type = PracticeEvent::Type::Strike;
                    strike.device =
                        h == Hand::Right ? QStringLiteral("midi") : QStringLiteral("keyboard");
                    strike.velocity = h == Hand::Right ? 30 + int(random.bounded(80)) : -1;
                    if (random.bounded(8) == 0) {
                        strike.struck = shown.expected % 5 + 1;
                        strike.reactionMs = reaction - 80;
                        strike.timeNs = t + qint64((reaction - 80) * 1e6);
                        events << strike;
                    }
                    strike.struck = shown.expected;
                    strike.right = true;
                    strike.points = 5;
                    strike.reactionMs = reaction;
                    strike.timeNs = t + qint64(reaction * 1e6) + 123;
                    events << strike;
                    t = strike.timeNs + 200'000'000 + qint64(random.bounded(400)) * 1'000'000;
                }
            }
            std::stable_sort(events.begin() + 1, events.end(),
                             [](const auto &a, const auto &b) { return a.timeNs < b.timeNs; });
            PracticeEvent end;
            end.type = PracticeEvent::Type::ExerciseFinished;
            end.exercise = number;
            events << end;
            all << events;
        }
    }
    return all;
}

// The plain-text report of the whole history, or of one player's.
QString reportOf(const HistoryStore &store, const QString &player)
{
    HistoryFilter filter;
    filter.player = player;
    const QDateTime now = Started.addDays(10);
    return Statistics::report(
        Statistics::compute(store.load(filter, now), store.loadPrevious(filter, now), filter),
        filter);
}

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The folder's files with their contents' hashes: what a reader must leave as it was.
// The -shm is the connections' shared memory, where every reader marks what it reads.
QStringList folderState(const QString &folder)
{
    QStringList state;
    for (const QFileInfo &f : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        state << (f.fileName().endsWith(QLatin1String("-shm"))
                      ? f.fileName()
                      : f.fileName() + u' ' + QString::fromLatin1(fileHash(f.filePath()).toHex()));
    }
    return state;
}

// A history of `exercises` exercises of 5 strikes a hand, closed again.
void makeHistory(const QString &path, int exercises)
{
    HistoryStore store(path);
    for (int n = 1; n <= exercises; ++n)
        store.record(exercise(quint64(n), 5));
}

QByteArray exported(const HistoryStore &store)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QString error;
    if (!store.exportCsv(out, QString(), &error))
        qWarning("export failed: %s", qPrintable(error));
    return out.data();
}

// A device that reads as a CSV header and then one endless field, without holding it.
class EndlessLine : public QIODevice {
public:
    explicit EndlessLine(qint64 size) : m_size(size)
    {
        m_head = HistoryCsv::record(HistoryCsv::columns());
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 handedOut() const { return m_at; }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        qint64 n = 0;
        for (; n < max && m_at < m_size; ++n, ++m_at)
            data[n] = m_at < m_head.size() ? m_head[m_at] : 'x';
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_head;
    qint64 m_size;
    qint64 m_at = 0;
};

} // namespace

Q_DECLARE_METATYPE(HistoryStore::Mode)
Q_DECLARE_METATYPE(HistoryFilter::Period)

class TestHistoryStore : public QObject {
    Q_OBJECT
private slots:
    void migratesAVersionOneFile();
    void migratesAVersionTwoFile();
    void rhythmRoundTripsWithOlderExercises();
    void classFiguresAreEachPlayersOwn_data();
    void classFiguresAreEachPlayersOwn();
    void killedWriterKeepsWhatWasCommitted();
    void unreadableFileIsSetAside_data();
    void unreadableFileIsSetAside();
    void damageMetWhileReadingIsReported();
    void newerFileIsLeftUntouched();
    void lockedFileIsWaitedForNeverSetAside_data();
    void lockedFileIsWaitedForNeverSetAside();
    void readOnlyOpeningLeavesTheFolderAsItWas_data();
    void readOnlyOpeningLeavesTheFolderAsItWas();
    void recorderCommitsAndUnfinishedStaysAbandoned();
    void importTwiceAddsNothing();
    void importedHistoryReportsTheSame();
    void formulaCellsRoundTrip_data();
    void formulaCellsRoundTrip();
    void importedNamesLoseControlCharacters();
    void byteOrderMarkIsSkipped();
    void textNotUtf8IsRefused_data();
    void textNotUtf8IsRefused();
    void malformedImportChangesNothing_data();
    void malformedImportChangesNothing();
    void hugeLineIsRefusedWithoutReadingIt();
    void deviceFormulaCellsRoundTrip_data();
    void deviceFormulaCellsRoundTrip();
};

void TestHistoryStore::migratesAVersionOneFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    QVERIFY(QFile::copy(QStringLiteral(MORAVEL_SOURCE_DIR "/tests/history/data/history-v1.sqlite"),
                        path));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    HistoryStore store(path);
    QVERIFY(store.isWritable());
    QVERIFY(store.notice().isEmpty());
    const HistoryData old = store.load({}, Started);
    QCOMPARE(old.sessions.size(), 2);
    QCOMPARE(old.sessions[1].status, QStringLiteral("abandoned"));
    QCOMPARE(old.strikes.size(), 5);
    // The old strikes take the device column's first value.
    QVERIFY(exported(store).contains(",keyboard,"));
    QCOMPARE(*old.strikes[0].reactionMs, 412.5);
    // New practice goes into the brought-forward file.
    QVERIFY(store.record(exercise(7, 3)));
    QCOMPARE(store.load({}, Started.addDays(1)).strikes.size(), 11);
    QCOMPARE(store.players(), QStringList{QStringLiteral("Mira")});
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery version(db);
        QVERIFY(version.exec(QStringLiteral("PRAGMA user_version")) && version.next());
        QCOMPARE(version.value(0).toInt(), HistoryStore::SchemaVersion);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
}

void TestHistoryStore::migratesAVersionTwoFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QFile sql(QStringLiteral(MORAVEL_SOURCE_DIR "/tests/history/data/history-v2.sql"));
        QVERIFY(sql.open(QIODevice::ReadOnly));
        for (const QByteArray &statement : sql.readAll().split(';')) {
            QString text = QString::fromUtf8(statement);
            // Comments run to the end of their line.
            text.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
            if (!text.trimmed().isEmpty())
                QVERIFY2(QSqlQuery(db).exec(text), qPrintable(text));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    HistoryStore store(path);
    QVERIFY(store.isWritable());
    const HistoryData old = store.load({}, Started);
    QCOMPARE(old.strikes.size(), 2);
    QCOMPARE(old.tasks.size(), 3);
    QCOMPARE(old.strikes[0].velocity.value_or(0), 72);
    QVERIFY(!old.strikes[0].gridMs && !old.tasks[2].gridMs && !old.sessions[0].rhythm);
    // The unanswered task keeps its row, and the file takes rhythm exercises now.
    QVERIFY(exported(store).contains(",L,2,4,,,,,,,,task,0,,1700,,,,,,,,,,,,,\r\n"));
    QVERIFY(store.record(rhythmExercise(7, QStringLiteral("Hanon3"), 96, true)));
    QCOMPARE(store.bestCleanBpm(QStringLiteral("Mira"), QStringLiteral("Hanon3")), 96);
    // A player who never gave a name is recorded under an empty one, not refused.
    QVERIFY(store.record(exercise(8, 2, QString())));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QSqlQuery look(db);
    QVERIFY(look.exec(QStringLiteral("PRAGMA user_version")) && look.next());
    QCOMPARE(look.value(0).toInt(), 3);
    look.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
}

void TestHistoryStore::rhythmRoundTripsWithOlderExercises()
{
    QTemporaryDir dir;
    HistoryStore here(dir.filePath(QStringLiteral("a.sqlite")));
    QList<PracticeEvent> events = classHistory();
    // A figure named like a formula comes back as it was.
    for (const auto &[number, figure, bpm, clean] :
         {std::tuple{900, "Hanon3", 96, true}, std::tuple{901, "Hanon3", 104, false},
          std::tuple{902, "Hanon3", 88, true}, std::tuple{903, "=Figure", 60, true}})
        events << rhythmExercise(quint64(number), QLatin1String(figure), bpm, clean);
    QVERIFY(here.record(events));
    const QByteArray csv = exported(here);
    HistoryStore there(dir.filePath(QStringLiteral("b.sqlite")));
    QBuffer in;
    in.setData(csv);
    in.open(QIODevice::ReadOnly);
    const HistoryStore::Imported imported = there.importCsv(in);
    QVERIFY2(imported.ok, qPrintable(imported.error));
    QCOMPARE(exported(there), csv);
    QCOMPARE(there.bestCleanBpm(QStringLiteral("Mira"), QStringLiteral("Hanon3")), 96);
    QCOMPARE(there.bestCleanBpm(QStringLiteral("Mira"), QStringLiteral("=Figure")), 60);
    QCOMPARE(there.bestCleanBpm(QStringLiteral("Bob"), QStringLiteral("Hanon3")), std::nullopt);

    HistoryFilter rhythmOnly;
    rhythmOnly.kind = QStringLiteral("rhythm");
    const HistoryData back = there.load(rhythmOnly, Started.addDays(30));
    QCOMPARE(back.sessions.size(), 4);
    const HistoryData::Rhythm &first = *back.sessions[0].rhythm;
    QCOMPARE(first.figure, QStringLiteral("Hanon3"));
    QCOMPARE(first.bpm, 96);
    QCOMPARE(first.notesPerBeatLeft, 2);
    QCOMPARE(first.notesPerBeatRight, 3);
    QCOMPARE(first.lengthIn, QStringLiteral("passes"));
    QVERIFY(first.countIn && first.tempoTrainer && first.silentEvery == 4 && *first.clean);
    QCOMPARE(back.sessions[1].rhythm->clean, false);
    // Every strike keeps its note's time and its deviation; the fourth finger came late.
    int late = 0, silent = 0;
    for (const HistoryData::Strike &strike : back.strikes) {
        QVERIFY(strike.gridMs && strike.deviationMs && !strike.reactionMs);
        QVERIFY(qAbs(*strike.atMs - *strike.gridMs - *strike.deviationMs) < 1e-6);
        late += *strike.deviationMs == 30;
        silent += strike.silent;
    }
    QCOMPARE(late, 4 * (3 + 5)); // the fourth finger: 3 of 16 notes left, 5 of 24 right
    QCOMPARE(silent, 4 * 8);
    // The missed note is a task of its own, with its time on the grid.
    const auto missed = std::find_if(back.tasks.begin(), back.tasks.end(), [](const auto &t) {
        return t.hand == Hand::Right && t.task == 5;
    });
    QVERIFY(missed != back.tasks.end() && missed->gridMs);

    // An export of the format before carries no timing, and is read as it was.
    QByteArray older;
    const qsizetype added = HistoryCsv::timedColumns().size();
    for (QByteArray line : csv.split('\n')) {
        if (line.isEmpty() || line.contains(",rhythm,"))
            continue;
        line.chop(1); // the CR
        QList<QByteArray> fields = line.split(',');
        fields.resize(fields.size() - added);
        older += fields.join(',') + "\r\n";
    }
    QVERIFY(older.startsWith(HistoryCsv::record(HistoryCsv::header(2))));
    HistoryStore third(dir.filePath(QStringLiteral("c.sqlite")));
    QBuffer olderIn;
    olderIn.setData(older);
    olderIn.open(QIODevice::ReadOnly);
    QVERIFY(third.importCsv(olderIn).ok);
    QByteArray withoutRhythm;
    for (const QByteArray &line : csv.split('\n')) {
        if (!line.contains(",rhythm,") && !line.isEmpty())
            withoutRhythm += line + '\n';
    }
    QCOMPARE(exported(third), withoutRhythm);
}

void TestHistoryStore::classFiguresAreEachPlayersOwn_data()
{
    QTest::addColumn<HistoryFilter::Period>("period");
    QTest::newRow("last exercise") << HistoryFilter::Period::LastExercise;
    QTest::newRow("week") << HistoryFilter::Period::Week;
    QTest::newRow("month") << HistoryFilter::Period::Month;
    QTest::newRow("all") << HistoryFilter::Period::All;
}

void TestHistoryStore::classFiguresAreEachPlayersOwn()
{
    QFETCH(HistoryFilter::Period, period);
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    QList<PracticeEvent> events = classHistory();
    // A third player who practised only long ago, and a rhythm exercise of Ann's.
    for (PracticeEvent e : exercise(900, 12, QStringLiteral("Cy"))) {
        e.wallClock = e.wallClock.addDays(-40);
        events << e;
    }
    events << rhythmExercise(901, QStringLiteral("Hanon3"), 96, true, 30, QStringLiteral("Ann"));
    QVERIFY(store.record(events));
    const QDateTime now = Started.addDays(10);
    HistoryFilter filter;
    filter.period = period;
    const QList<ClassRow> rows = store.classFigures(filter, now);
    QStringList names;
    for (const ClassRow &row : rows) {
        names << row.player;
        HistoryFilter own = filter;
        own.player = row.player;
        // The same figures, word for word, as the player's own Statistics.
        QCOMPARE(Statistics::report(row.figures, own),
                 Statistics::report(store.statistics(own, now), own));
        HistoryFilter month;
        month.player = row.player;
        month.period = HistoryFilter::Period::Month;
        QCOMPARE(row.exercisesMonth, store.load(month, now).sessions.size());
        QVERIFY(row.exercisesWeek <= row.exercisesMonth);
        QCOMPARE(row.minutesMonth > 0, row.exercisesMonth > 0);
    }
    // Cy practised before the last 30 days: only "all" and his last exercise find him.
    QCOMPARE(names,
             period == HistoryFilter::Period::All || period == HistoryFilter::Period::LastExercise
                 ? QStringList({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")})
                 : QStringList({QStringLiteral("Ann"), QStringLiteral("Bob")}));
}

void TestHistoryStore::killedWriterKeepsWhatWasCommitted()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryStore create(path);
    }
    int pipeFds[2];
    QCOMPARE(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        // The child writes exercise after exercise and says after each commit.
        ::close(pipeFds[0]);
        HistoryStore store(path, false);
        for (quint64 n = 1;; ++n) {
            if (!store.record(exercise(n, 40)))
                ::_exit(2);
            ::write(pipeFds[1], &n, sizeof n);
        }
    }
    ::close(pipeFds[1]);
    quint64 committed = 0;
    while (committed < 12 && ::read(pipeFds[0], &committed, sizeof committed) == sizeof committed) {
    }
    // Killed in the middle of its next transaction, or close to it.
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(pipeFds[0]);
    QVERIFY(committed >= 12);

    HistoryStore store(path);
    QVERIFY2(store.isWritable() && store.setAsidePath().isEmpty(), qPrintable(store.notice()));
    const HistoryData data = store.load({}, Started.addDays(30));
    QVERIFY(data.sessions.size() >= int(committed));
    QVERIFY(data.strikes.size() >= int(committed) * 80);
    // Whole exercises only: a transaction is all or nothing.
    QCOMPARE(data.strikes.size() % 80, 0);
}

void TestHistoryStore::unreadableFileIsSetAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Whether the program that wrote it was killed (its write-ahead log is left).
    QTest::addColumn<bool>("killed");
    QTest::newRow("random bytes") << QByteArray(8192, '\x5a') << false;
    const auto written = [](int tasks) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("h.sqlite"));
        {
            HistoryStore store(path);
            store.record(exercise(1, tasks));
        }
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    };
    const QByteArray cut = written(200);
    // A file whose pages were overwritten in the middle.
    QByteArray overwritten = cut;
    overwritten.replace(4096, 8192, QByteArray(8192, '\xff'));
    QTest::newRow("pages overwritten") << overwritten << false;
    QTest::newRow("cut short") << cut.left(cut.size() / 2) << false;
    // Too large to be read whole at every start; read whole after a kill.
    QByteArray large = written(60000);
    QVERIFY(large.size() > 9 * 1024 * 1024);
    large.replace(large.size() / 2, 8192, QByteArray(8192, '\xff'));
    QTest::newRow("large, pages overwritten, killed") << large << true;
}

void TestHistoryStore::unreadableFileIsSetAside()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, killed);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    if (killed) {
        // What the killed program wrote is still in its log.
        QFile wal(path + QStringLiteral("-wal"));
        QVERIFY(wal.open(QIODevice::WriteOnly));
        wal.write(QByteArray(4096, '\x01'));
    }
    HistoryStore store(path);
    QVERIFY(store.isWritable());
    QVERIFY(!store.setAsidePath().isEmpty());
    QVERIFY(store.notice().contains(store.setAsidePath()));
    // Kept as it was, under its new name; the new history works.
    QFile kept(store.setAsidePath());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
    QVERIFY(store.record(exercise(1, 2)));
    QCOMPARE(store.load({}, Started.addDays(1)).strikes.size(), 4);
}

void TestHistoryStore::damageMetWhileReadingIsReported()
{
    // A file damaged deep inside passes the look taken at opening; the readers meet the
    // damage part way through, on either connection, and the reading ends with it said.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryStore store(path);
        for (quint64 e = 1; e <= 60; ++e)
            QVERIFY(store.record(exercise(e, 100)));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(file.size() / 2));
    file.write(QByteArray(64 * 1024, '\xff'));
    file.close();
    const HistoryStore store(path, HistoryStore::Mode::Read);
    QVERIFY(store.isOpen());
    int seen = 0;
    store.forEachExercise({}, Started.addDays(1), [&seen](const HistoryData &) { ++seen; });
    QVERIFY(!store.readError().isEmpty());
    QVERIFY(seen < 60);
    store.statistics({}, Started.addDays(1));
    QVERIFY(!store.readError().isEmpty());
}

void TestHistoryStore::newerFileIsLeftUntouched()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryStore store(path);
        store.record(exercise(1, 2));
    }
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 9"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    const QByteArray before = fileHash(path);
    {
        HistoryStore store(path);
        QVERIFY(store.isOpen());
        QVERIFY(!store.isWritable());
        QVERIFY(store.notice().contains(QStringLiteral("newer version")));
        // Still shown ...
        QCOMPARE(store.load({}, Started.addDays(1)).strikes.size(), 4);
        // ... but never written.
        QVERIFY(!store.record(exercise(2, 2)));
    }
    QCOMPARE(fileHash(path), before);
}

void TestHistoryStore::lockedFileIsWaitedForNeverSetAside_data()
{
    QTest::addColumn<HistoryStore::Mode>("mode");
    QTest::newRow("program start") << HistoryStore::Mode::Record;
    QTest::newRow("report or export") << HistoryStore::Mode::Read;
}

void TestHistoryStore::lockedFileIsWaitedForNeverSetAside()
{
    QFETCH(HistoryStore::Mode, mode);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    makeHistory(path, 2);
    int pipeFds[2];
    QCOMPARE(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        // Another program holds the file for itself, as a long import or backup would.
        ::close(pipeFds[0]);
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        const bool held = db.open() && q.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")) &&
                          q.exec(QStringLiteral("BEGIN EXCLUSIVE")) &&
                          q.exec(QStringLiteral("DELETE FROM strikes"));
        const char said = held ? 'y' : 'n';
        ::write(pipeFds[1], &said, 1);
        ::pause();
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    char said = 0;
    QCOMPARE(::read(pipeFds[0], &said, 1), 1);
    ::close(pipeFds[0]);
    const QStringList before = folderState(dir.path());
    QElapsedTimer waited;
    waited.start();
    {
        HistoryStore store(path, mode);
        QVERIFY(!store.isOpen());
        QCOMPARE(store.failure(), HistoryStore::Failure::Busy);
        QVERIFY(store.setAsidePath().isEmpty());
        if (mode == HistoryStore::Mode::Record)
            QVERIFY(store.notice().contains(QStringLiteral("in use by another program")));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    QCOMPARE(said, 'y');
    // It waited for the other program before giving up.
    QVERIFY(waited.elapsed() >= 4000);
    QCOMPARE(folderState(dir.path()), before);
    // Once the other program is gone, every strike is still there.
    QCOMPARE(
        HistoryStore(path, HistoryStore::Mode::Read).load({}, Started.addDays(1)).strikes.size(),
        20);
}

void TestHistoryStore::readOnlyOpeningLeavesTheFolderAsItWas_data()
{
    QTest::addColumn<HistoryStore::Mode>("mode");
    QTest::addColumn<bool>("fileReadOnly");
    QTest::addColumn<bool>("folderReadOnly");
    QTest::addColumn<bool>("writerOpen");
    const auto read = HistoryStore::Mode::Read, record = HistoryStore::Mode::Record;
    QTest::newRow("read") << read << false << false << false;
    QTest::newRow("read, the program recording") << read << false << false << true;
    QTest::newRow("read, file read-only") << read << true << false << false;
    QTest::newRow("read, folder read-only") << read << false << true << false;
    QTest::newRow("start, file read-only") << record << true << false << false;
    QTest::newRow("start, folder read-only") << record << false << true << false;
}

void TestHistoryStore::readOnlyOpeningLeavesTheFolderAsItWas()
{
    QFETCH(HistoryStore::Mode, mode);
    QFETCH(bool, fileReadOnly);
    QFETCH(bool, folderReadOnly);
    QFETCH(bool, writerOpen);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    makeHistory(path, 3);
    std::optional<HistoryStore> writer;
    if (writerOpen) {
        writer.emplace(path);
        QVERIFY(writer->record(exercise(4, 5)));
    }
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (fileReadOnly)
        QFile::setPermissions(path, readOnly);
    if (folderReadOnly)
        QFile::setPermissions(dir.path(), readOnly | QFileDevice::ExeOwner);
    const QStringList before = folderState(dir.path());
    {
        HistoryStore store(path, mode);
        QVERIFY(store.isOpen());
        QVERIFY(!store.isWritable());
        QCOMPARE(store.load({}, Started.addDays(1)).strikes.size(), writerOpen ? 40 : 30);
        QVERIFY(!store.record(exercise(9, 1)));
        // The program says why it records nothing; a command that only reads says nothing.
        QCOMPARE(store.notice().contains(QStringLiteral("not being recorded")),
                 mode == HistoryStore::Mode::Record);
    }
    const QStringList after = folderState(dir.path());
    QFile::setPermissions(dir.path(), readOnly | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(after, before);
}

void TestHistoryStore::recorderCommitsAndUnfinishedStaysAbandoned()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    HistoryStore reader(path);
    {
        HistoryRecorder recorder(path);
        for (const PracticeEvent &e : exercise(1, 5, QStringLiteral("Ana"), false))
            recorder.practiceEvent(e);
        recorder.flush();
        // Committed and readable from another connection while the recorder still runs.
        QCOMPARE(reader.load({}, Started.addDays(1)).strikes.size(), 10);
    }
    const HistoryData data = reader.load({}, Started.addDays(1));
    QCOMPARE(data.sessions.size(), 1);
    QCOMPARE(data.sessions[0].status, QStringLiteral("abandoned"));
    QCOMPARE(data.sessions[0].player, QStringLiteral("Ana"));
    QCOMPARE(data.tasks.size(), 10);
    for (const HistoryData::Strike &s : data.strikes)
        QCOMPARE(s.velocity,
                 s.hand == Hand::Right ? std::optional<int>(40 + s.task) : std::nullopt);
}

void TestHistoryStore::importTwiceAddsNothing()
{
    QTemporaryDir dir;
    HistoryStore here(dir.filePath(QStringLiteral("a.sqlite")));
    here.record(exercise(1, 6, QStringLiteral("Ana, \"the elder\"")));
    here.record(exercise(2, 4, QStringLiteral("Bo")));
    const QByteArray csv = exported(here);
    QCOMPARE(csv.count("\r\n"), 1 + 2 * 10);

    HistoryStore there(dir.filePath(QStringLiteral("b.sqlite")));
    for (int round = 0; round < 2; ++round) {
        QBuffer in;
        in.setData(csv);
        in.open(QIODevice::ReadOnly);
        const HistoryStore::Imported imported = there.importCsv(in);
        QVERIFY2(imported.ok, qPrintable(imported.error));
        QCOMPARE(imported.sessions, round == 0 ? 2 : 0);
    }
    // The copy exports the same rows, names with commas and quotes included.
    QCOMPARE(exported(there), csv);
    // Importing one's own export adds nothing either.
    QBuffer own;
    own.setData(csv);
    own.open(QIODevice::ReadOnly);
    QCOMPARE(here.importCsv(own).sessions, 0);
}

void TestHistoryStore::importedHistoryReportsTheSame()
{
    QTemporaryDir dir;
    HistoryStore here(dir.filePath(QStringLiteral("a.sqlite")));
    QVERIFY(here.record(classHistory()));
    const QByteArray csv = exported(here);
    HistoryStore there(dir.filePath(QStringLiteral("b.sqlite")));
    QBuffer in;
    in.setData(csv);
    in.open(QIODevice::ReadOnly);
    const HistoryStore::Imported imported = there.importCsv(in);
    QVERIFY2(imported.ok, qPrintable(imported.error));
    QCOMPARE(imported.sessions, 15);
    for (const QString &player : {QString(), QStringLiteral("Bob"), QStringLiteral("Ann")}) {
        const QString report = reportOf(here, player);
        // The history has what the report's every part needs.
        for (const char *part : {"two-hand cost: ", "(against one-hand", "touch, MIDI", "Coupling"})
            QVERIFY2(player == u"Ann" || report.contains(QLatin1String(part)), part);
        QCOMPARE(reportOf(there, player), report);
    }
    // The heading counts what the finger tables count: memorized notes are not played.
    const QString all = reportOf(here, QString());
    int tables = 0;
    for (const QString &line : all.split(u'\n')) {
        const QStringList cells = line.simplified().split(u' ');
        if (line.startsWith(QLatin1String("  ")) && cells.size() >= 6 && cells[0].toInt() > 0)
            tables += cells.last().toInt();
    }
    QVERIFY(all.contains(QStringLiteral("15 exercises, %1 strikes").arg(tables)));
    QCOMPARE(exported(there), csv);
}

void TestHistoryStore::formulaCellsRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<QString>("imported");
    const auto row = [](const char *tag, const QString &name, const QByteArray &cell) {
        QTest::newRow(tag) << name << cell << name;
    };
    row("=", "=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"");
    row("@", "@SUM(1+1)", "'@SUM(1+1)");
    row("+", "+1", "'+1");
    row("-", "-1", "'-1");
    row("quote, then =", "'=1", "''=1");
    row("quote alone", "'Ann", "'Ann");
    row("quote but no comma", "Ann \"A\"", "\"Ann \"\"A\"\"\"");
    row("plain", "Ann-Marie", "Ann-Marie");
    // A name never keeps a tab: it comes back with the name prompt's blank.
    QTest::newRow("tab") << "\tx" << QByteArray("'\tx") << " x";
}

void TestHistoryStore::formulaCellsRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, cell);
    QFETCH(QString, imported);
    QTemporaryDir dir;
    HistoryStore here(dir.filePath(QStringLiteral("a.sqlite")));
    QVERIFY(here.record(exercise(1, 2, name)));
    const QByteArray csv = exported(here);
    QVERIFY2(csv.contains(',' + cell + ",random,"), csv.constData());
    HistoryStore there(dir.filePath(QStringLiteral("b.sqlite")));
    QBuffer in;
    in.setData(csv);
    in.open(QIODevice::ReadOnly);
    QVERIFY(there.importCsv(in).ok);
    QCOMPARE(there.players(), QStringList{imported});
}

void TestHistoryStore::importedNamesLoseControlCharacters()
{
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    QBuffer in;
    in.setData(HistoryCsv::record(HistoryCsv::columns()) +
               "s1,\"Ana\r\nBo\x1b[2J\",random,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,412.5,5,"
               "keyboard,\r\n");
    in.open(QIODevice::ReadOnly);
    const HistoryStore::Imported imported = store.importCsv(in);
    QVERIFY2(imported.ok, qPrintable(imported.error));
    QCOMPARE(store.players(), QStringList{QStringLiteral("Ana  Bo [2J")});
}

void TestHistoryStore::byteOrderMarkIsSkipped()
{
    // As a spreadsheet saves "CSV UTF-8".
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    QBuffer in;
    in.setData("\xef\xbb\xbf" + HistoryCsv::record(HistoryCsv::columns()) +
               "s1,\xc3\xa9t\xc3\xa9,random,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,412.5,5,"
               "keyboard,\r\n");
    in.open(QIODevice::ReadOnly);
    const HistoryStore::Imported imported = store.importCsv(in);
    QVERIFY2(imported.ok, qPrintable(imported.error));
    QCOMPARE(store.players(), QStringList{QStringLiteral("\u00e9t\u00e9")});
}

void TestHistoryStore::textNotUtf8IsRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("error");
    const QByteArray good =
        "s1,Ana,random,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,412.5,5,keyboard,\r\n";
    const QByteArray rest =
        ",random,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,412.5,5,keyboard,\r\n";
    QTest::newRow("cp1252") << good + good + "s2,\xe9t\xe9" + rest
                            << "line 4: the text is not UTF-8";
    QTest::newRow("cut sequence") << good + "s2,\xc3" + rest << "line 3: the text is not UTF-8";
    const char nul[] = "s2,Ana,rand\0om,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,412.5,5,k,\r\n";
    QTest::newRow("NUL quoted in the message") << good + QByteArray(nul, sizeof nul - 1)
                                               << "line 3: exercise \"rand\\x00om\" is not valid";
}

void TestHistoryStore::textNotUtf8IsRefused()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, error);
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    QBuffer in;
    in.setData(HistoryCsv::record(HistoryCsv::columns()) + body);
    in.open(QIODevice::ReadOnly);
    const HistoryStore::Imported imported = store.importCsv(in);
    QVERIFY(!imported.ok);
    QVERIFY2(imported.error.startsWith(error), qPrintable(imported.error));
    QVERIFY(!imported.error.contains(QChar(0)));
    QVERIFY(store.players().isEmpty());
}

void TestHistoryStore::malformedImportChangesNothing_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("error");
    const QByteArray good =
        "s1,Ana,random,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,412.5,5,keyboard,\r\n";
    QTest::newRow("quote inside a field")
        << good + "s1,An\"a,random,2026-12-08T17:30:00.000+01:00,L,2,3,3,1,0,1,5,keyboard,\r\n"
        << "line 3: a quote inside a field";
    QTest::newRow("quoted field not closed") << good + "s2,\"Ana,random\r\n"
                                             << "line 3: a quoted field is not closed";
    QTest::newRow("missing columns") << good + "s2,Ana,random,2026-12-08T17:30:00+01:00,L,1,3\r\n"
                                     << "line 3: 7 columns instead of 14";
    QTest::newRow("finger out of range")
        << good + "s2,Ana,random,2026-12-08T17:30:00.000+01:00,R,1,3,6,0,0,400,0,keyboard,\r\n"
        << "line 3: struck \"6\" is not valid";
    QTest::newRow("hand not L or R")
        << good + "s2,Ana,random,2026-12-08T17:30:00.000+01:00,X,1,3,3,1,0,400,5,keyboard,\r\n"
        << "line 3: hand \"X\" is not valid";
    QTest::newRow("a kind of exercise the program has no window for")
        << good + "s2,Ana,dance,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,400,5,keyboard,\r\n"
        << "line 3: exercise \"dance\" is not valid";
    QTest::newRow("one exercise, two players")
        << good + "s1,Bo,random,2026-12-08T17:30:00.000+01:00,L,2,3,3,1,0,400,5,keyboard,\r\n"
        << "line 3: the exercise s1";
    // More rows than one transaction of the import holds, then a bad one: the file is
    // checked whole before any of it is written.
    QByteArray longFile;
    const int rows = HistoryStore::ImportChunkRows + 500;
    for (int n = 0; n < rows; ++n)
        longFile += QByteArray("x") + QByteArray::number(n / 1000) +
                    ",Ana,random,2026-12-08T17:30:00.000+01:00,L," +
                    QByteArray::number(n % 1000 + 1) + ",3,3,1,0,400,5,keyboard,\r\n";
    // The format that times notes: its columns belong together.
    const QByteArray timed = HistoryCsv::record(HistoryCsv::header(3));
    const QByteArray rhythmRow = "r1,Ana,rhythm,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,,5,"
                                 "keyboard,,strike,0,2000,2000,";
    const QByteArray played = ",2,2,4,passes,1,0,0,1\r\n";
    QTest::newRow("timed, good then a bad deviation")
        << timed + rhythmRow + "2000,0,0,Hanon3,96" + played + rhythmRow + "2000,late,0,Hanon3,96" +
               played
        << "line 3: deviation_ms \"late\" is not valid";
    QTest::newRow("a figure on an exercise not played in time")
        << timed +
               "s1,Ana,random,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,400,5,keyboard,,strike,0,"
               "900,500,,,,Hanon3,96" +
               played
        << "line 2: figure \"Hanon3\" is not valid";
    QTest::newRow("silent without a time on the grid")
        << timed +
               "s1,Ana,random,2026-12-08T17:30:00.000+01:00,L,1,3,3,1,0,400,5,keyboard,,strike,0,"
               "900,500,,,1,,,,,,,,,,\r\n"
        << "line 2: silent \"1\" is not valid";
    QTest::newRow("a deviation on a note nobody struck")
        << timed +
               "r1,Ana,rhythm,2026-12-08T17:30:00.000+01:00,L,1,3,,,,,,,,task,0,,2000,2000,5,0,"
               "Hanon3,96" +
               played
        << "line 2: deviation_ms \"5\" is not valid";
    QTest::newRow("a bad row after many exercises")
        << longFile + "s2,Ana,random,2026-12-08T17:30:00.000+01:00,X,1,3,3,1,0,400,5,keyboard,\r\n"
        << QStringLiteral("line %1: hand \"X\" is not valid").arg(rows + 2);
}

void TestHistoryStore::malformedImportChangesNothing()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, error);
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    QBuffer in;
    // A body that does not begin with a header is of the first format.
    in.setData(body.startsWith("session,") ? body
                                           : HistoryCsv::record(HistoryCsv::columns()) + body);
    in.open(QIODevice::ReadOnly);
    const HistoryStore::Imported imported = store.importCsv(in);
    QVERIFY(!imported.ok);
    QVERIFY2(imported.error.startsWith(error), qPrintable(imported.error));
    QVERIFY(store.players().isEmpty());
}

void TestHistoryStore::hugeLineIsRefusedWithoutReadingIt()
{
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("history.sqlite")));
    EndlessLine in(qint64(100) << 20);
    const HistoryStore::Imported imported = store.importCsv(in);
    QVERIFY(!imported.ok);
    QVERIFY2(imported.error.startsWith(QStringLiteral("line 2: the record is longer")),
             qPrintable(imported.error));
    // It stopped at the limit instead of reading on through the 100 MB.
    QVERIFY(in.handedOut() < 2 * HistoryCsv::Reader::MaxRecordBytes);
    QVERIFY(store.players().isEmpty());
}

void TestHistoryStore::deviceFormulaCellsRoundTrip_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QByteArray>("cell");
    QTest::newRow("=") << "=cmd|' /C calc'!A0" << QByteArray("'=cmd|' /C calc'!A0");
    QTest::newRow("+") << "+1" << QByteArray("'+1");
    QTest::newRow("-") << "-x" << QByteArray("'-x");
    QTest::newRow("@") << "@x" << QByteArray("'@x");
    QTest::newRow("quote, then =") << "'=x" << QByteArray("''=x");
}

void TestHistoryStore::deviceFormulaCellsRoundTrip()
{
    QFETCH(QString, device);
    QFETCH(QByteArray, cell);
    // The device column as the file holds it, strike by strike.
    const auto devices = [](const QString &path) {
        QStringList names;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("devices"));
            db.setDatabaseName(path);
            QSqlQuery q(db);
            if (db.open() &&
                q.exec(QStringLiteral("SELECT device FROM strikes ORDER BY hand, task"))) {
                while (q.next())
                    names << q.value(0).toString();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("devices"));
        return names;
    };
    QTemporaryDir dir;
    const QString herePath = dir.filePath(QStringLiteral("a.sqlite"));
    HistoryStore here(herePath);
    // The left hand's strikes come from the device so named, the right hand's from "midi".
    QList<PracticeEvent> events = exercise(1, 3);
    for (PracticeEvent &e : events) {
        if (e.type == PracticeEvent::Type::Strike && e.hand == Hand::Left)
            e.device = device;
    }
    QVERIFY(here.record(events));
    const QStringList recorded = devices(herePath);
    QCOMPARE(recorded.count(device), 3);
    const QByteArray csv = exported(here);
    QCOMPARE(csv.count(',' + cell + ",,strike,"), 3);
    QVERIFY2(!csv.contains(',' + device.toUtf8()), csv.constData());
    const QString therePath = dir.filePath(QStringLiteral("b.sqlite"));
    HistoryStore there(therePath);
    QBuffer in;
    in.setData(csv);
    in.open(QIODevice::ReadOnly);
    QVERIFY(there.importCsv(in).ok);
    QCOMPARE(devices(therePath), recorded);
}

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_historystore.moc"
