// SPDX-License-Identifier: GPL-3.0-or-later
// The results log on disk under stress: two programs appending at once, a program killed
// in the middle of a drill, a disk that refuses the record, and names as typed.
#include "Fakes.h"
#include "platform/AppendLogFile.h"
#include "random/RandomDrill.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// One summary as every window writes it; the name carries who wrote it and a padding
// that varies the record's length.
const QRegularExpression summaryRecord(
    QStringLiteral("\\G\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\r\\n(P\\d)#(\\d+) (x*)\\r\\n"
                   "Random (\\d+) tasks\\r\\n(-?\\d+)  points\\r\\n\\r\\n"));

// Splits the log into whole summaries; false when anything else is found.
bool parseSummaries(const QByteArray &bytes, QHash<QString, QList<int>> &byWriter, QString &problem)
{
    const QString text = QString::fromUtf8(bytes);
    qsizetype at = 0;
    while (at < text.size()) {
        const QRegularExpressionMatch m = summaryRecord.match(text, at);
        if (!m.hasMatch()) {
            problem = QStringLiteral("malformed record at byte %1: %2")
                          .arg(at)
                          .arg(text.mid(at, 60).toHtmlEscaped());
            return false;
        }
        const int serial = m.captured(2).toInt();
        if (m.captured(3).size() != serial % 97) {
            problem = QStringLiteral("record %1 of %2 lost part of its name")
                          .arg(serial)
                          .arg(m.captured(1));
            return false;
        }
        byWriter[m.captured(1)] << serial;
        at = m.capturedEnd();
    }
    return true;
}

void appendSummaries(const QString &path, const QString &writer, int from, int count)
{
    AppendLogFile file(path);
    FakeClock clock;
    ResultsLog log(file, clock);
    for (int n = from; n < from + count; ++n) {
        const QString name = writer + u'#' + QString::number(n) + u' ' + QString(n % 97, u'x');
        log.WriteLogEntry(ResultsLog::summary(name, QStringLiteral("Random"), 20,
                                              QStringLiteral("tasks"), qint16(n % 191)));
    }
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Standard error of the block, caught in a file.
class StderrCapture {
public:
    explicit StderrCapture(const QString &path) : m_path(path)
    {
        std::fflush(stderr);
        m_saved = ::dup(2);
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, 2);
        ::close(fd);
    }
    QByteArray finish()
    {
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        return readAll(m_path);
    }

private:
    QString m_path;
    int m_saved = -1;
};

} // namespace

class TestLogDurability : public QObject {
    Q_OBJECT
private slots:
    void twoProgramsNeverInterleave();
    void killedProgramLeavesWholeRecords();
    void refusedRecordIsReportedAndDrillGoesOn_data();
    void refusedRecordIsReportedAndDrillGoesOn();
    void namesAreWrittenAsTyped_data();
    void namesAreWrittenAsTyped();
};

void TestLogDurability::twoProgramsNeverInterleave()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(ResultsLog::FileName));
    constexpr int perWriter = 2000;
    QList<pid_t> children;
    for (const QString &writer : {QStringLiteral("P1"), QStringLiteral("P2")}) {
        const pid_t pid = ::fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            appendSummaries(path, writer, 0, perWriter);
            ::_exit(0);
        }
        children << pid;
    }
    for (pid_t pid : children) {
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    QHash<QString, QList<int>> byWriter;
    QString problem;
    QVERIFY2(parseSummaries(readAll(path), byWriter, problem), qPrintable(problem));
    // Every record of each program is there once, in the order it was written.
    for (const QString &writer : {QStringLiteral("P1"), QStringLiteral("P2")}) {
        const QList<int> serials = byWriter.value(writer);
        QCOMPARE(serials.size(), perWriter);
        for (int n = 0; n < perWriter; ++n)
            QCOMPARE(serials.at(n), n);
    }
}

void TestLogDurability::killedProgramLeavesWholeRecords()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(ResultsLog::FileName));
    // Records of an earlier session stay as they were.
    appendSummaries(path, QStringLiteral("P0"), 0, 3);
    const QByteArray earlier = readAll(path);

    const pid_t pid = ::fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        // A player who never stops: one-task exercises, back to back, until killed.
        AppendLogFile file(path);
        FakeClock clock;
        ResultsLog log(file, clock);
        PracticeSettings settings;
        FakeTicker left, right;
        FakeSyncSound sound;
        FakeRandom random;
        RandomDrill drill(DrillPorts{settings, left, right, sound, log}, random);
        drill.Form_Load(QStringLiteral("1"), QStringLiteral("XYL.WAV"));
        for (int n = 0;; ++n) {
            settings.PlayerName = QStringLiteral("P1#%1 %2").arg(n).arg(QString(n % 97, u'x'));
            drill.mnuStart_Click();
            drill.keyUp({Hand::Left, 1});
            drill.keyUp({Hand::Right, 1});
        }
    }
    // Killed once it is well into its drills.
    QElapsedTimer waited;
    waited.start();
    while (QFileInfo(path).size() < earlier.size() + 4000 && waited.elapsed() < 20000)
        QTest::qWait(5);
    QCOMPARE(::kill(pid, SIGKILL), 0);
    int status = 0;
    QCOMPARE(::waitpid(pid, &status, 0), pid);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    const QByteArray after = readAll(path);
    QVERIFY(after.startsWith(earlier));
    QHash<QString, QList<int>> byWriter;
    QString problem;
    QVERIFY2(parseSummaries(after, byWriter, problem), qPrintable(problem));
    const QList<int> drills = byWriter.value(QStringLiteral("P1"));
    QVERIFY(drills.size() > 10);
    for (int n = 0; n < drills.size(); ++n)
        QCOMPARE(drills.at(n), n);
}

void TestLogDurability::refusedRecordIsReportedAndDrillGoesOn_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("disk full") << "full";
    QTest::newRow("log name taken by a folder") << "folder";
    QTest::newRow("program folder gone") << "gone";
    // A FIFO would block the program for good, or take the record away from the log.
    QTest::newRow("log name taken by a FIFO") << "fifo";
    QTest::newRow("log name taken by a FIFO with a reader") << "fifo with reader";
}

void TestLogDurability::refusedRecordIsReportedAndDrillGoesOn()
{
    QFETCH(QString, damage);
    QTemporaryDir dir;
    QString folder = dir.path();
    if (damage == QLatin1String("gone"))
        folder = dir.filePath(QStringLiteral("removed"));
    const QString path = folder + u'/' + QString::fromLatin1(ResultsLog::FileName);
    if (damage == QLatin1String("full"))
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), path));
    else if (damage == QLatin1String("folder"))
        QVERIFY(QDir(folder).mkdir(QString::fromLatin1(ResultsLog::FileName)));
    else if (damage.startsWith(QLatin1String("fifo")))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    const int reader = damage == QLatin1String("fifo with reader")
                           ? ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK)
                           : -1;
    const auto closeReader = qScopeGuard([reader] {
        if (reader >= 0)
            ::close(reader);
    });

    AppendLogFile file(path);
    FakeClock clock;
    ResultsLog log(file, clock);
    PracticeSettings settings;
    settings.PlayerName = QStringLiteral("Ana");
    FakeTicker left, right;
    FakeSyncSound sound;
    FakeRandom random;
    RandomDrill drill(DrillPorts{settings, left, right, sound, log}, random);
    drill.Form_Load(QStringLiteral("2"), QStringLiteral("XYL.WAV"));

    StderrCapture err(dir.filePath(QStringLiteral("stderr")));
    drill.mnuStart_Click();
    for (Hand h : {Hand::Left, Hand::Left, Hand::Right, Hand::Right})
        drill.keyUp({h, 1});
    QVERIFY(drill.summaryWritten());
    // The next exercise runs as usual after the lost record.
    drill.mnuStart_Click();
    drill.keyUp({Hand::Left, 1});
    const QByteArray reported = err.finish();

    QCOMPARE(drill.LeftScore(), qint16(5));
    QCOMPARE(drill.LeftTasksGiven(), qint16(2));
    QVERIFY(!drill.summaryWritten());
    QCOMPARE(reported.count("moravel: "), 1);
    QVERIFY2(reported.contains(QFile::encodeName(path)), reported.constData());
    if (damage == QLatin1String("full"))
        QVERIFY(QFileInfo(path).isSymLink());
    if (reader >= 0) {
        char byte = 0;
        QCOMPARE(::read(reader, &byte, 1), ssize_t(0));
    }
    // User > View results does not wait on it either, and hands nothing to the editor.
    if (damage.startsWith(QLatin1String("fifo")))
        QVERIFY(!ResultsLog::createIfMissing(path));
}

void TestLogDurability::namesAreWrittenAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("cyrillic and blanks") << QString::fromUtf8("  Јелена   Петровић ");
    QTest::newRow("greek, cjk and emoji") << QString::fromUtf8("Σοφία 李小龙 🎹");
    QTest::newRow("right to left") << QString::fromUtf8("مريم");
    QTest::newRow("combining accent") << QString::fromUtf8("Zoe\u0308 Noe\u0301l");
    QTest::newRow("punctuation and placeholders") << "O'Neil \"3.b\" %1 %n \\ ; <&>";
    QTest::newRow("tab inside") << "Ana\tMaria";
    QTest::newRow("long") << QString(300, u'ž');
}

void TestLogDurability::namesAreWrittenAsTyped()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(ResultsLog::FileName));
    AppendLogFile file(path);
    FakeClock clock;
    ResultsLog log(file, clock);
    log.WriteLogEntry(
        ResultsLog::summary(name, QStringLiteral("Random"), 3, QStringLiteral("tasks"), 15));
    QCOMPARE(readAll(path),
             "12-07 14:03:59\r\n" + name.toUtf8() + "\r\nRandom 3 tasks\r\n15  points\r\n\r\n");
}

QTEST_GUILESS_MAIN(TestLogDurability)
#include "tst_logdurability.moc"
