// SPDX-License-Identifier: GPL-3.0-or-later
// The count parser, the results log writers, where the log is kept, the program folder
// and the remembered comfort settings.
#include "FakeClickTrack.h"
#include "FakeHandPlayer.h"
#include "Fakes.h"
#include "platform/AppendLogFile.h"
#include "settings/ComfortSettings.h"
#include "settings/NumberParser.h"
#include "settings/PlayerName.h"
#include "settings/ProgramFolder.h"
#include "settings/ResultsLog.h"
#include "settings/ResultsLogPlaces.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdlib>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void countParser_data();
    void countParser();
    void countParserInACommaLocale_data() { countParser_data(); }
    void countParserInACommaLocale();
    void logEntryBytes_data();
    void logEntryBytes();
    void summaryText();
    void playerNameIsOneLine_data();
    void playerNameIsOneLine();
    void appendKeepsEarlierRecords();
    void unwritableLogIsReportedNotFatal();
    void folderMatchesNamesWithoutCase_data();
    void folderMatchesNamesWithoutCase();
    void deliveredFilesBesideOrShared_data();
    void deliveredFilesBesideOrShared();
    void logBelongsBesideTheProgram_data();
    void logBelongsBesideTheProgram();
    void logMovesWhenItsPlaceFails_data();
    void logMovesWhenItsPlaceFails();
    void comfortIsRemembered_data();
    void comfortIsRemembered();
};

void TestSettings::countParser_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("value");

    QTest::newRow("list value") << "20" << true << 20;
    QTest::newRow("typed") << "35" << true << 35;
    QTest::newRow("half down to even") << "12.5" << true << 12;
    QTest::newRow("half up to even") << "13.5" << true << 14;
    QTest::newRow("2.5") << "2.5" << true << 2;
    QTest::newRow("3.5") << "3.5" << true << 4;
    QTest::newRow("negative half") << "-2.5" << true << -2;
    QTest::newRow("above half") << "1.51" << true << 2;
    QTest::newRow("letters") << "abc" << true << 0;
    QTest::newRow("empty") << "" << true << 0;
    QTest::newRow("blanks and tabs first") << " \t 7" << true << 7;
    QTest::newRow("blanks inside digits") << "1 2" << true << 12;
    QTest::newRow("word after number") << "12 sequences" << true << 12;
    QTest::newRow("negative") << "-4" << true << -4;
    QTest::newRow("plus sign") << "+5" << true << 5;
    QTest::newRow("fraction only") << ".4" << true << 0;
    QTest::newRow("exponent") << "1e3" << true << 1000;
    QTest::newRow("exponent D") << "1D2" << true << 100;
    QTest::newRow("exponent without digits") << "7e" << true << 7;
    QTest::newRow("hexadecimal") << "&H10" << true << 16;
    QTest::newRow("hexadecimal 16-bit wraps") << "&HFFFF" << true << -1;
    QTest::newRow("octal") << "&O17" << true << 15;
    QTest::newRow("ampersand alone") << "&" << true << 0;
    QTest::newRow("largest") << "32767" << true << 32767;
    QTest::newRow("smallest") << "-32768" << true << -32768;
    QTest::newRow("rounds into range") << "32767.4" << true << 32767;
    QTest::newRow("one too many") << "32768" << false << 0;
    QTest::newRow("one too few") << "-32769" << false << 0;
    QTest::newRow("rounds out of range") << "32767.5" << false << 0;
    QTest::newRow("huge exponent") << "1e9" << false << 0;
    QTest::newRow("very long digits") << QString(400, u'9') << false << 0;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0663\u0664") << true << 0;
    QTest::newRow("fullwidth digits") << QString::fromUtf8("\uff11\uff12") << true << 0;
    // Generated and long texts.
    QTest::newRow("ten thousand blanks first") << QString(10000, u' ') + u'7' << true << 7;
    QTest::newRow("thousands of leading zeros")
        << QString(5000, u'0') + QStringLiteral("42") << true << 42;
    QTest::newRow("zeros then one too few")
        << u'-' + QString(300, u'0') + QStringLiteral("32769") << false << 0;
    QTest::newRow("long mantissa, long negative exponent")
        << u'1' + QString(400, u'0') + QStringLiteral("e-400") << true << 1;
    QTest::newRow("number then a long tail") << u'5' + QString(100000, u'x') << true << 5;
    QTest::newRow("blanks and tabs inside a signed number") << "\t\t-\t3" << true << -3;
    QTest::newRow("two signs") << "+-5" << true << 0;
    QTest::newRow("negative half without whole digits") << "-.5" << true << 0;
    QTest::newRow("smallest minus a half rounds to even") << "-32768.5" << true << -32768;
    QTest::newRow("exponent of eleven digits") << "1e99999999999" << false << 0;
    QTest::newRow("tiny exponent") << "1e-99999999999" << true << 0;
    QTest::newRow("zero with huge exponent") << "0e999999" << true << 0;
    QTest::newRow("32-bit hexadecimal") << "&HFFFF8000" << true << -32768;
    QTest::newRow("hexadecimal above 16 bits") << "&H10000" << false << 0;
    QTest::newRow("forty hexadecimal digits") << "&H" + QString(40, u'F') << false << 0;
    QTest::newRow("thirty octal digits") << "&O" + QString(30, u'7') << false << 0;
    QTest::newRow("no-break space is not a blank") << QString::fromUtf8("\u00a05") << true << 0;
}

void TestSettings::countParser()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QFETCH(int, value);
    const auto parsed = NumberParser::toInt16(text);
    QCOMPARE(parsed.has_value(), fits);
    if (fits)
        QCOMPARE(int(*parsed), value);
}

namespace {

// A German locale (decimal comma) built for the test, since a fresh machine has none.
// Empty when localedef or the locale's sources are missing.
QString commaLocaleFolder()
{
    static QTemporaryDir folder;
    static const bool built =
        folder.isValid() &&
        QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                           QStringLiteral("UTF-8"),
                           folder.filePath(QStringLiteral("de_DE.UTF-8"))}) == 0;
    return built ? folder.path() : QString();
}

} // namespace

void TestSettings::countParserInACommaLocale()
{
    const QString folder = commaLocaleFolder();
    if (folder.isEmpty())
        QSKIP("localedef could not build de_DE.UTF-8 (package locales missing)");
    qputenv("LOCPATH", QFile::encodeName(folder));
    QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8"));
    const auto restore = qScopeGuard([] { std::setlocale(LC_ALL, "C"); });
    // The C library itself now reads "3.5" as 3, so a parser that leans on it would fail.
    QCOMPARE(std::strtod("3.5", nullptr), 3.0);
    countParser();
}

void TestSettings::logEntryBytes_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<bool>("stamped");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("bytes");

    const QDateTime afternoon(QDate(2026, 12, 7), QTime(14, 3, 59));
    QTest::newRow("entry") << afternoon << true << "hello"
                           << QByteArray("12-07 14:03:59\r\nhello\r\n");
    QTest::newRow("entry at new year's eve")
        << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)) << true << "x"
        << QByteArray("12-31 23:59:59\r\nx\r\n");
    QTest::newRow("entry has no year") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 5)) << true
                                       << "y" << QByteArray("01-01 00:00:05\r\ny\r\n");
    QTest::newRow("plain line") << afternoon << false << "left hand sequence3 41 points"
                                << QByteArray("left hand sequence3 41 points\r\n");
    QTest::newRow("line with blanks kept")
        << afternoon << false << "  a  b " << QByteArray("  a  b \r\n");
    QTest::newRow("empty line") << afternoon << false << "" << QByteArray("\r\n");
}

void TestSettings::logEntryBytes()
{
    QFETCH(QDateTime, time);
    QFETCH(bool, stamped);
    QFETCH(QString, message);
    QFETCH(QByteArray, bytes);
    FakeLogFile file;
    FakeClock clock;
    clock.time = time;
    ResultsLog log(file, clock);
    if (stamped)
        log.WriteLogEntry(message);
    else
        log.WriteLogLine(message);
    // One record, one write.
    QCOMPARE(file.records.size(), 1);
    QCOMPARE(file.records.first(), bytes);
}

void TestSettings::summaryText()
{
    FakeLogFile file;
    FakeClock clock;
    ResultsLog log(file, clock);
    log.WriteLogEntry(ResultsLog::summary(QStringLiteral("Anonymous"), QStringLiteral("Random"), 20,
                                          QStringLiteral("tasks"), 87));
    // Five lines: stamp, player, kind and count, total with two blanks, and an empty line.
    QCOMPARE(file.bytes(),
             QByteArray("12-07 14:03:59\r\nAnonymous\r\nRandom 20 tasks\r\n87  points\r\n\r\n"));
}

void TestSettings::playerNameIsOneLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << ""
                           << "Anonymous";
    QTest::newRow("as typed") << "  Ana  Marija "
                              << "  Ana  Marija ";
    QTest::newRow("pasted with CR LF") << "Ana\r\nBob"
                                       << "Ana  Bob";
    QTest::newRow("tab") << "Ana\tBob"
                         << "Ana Bob";
    QTest::newRow("terminal escape") << "\x1b[31mRed"
                                     << " [31mRed";
    QTest::newRow("DEL and a C1 control") << QStringLiteral("a\u007fb\u0085c") << "a b c";
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << "a b";
    QTest::newRow("only a line break") << "\n"
                                       << " ";
    QTest::newRow("letters of other scripts")
        << QString::fromUtf8("Јелена 李") << QString::fromUtf8("Јелена 李");
}

void TestSettings::playerNameIsOneLine()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QCOMPARE(PlayerName::fromTyped(typed), name);
}

void TestSettings::appendKeepsEarlierRecords()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Results Log.TXT"));
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("earlier\r\n");
    }
    AppendLogFile file(path);
    QVERIFY(file.append("one\r\n"));
    QVERIFY(file.append(QString::fromUtf8("Željka Ñuñez, o'Neil\r\n").toLocal8Bit()));
    QFile read(path);
    QVERIFY(read.open(QIODevice::ReadOnly));
    QCOMPARE(read.readAll(), QByteArray("earlier\r\none\r\n") +
                                 QString::fromUtf8("Željka Ñuñez, o'Neil\r\n").toLocal8Bit());
}

void TestSettings::unwritableLogIsReportedNotFatal()
{
    QTemporaryDir dir;
    AppendLogFile file(dir.filePath(QStringLiteral("no such folder/Results Log.TXT")));
    QVERIFY(!file.append("lost\r\n"));
    FakeClock clock;
    ResultsLog log(file, clock);
    log.WriteLogEntry(QStringLiteral("still fine")); // reports on stderr, does not throw
}

void TestSettings::folderMatchesNamesWithoutCase_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("upper on disk") << "XYL.WAV"
                                   << "xyl.wav"
                                   << "XYL.WAV";
    QTest::newRow("exact") << "XYL.WAV"
                           << "XYL.WAV"
                           << "XYL.WAV";
    QTest::newRow("backslash subfolder") << "sounds/XYL.WAV"
                                         << "\\sounds\\xyl.wav"
                                         << "sounds/XYL.WAV";
    QTest::newRow("log other spelling") << "Results Log.TXT"
                                        << "Results Log.txt"
                                        << "Results Log.TXT";
    QTest::newRow("missing kept as asked") << ""
                                           << "Results Log.TXT"
                                           << "Results Log.TXT";
}

void TestSettings::folderMatchesNamesWithoutCase()
{
    QFETCH(QString, existing);
    QFETCH(QString, asked);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    if (!existing.isEmpty()) {
        QVERIFY(QDir(dir.path()).mkpath(QFileInfo(dir.filePath(existing)).path()));
        QFile f(dir.filePath(existing));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const ProgramFolder folder(dir.path() + u'/');
    QCOMPARE(folder.filePath(asked), dir.path() + u'/' + expected);
}

void TestSettings::deliveredFilesBesideOrShared_data()
{
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<QStringList>("shared");
    QTest::addColumn<QString>("asked");
    // Which folder the answer is in, and the name found there.
    QTest::addColumn<QString>("expected");
    QTest::newRow("in place") << QStringList{"piano.db"} << QStringList{"piano.db"} << "piano.db"
                              << "own/piano.db";
    QTest::newRow("installed") << QStringList{} << QStringList{"piano.db"} << "piano.db"
                               << "shared/piano.db";
    QTest::newRow("installed, other case, subfolder")
        << QStringList{} << QStringList{"sounds/XYL.WAV"} << "\\sounds\\xyl.wav"
        << "shared/sounds/XYL.WAV";
    QTest::newRow("missing everywhere kept in the own folder")
        << QStringList{} << QStringList{} << "help/index.html"
        << "own/help/index.html";
    QTest::newRow("own file wins, whatever its case")
        << QStringList{"xyl.wav"} << QStringList{"XYL.WAV"} << "XYL.WAV"
        << "own/xyl.wav";
}

void TestSettings::deliveredFilesBesideOrShared()
{
    QFETCH(QStringList, own);
    QFETCH(QStringList, shared);
    QFETCH(QString, asked);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const auto make = [&dir](const QString &folder, const QStringList &files) {
        for (const QString &file : files) {
            const QString path = dir.filePath(folder + u'/' + file);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    };
    make(QStringLiteral("own"), own);
    make(QStringLiteral("shared"), shared);
    const ProgramFolder folder(dir.filePath(QStringLiteral("own")),
                               dir.filePath(QStringLiteral("shared")));
    QCOMPARE(folder.filePath(asked), dir.filePath(expected));
}

void TestSettings::logBelongsBesideTheProgram_data()
{
    using E = ResultsLogPlaces::Existing;
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<ResultsLogPlaces::Existing>("log");
    QTest::addColumn<bool>("beside");
    QTest::newRow("in place, first result") << true << E::None << true;
    QTest::newRow("in place, log there") << true << E::Writable << true;
    QTest::newRow("installed, no log") << false << E::None << false;
    QTest::newRow("read-only folder, writable log kept") << false << E::Writable << true;
    QTest::newRow("writable folder, read-only log") << true << E::NotWritable << false;
    QTest::newRow("nothing writable") << false << E::NotWritable << false;
}

void TestSettings::logBelongsBesideTheProgram()
{
    QFETCH(bool, folderWritable);
    QFETCH(ResultsLogPlaces::Existing, log);
    QFETCH(bool, beside);
    QCOMPARE(ResultsLogPlaces::besideProgram(folderWritable, log), beside);
}

void TestSettings::logMovesWhenItsPlaceFails_data()
{
    QTest::addColumn<bool>("firstFails");
    QTest::addColumn<bool>("secondFails");
    QTest::addColumn<bool>("firstIsNew");
    // Records each place holds after two appends, the log then in use, what the player
    // was told and how many records were lost.
    QTest::addColumn<int>("inFirst");
    QTest::addColumn<int>("inSecond");
    QTest::addColumn<QString>("inUse");
    QTest::addColumn<QStringList>("told");
    QTest::addColumn<int>("lost");
    QTest::newRow("beside the program, as always")
        << false << false << false << 2 << 0 << "first" << QStringList{} << 0;
    QTest::newRow("new log in the data folder is told once")
        << false << false << true << 2 << 0 << "first" << QStringList{"first"} << 0;
    QTest::newRow("a failing log moves, and says so")
        << true << false << false << 0 << 2 << "second" << QStringList{"second"} << 0;
    QTest::newRow("nowhere to write: every record is lost and shown")
        << true << true << false << 0 << 0 << "first" << QStringList{} << 2;
}

void TestSettings::logMovesWhenItsPlaceFails()
{
    QFETCH(bool, firstFails);
    QFETCH(bool, secondFails);
    QFETCH(bool, firstIsNew);
    QFETCH(int, inFirst);
    QFETCH(int, inSecond);
    QFETCH(QString, inUse);
    QFETCH(QStringList, told);
    QFETCH(int, lost);
    FakeLogFile first;
    FakeLogFile second;
    first.failing = firstFails;
    second.failing = secondFails;
    // The first place is the one in use at start-up; a new log in the data folder is
    // worth telling about.
    ResultsLogPlaces places({first, QStringLiteral("first"), firstIsNew},
                            {second, QStringLiteral("second"), false});
    QStringList toldPaths;
    QList<QByteArray> lostRecords;
    places.onTell = [&toldPaths](const QString &path) { toldPaths << path; };
    places.onLost = [&lostRecords](const QByteArray &record) { lostRecords << record; };
    const bool written = places.append("one\r\n");
    QCOMPARE(written, lost == 0);
    places.append("two\r\n");
    QCOMPARE(first.records.size(), inFirst);
    QCOMPARE(second.records.size(), inSecond);
    QCOMPARE(places.path(), inUse);
    QCOMPARE(toldPaths, told);
    QCOMPARE(lostRecords.size(), lost);
    if (lost)
        QCOMPARE(lostRecords.first(), QByteArray("one\r\n"));
    if (inSecond)
        QCOMPARE(second.bytes(), QByteArray("one\r\ntwo\r\n"));
    if (!lost)
        return;
    // What no place took is kept, and written in order once a place takes it again; the
    // player hears where it went.
    QCOMPARE(places.kept().size(), lost);
    first.failing = false;
    QTRY_COMPARE(first.bytes(), QByteArray("one\r\ntwo\r\n"));
    QVERIFY(places.kept().isEmpty());
    QCOMPARE(toldPaths, QStringList{"first"});
}

void TestSettings::comfortIsRemembered_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("muted");
    QTest::addColumn<int>("volume");
    QTest::addColumn<double>("gain");
    QTest::addColumn<QVariant>("storedOffset");
    QTest::addColumn<int>("offset");
    QTest::newRow("as kept") << QVariant(35) << false << 35 << 0.35 << QVariant(120) << 120;
    QTest::newRow("muted") << QVariant(35) << true << 35 << 0.0 << QVariant(-35) << -35;
    QTest::newRow("above the top")
        << QVariant(250) << false << 100 << 1.0 << QVariant(5000) << 1000;
    QTest::newRow("below silence") << QVariant(-4) << false << 0 << 0.0 << QVariant(-5000) << -1000;
    QTest::newRow("not a number") << QVariant(QStringLiteral("loud")) << false << 100 << 1.0
                                  << QVariant(QStringLiteral("late")) << 0;
    QTest::newRow("none yet") << QVariant() << false << 100 << 1.0 << QVariant() << 0;
}

void TestSettings::comfortIsRemembered()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, muted);
    QFETCH(int, volume);
    QFETCH(double, gain);
    QFETCH(QVariant, storedOffset);
    QFETCH(int, offset);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Moravel.ini"));
    {
        QSettings settings(file, QSettings::IniFormat);
        if (stored.isValid())
            settings.setValue(QStringLiteral("sound/volume"), stored);
        settings.setValue(QStringLiteral("sound/muted"), muted);
        if (storedOffset.isValid())
            settings.setValue(QStringLiteral("sound/clickOffsetMs"), storedOffset);
    }
    ComfortSettings comfort;
    FakeHandPlayer player;
    comfort.attach(player);
    FakeClickTrack clicks;
    clicks.offsetMs = 55;
    comfort.attach(clicks);
    QSettings settings(file, QSettings::IniFormat);
    comfort.load(settings);
    QCOMPARE(comfort.volume(), volume);
    QCOMPARE(comfort.gain(), gain);
    // A player attached before the settings were read follows them.
    QCOMPARE(player.volume, gain);
    // So does the metronome, with the latency offset.
    QCOMPARE(comfort.clickOffsetMs(), offset);
    QCOMPARE(clicks.volume, gain);
    QCOMPARE(clicks.offsetMs, double(offset));

    // And what is kept comes back the same in the next run.
    comfort.windowGeometry = QByteArray("\x01\xd9\xd0\xcb", 4);
    comfort.fullScreen = true;
    comfort.save(settings);
    settings.sync();
    ComfortSettings next;
    QSettings again(file, QSettings::IniFormat);
    next.load(again);
    QCOMPARE(next.volume(), volume);
    QCOMPARE(next.muted(), muted);
    QCOMPARE(next.clickOffsetMs(), offset);
    QCOMPARE(next.windowGeometry, comfort.windowGeometry);
    QVERIFY(next.fullScreen);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
