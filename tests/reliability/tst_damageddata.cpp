// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged files in the program folder: the windows keep running and say what is wrong
// once, or play on with what they can read; the start sound's reader refuses broken WAVs.
#include "../support/TestContext.h"
#include "platform/WavInfo.h"
#include "preschool/PreschoolDrill.h"
#include "preschool/frmPreschool.h"
#include "sequential/FormSeq.h"
#include "sequential/SequentialDrill.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QtEndian>

namespace {

// Closes each modal window as it appears and records "title|text".
struct ModalCloser {
    QStringList seen;
    QTimer timer;
    ModalCloser()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                const auto *box = qobject_cast<QMessageBox *>(modal);
                seen << modal->windowTitle() + u'|' + (box ? box->text() : QString());
                modal->close();
            }
        });
        timer.start();
    }
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs SQL statements into a new database file.
bool writeDatabase(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("w"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &s : statements)
            ok = ok && q.exec(s);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("w"));
    return ok;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A RIFF WAVE file from its chunks.
QByteArray wav(const QByteArray &chunks)
{
    return "RIFF" + le32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

QByteArray fmtChunk(quint32 byteRate)
{
    QByteArray body = QByteArray::fromHex("01000200"
                                          "44ac0000") +
                      le32(byteRate) + QByteArray::fromHex("04001000");
    return "fmt " + le32(quint32(body.size())) + body;
}

} // namespace

class TestDamagedData : public QObject {
    Q_OBJECT
private slots:
    void exerciseDatabase_data();
    void exerciseDatabase();
    void preschoolWithoutSounds();
    void startSoundLength_data();
    void startSoundLength();
};

void TestDamagedData::exerciseDatabase_data()
{
    QTest::addColumn<QString>("damage");
    // Empty when Start begins the exercise; otherwise part of the one message shown.
    QTest::addColumn<QString>("message");
    // Left keys pressed after Start, the task displays they pass, and the lines logged.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("logged");

    QTest::newRow("empty file") << "empty"
                                << "piano.db is empty."
                                << ""
                                << ""
                                << "";
    QTest::newRow("cut in half") << "truncated"
                                 << "piano.db is damaged."
                                 << ""
                                 << ""
                                 << "";
    QTest::newRow("pages overwritten") << "overwritten"
                                       << "piano.db is damaged."
                                       << ""
                                       << ""
                                       << "";
    QTest::newRow("one row") << "one row"
                             << ""
                             << "5 1 5"
                             << "5|5|5|5"
                             << "left hand sequence1 5 points\r\n"
                                "left hand sequence2 5 points\r\n"
                                "left hand sequence3 10 points\r\n";
    QTest::newRow("text, blank and empty cells") << "odd cells"
                                                 << ""
                                                 << "1 1 1 3 2"
                                                 << "x|| |3|x|"
                                                 << "left hand sequence1 5 points\r\n";
}

void TestDamagedData::exerciseDatabase()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, logged);

    TestContext t;
    const QString db = t.dir.filePath(QStringLiteral("piano.db"));
    const QString right = QStringLiteral("CREATE TABLE Desnavezbe (\"0\" INTEGER)");
    if (damage == QLatin1String("empty")) {
        QVERIFY(writeFile(db, {}));
    } else if (damage == QLatin1String("truncated") || damage == QLatin1String("overwritten")) {
        QFile built(QStringLiteral(MORAVEL_BIN_DIR "/piano.db"));
        QVERIFY(built.open(QIODevice::ReadOnly));
        QByteArray bytes = built.readAll();
        QVERIFY(bytes.size() > 8192);
        if (damage == QLatin1String("truncated"))
            bytes.truncate(bytes.size() / 2);
        else
            bytes.replace(4096, bytes.size() - 4096, QByteArray(bytes.size() - 4096, '\x5a'));
        QVERIFY(writeFile(db, bytes));
    } else if (damage == QLatin1String("one row")) {
        QVERIFY(writeDatabase(db, {QStringLiteral("CREATE TABLE Levavezbe (\"0\" INTEGER)"),
                                   QStringLiteral("INSERT INTO Levavezbe VALUES (5)"), right,
                                   QStringLiteral("INSERT INTO Desnavezbe VALUES (1)")}));
    } else {
        QVERIFY(writeDatabase(
            db, {QStringLiteral("CREATE TABLE Levavezbe (\"0\" TEXT)"),
                 QStringLiteral("INSERT INTO Levavezbe VALUES ('x'), (''), (' '), ('3'), ('0')"),
                 right, QStringLiteral("INSERT INTO Desnavezbe VALUES (1)")}));
    }

    auto *w = t.forms.get<FormSeq>(QStringLiteral("FormSeq"));
    w->show();
    ModalCloser closer;
    w->trigger(Command::mnuStart);
    SequentialDrill *drill = w->logic();
    if (!message.isEmpty()) {
        QTRY_COMPARE(closer.seen.size(), 1);
        QTest::qWait(100);
        QCOMPARE(closer.seen.size(), 1);
        QVERIFY2(closer.seen.first().startsWith(QLatin1String("Moravel|")),
                 qPrintable(closer.seen.first()));
        QVERIFY2(closer.seen.first().contains(db), qPrintable(closer.seen.first()));
        QVERIFY2(closer.seen.first().contains(message), qPrintable(closer.seen.first()));
        QVERIFY(!drill->isRunning());
        drill->keyUp({Hand::Left, 5});
        QVERIFY(t.logFile.records.isEmpty());
        QVERIFY(w->isVisible());
        return;
    }
    QVERIFY(drill->isRunning());
    QStringList passed{drill->labels().text(Label::Label1)};
    for (const QString &finger : keys.split(u' ')) {
        drill->keyUp({Hand::Left, finger.toInt()});
        passed << drill->labels().text(Label::Label1);
    }
    QCOMPARE(passed.join(u'|'), shown);
    QCOMPARE(QString::fromUtf8(t.logFile.bytes()), logged);
    QVERIFY(closer.seen.isEmpty());
}

void TestDamagedData::preschoolWithoutSounds()
{
    // An empty program folder: no animal calls, no answers, no start sound. The game is
    // silent and still plays to its summary.
    TestContext t;
    t.settings.PlayerName = QStringLiteral("Ana");
    auto *w = t.forms.get<frmPreschool>(QStringLiteral("frmPreschool"));
    w->show();
    PreschoolDrill *drill = w->logic();
    t.settings.TaskCountLeft = t.settings.TaskCountRight = 1;
    w->trigger(Command::mnuStart);
    for (Hand h : {Hand::Left, Hand::Right}) {
        drill->keyUp({h, drill->hand(h).task.toInt()});
        QVERIFY(drill->feedbackPending(h));
    }
    // The feedback delays run out.
    for (FakeTicker *ticker : t.tickers) {
        if (ticker->interval() == PreschoolDrill::FeedbackDelayMs)
            ticker->fire();
    }
    QVERIFY(drill->hasEnded(Hand::Left) && drill->hasEnded(Hand::Right));
    QVERIFY(w->isVisible());
    QCOMPARE(QString::fromUtf8(t.logFile.bytes()),
             QStringLiteral("12-07 14:03:59\r\nAna\r\nRandom 1 tasks\r\n10  points\r\n\r\n"));
}

void TestDamagedData::startSoundLength_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("length"); // -1: refused, so the program beeps instead

    const QByteArray second = "data" + le32(176400) + QByteArray(176400, '\0');
    QTest::newRow("missing") << QByteArray("(none)") << -1;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("garbage") << QByteArray(5000, '\x7f') << -1;
    QTest::newRow("an mp3 under the name")
        << QByteArray::fromHex("494433030000") + QByteArray(900, 'x') << -1;
    QTest::newRow("header only") << wav({}) << -1;
    QTest::newRow("data before its format") << wav(second + fmtChunk(176400)) << -1;
    QTest::newRow("format of 8 bytes")
        << wav("fmt " + le32(8) + QByteArray(8, '\1') + second) << -1;
    QTest::newRow("no byte rate") << wav(fmtChunk(0) + second) << -1;
    QTest::newRow("chunk larger than the file")
        << wav("LIST" + le32(0xfffffff0u) + QByteArray(10, '\0')) << -1;
    QTest::newRow("cut chunk header") << wav(fmtChunk(176400) + "da") << -1;
    QTest::newRow("whole second") << wav(fmtChunk(176400) + second) << 1000;
    QTest::newRow("data cut short")
        << wav(fmtChunk(176400) + "data" + le32(176400) + QByteArray(17640, '\0')) << 100;
}

void TestDamagedData::startSoundLength()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, length);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("XYL.WAV"));
    if (bytes != "(none)")
        QVERIFY(writeFile(path, bytes));
    const std::optional<int> read = WavInfo::durationMs(path);
    QCOMPARE(read.value_or(-1), length);
}

QTEST_MAIN(TestDamagedData)
#include "tst_damageddata.moc"
