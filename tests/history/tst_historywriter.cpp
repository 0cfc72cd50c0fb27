// SPDX-License-Identifier: GPL-3.0-or-later
// The history's writer when the file does not take what it writes: held by another program
// longer than a try waits, before the exercise's first batch too, on a full disk, on a
// folder turned read-only, damaged inside. Nothing is dropped, nothing is written twice or
// under another exercise, and the player hears of it once and of its end; a close that
// cannot write saves the rest beside the history, and the next start merges it once.
#include "ExerciseEvents.h"
#include "FaultyFiles.h"
#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>
#include <unistd.h>

namespace {

using Problem = HistoryStore::WriteProblem;

enum class Fault { Locked, LockedBeforeStart, DiskFull, ReadOnly };

// Another program's write transaction on the file, held until taken away.
class Lock {
public:
    explicit Lock(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        m_held = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~Lock()
    {
        QSqlDatabase::database(m_name).rollback();
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool held() const { return m_held; }

private:
    QString m_name = QStringLiteral("other-program");
    bool m_held = false;
};

// A disk of a few megabytes of our own (mounting needs root), and a file that takes every
// byte left on it.
class SmallDisk {
public:
    explicit SmallDisk(const QString &folder) : m_folder(folder)
    {
        QDir().mkpath(folder);
        m_mounted =
            ::geteuid() == 0 &&
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=3m"), QStringLiteral("tmpfs"), folder}) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_folder});
    }
    bool mounted() const { return m_mounted; }
    void fill()
    {
        QFile filler(m_folder + QStringLiteral("/filler"));
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(64 * 1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    void empty() { QFile::remove(m_folder + QStringLiteral("/filler")); }

private:
    QString m_folder;
    bool m_mounted = false;
};

// What the writer told, in order.
struct Told {
    std::mutex mutex;
    QList<Problem> problems;
    HistoryRecorder::StatusSink sink()
    {
        return [this](const HistoryRecorder::Status &status) {
            const std::lock_guard lock(mutex);
            problems << status.problem;
        };
    }
    QList<Problem> list()
    {
        const std::lock_guard lock(mutex);
        return problems;
    }
};

void feed(HistoryRecorder &recorder, const QList<PracticeEvent> &events)
{
    for (const PracticeEvent &e : events)
        recorder.practiceEvent(e);
}

// Each player's strikes, every one under its own player's exercise.
QMap<QString, int> strikesByPlayer(const QString &path)
{
    const HistoryData data =
        HistoryStore(path, HistoryStore::Mode::Read).load({}, Started.addDays(1));
    QMap<qint64, QString> playerOf;
    for (const HistoryData::Session &s : data.sessions)
        playerOf[s.id] = s.player;
    QMap<QString, int> count;
    for (const HistoryData::Strike &s : data.strikes)
        ++count[playerOf.value(s.session, QStringLiteral("(no exercise)"))];
    count[QStringLiteral("exercises")] = int(data.sessions.size());
    return count;
}

// The root page of the strikes table overwritten: the header and table of tables still read
// well, and the next strike written meets the damage.
void damageStrikes(const QString &path)
{
    int page = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("x"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT rootpage FROM sqlite_schema WHERE name = 'strikes'"));
        page = q.next() ? q.value(0).toInt() : 0;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("x"));
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.seek(qint64(page - 1) * 4096);
    file.write(QByteArray(64, '\xff'));
}

const HistoryRecorder::Timing Quick{300, 3000};

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestHistoryWriter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { FaultyFiles::install(); }
    void faultsLoseNothing_data();
    void faultsLoseNothing();
    void closeSavesTheRestForTheNextStart_data();
    void closeSavesTheRestForTheNextStart();
};

void TestHistoryWriter::faultsLoseNothing_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Problem>("told");
    QTest::newRow("held by another program, mid-exercise") << Fault::Locked << Problem::Busy;
    QTest::newRow("held before the exercise's first batch")
        << Fault::LockedBeforeStart << Problem::Busy;
    QTest::newRow("disk full") << Fault::DiskFull << Problem::DiskFull;
    QTest::newRow("folder turned read-only") << Fault::ReadOnly << Problem::ReadOnly;
}

void TestHistoryWriter::faultsLoseNothing()
{
    QFETCH(Fault, fault);
    QFETCH(Problem, told);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("data"));
    SmallDisk disk(folder);
    if (fault == Fault::DiskFull && !disk.mounted())
        QSKIP("a small disk needs root to mount");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/history.sqlite");
    FaultyFiles::set(folder, 0);
    {
        const HistoryStore program(path); // the program's own, which makes the file
    }
    Told heard;
    {
        HistoryRecorder recorder(path, heard.sink(), Quick);
        const QList<PracticeEvent> first = exercise(1, 6, QStringLiteral("Ana"));
        const qsizetype half = fault == Fault::LockedBeforeStart ? 0 : first.size() / 2;
        feed(recorder, first.mid(0, half));
        recorder.flush();
        std::optional<Lock> lock;
        if (fault == Fault::Locked || fault == Fault::LockedBeforeStart) {
            lock.emplace(path);
            QVERIFY(lock->held());
        } else if (fault == Fault::DiskFull) {
            disk.fill();
        } else {
            FaultyFiles::set(folder, EROFS);
        }
        feed(recorder, first.mid(half));
        QTRY_VERIFY_WITH_TIMEOUT(!heard.list().isEmpty(), 10000);
        lock.reset();
        disk.empty();
        FaultyFiles::set(folder, 0);
        // The next exercise, after the fault, comes behind what waited.
        feed(recorder, exercise(2, 4, QStringLiteral("Bo")));
        recorder.flush();
    }
    QCOMPARE(heard.list(), (QList<Problem>{told, Problem::None}));
    const QMap<QString, int> expected{
        {QStringLiteral("Ana"), 12}, {QStringLiteral("Bo"), 8}, {QStringLiteral("exercises"), 2}};
    QCOMPARE(strikesByPlayer(path), expected);
}

void TestHistoryWriter::closeSavesTheRestForTheNextStart_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::newRow("held by another program past the close") << false;
    QTest::newRow("damaged deep inside") << true;
}

void TestHistoryWriter::closeSavesTheRestForTheNextStart()
{
    QFETCH(bool, damaged);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryStore program(path);
        QVERIFY(program.record(exercise(1, 3, QStringLiteral("Cy"))));
    }
    if (damaged)
        damageStrikes(path);
    Told heard;
    const QList<PracticeEvent> events = exercise(2, 5, QStringLiteral("Ana"));
    {
        std::optional<Lock> lock;
        HistoryRecorder recorder(path, heard.sink(), {300, 500});
        // The exercise's start is written; its strikes are not.
        feed(recorder, events.mid(0, 1));
        recorder.flush();
        if (!damaged) {
            lock.emplace(path);
            QVERIFY(lock->held());
        }
        feed(recorder, events.mid(1));
        QTRY_VERIFY_WITH_TIMEOUT(!heard.list().isEmpty(), 10000);
    }
    QCOMPARE(heard.list().first(), damaged ? Problem::Damaged : Problem::Busy);
    const QStringList saved = HistoryRecorder::savedFiles(path);
    QCOMPARE(saved.size(), 1);
    QFile file(saved.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray kept = file.readAll();
    file.close();
    // Recording's damage is remembered, and the next start sets the file aside.
    QCOMPARE(QFile::exists(path + QLatin1String(HistoryStore::DamageMarkSuffix)), damaged);
    for (int start = 1; start <= 2; ++start) {
        HistoryStore program(path);
        QCOMPARE(program.setAsidePath().isEmpty(), !damaged || start == 2);
        const HistoryRecorder::Merged merged = HistoryRecorder::mergeSaved(program);
        QVERIFY2(merged.problems.isEmpty(), qPrintable(merged.problems.join(u'\n')));
        QCOMPARE(merged.strikes, start == 1 ? 10 : 0);
        QVERIFY(HistoryRecorder::savedFiles(path).isEmpty());
        // A file merged once and left behind (a folder that would not let it go) adds
        // nothing the second time.
        QFile again(HistoryRecorder::newSavedFile(path));
        QVERIFY(again.open(QIODevice::WriteOnly));
        again.write(kept);
    }
    QFile::remove(HistoryRecorder::savedFiles(path).value(0));
    QMap<QString, int> expected{{QStringLiteral("Ana"), 10}};
    expected[QStringLiteral("exercises")] = damaged ? 1 : 2;
    if (!damaged)
        expected[QStringLiteral("Cy")] = 6;
    QCOMPARE(strikesByPlayer(path), expected);
    QVERIFY(!QFile::exists(path + QLatin1String(HistoryStore::DamageMarkSuffix)));
}

QTEST_GUILESS_MAIN(TestHistoryWriter)
#include "tst_historywriter.moc"
