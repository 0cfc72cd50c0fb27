// SPDX-License-Identifier: GPL-3.0-or-later
// MIDI bytes to notes, notes to finger strikes, and the note map kept between runs.
#include "input/InputPreferences.h"
#include "input/MidiDecoder.h"
#include "input/MidiSource.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestMidi : public QObject {
    Q_OBJECT
private slots:
    void decoder_data();
    void decoder();
    void strikes_data();
    void strikes();
    void portGoneMidMessage();
    void captureAndListeners();
    void preferences_data();
    void preferences();
};

namespace {

// "n60/100" a note-on, "f60" a note ending (note-off or velocity 0).
QString describe(const QList<MidiDecoder::Note> &notes)
{
    QStringList out;
    for (const auto &n : notes)
        out << (n.on ? QStringLiteral("n%1/%2").arg(n.note).arg(n.velocity)
                     : QStringLiteral("f%1").arg(n.note));
    return out.join(u' ');
}

} // namespace

void TestMidi::decoder_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("notes");

    QTest::newRow("note-on") << QByteArray::fromHex("903c64") << "n60/100";
    QTest::newRow("other channel") << QByteArray::fromHex("9f3c64") << "n60/100";
    QTest::newRow("velocity 0 ends the note") << QByteArray::fromHex("903c00") << "f60";
    QTest::newRow("note-off") << QByteArray::fromHex("803c40") << "f60";
    QTest::newRow("running status") << QByteArray::fromHex("903c643e50") << "n60/100 n62/80";
    QTest::newRow("running status, note ended on the way")
        << QByteArray::fromHex("903c643c00") << "n60/100 f60";
    QTest::newRow("clock inside a message") << QByteArray::fromHex("903cf864fe") << "n60/100";
    QTest::newRow("controller then note") << QByteArray::fromHex("b0077f903c64") << "n60/100";
    QTest::newRow("program change has one data byte")
        << QByteArray::fromHex("c005903c64") << "n60/100";
    QTest::newRow("running status of a controller is no note")
        << QByteArray::fromHex("b0077f0a40") << "";
    QTest::newRow("data bytes without a status") << QByteArray::fromHex("3c64") << "";
    QTest::newRow("system exclusive with note-like bytes")
        << QByteArray::fromHex("f07e3c64f7903c64") << "n60/100";
    QTest::newRow("system message ends running status")
        << QByteArray::fromHex("903c64f3013e50") << "n60/100";
    QTest::newRow("status cuts a message short") << QByteArray::fromHex("903c903e50") << "n62/80";
    QTest::newRow("pitch bend") << QByteArray::fromHex("e00040") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestMidi::decoder()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, notes);
    MidiDecoder whole;
    QCOMPARE(describe(whole.feed(bytes)), notes);
    // The same stream a byte at a time, as a port may deliver it.
    MidiDecoder split;
    QList<MidiDecoder::Note> found;
    for (char c : bytes)
        found += split.feed(QByteArray(1, c));
    QCOMPARE(describe(found), notes);
}

void TestMidi::strikes_data()
{
    // Messages as port:hex@ms, one after another; the strikes as hand finger velocity.
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("strikes");

    QTest::newRow("default map, both hands")
        << QStringList{"a:903064@0", "a:903c50@10", "a:904328@20"} << "L5/100 R1/80 R5/40";
    QTest::newRow("left thumb is G3") << QStringList{"a:903750@0"} << "L1/80";
    QTest::newRow("notes outside the map") << QStringList{"a:903d50@0", "a:902f50@5"} << "";
    QTest::newRow("note-off and velocity 0 are no strikes")
        << QStringList{"a:803c40@0", "a:903c00@1"} << "";
    QTest::newRow("same key on two ports at once counts once")
        << QStringList{"a:903c50@0", "b:903c50@1"} << "R1/80";
    QTest::newRow("same key again later counts twice")
        << QStringList{"a:903c50@0", "b:903c50@40"} << "R1/80 R1/80";
    QTest::newRow("same port, fast repeat counts twice")
        << QStringList{"a:903c50@0", "a:903c50@1"} << "R1/80 R1/80";
    QTest::newRow("running status across messages")
        << QStringList{"a:903c50@0", "a:3e51@5"} << "R1/80 R2/81";
    QTest::newRow("running status is per port") << QStringList{"a:903c50@0", "b:3e51@5"} << "R1/80";
}

void TestMidi::strikes()
{
    QFETCH(QStringList, messages);
    QFETCH(QString, strikes);
    const NoteMap map = NoteMap::fivefingerC();
    MidiSource source(map);
    QStringList got;
    qint64 lastTime = -1;
    source.setSink([&](const FingerStrike &s) {
        got << QStringLiteral("%1%2/%3")
                   .arg(s.hand == Hand::Left ? QStringLiteral("L") : QStringLiteral("R"))
                   .arg(s.finger)
                   .arg(s.velocity);
        lastTime = s.timeNs;
    });
    for (const QString &m : messages) {
        const QString port = m.section(u':', 0, 0);
        const QByteArray bytes =
            QByteArray::fromHex(m.section(u':', 1).section(u'@', 0, 0).toLatin1());
        const qint64 at = m.section(u'@', 1).toLongLong() * 1000000;
        source.message(port, bytes, at);
        if (!got.isEmpty())
            QVERIFY(lastTime <= at); // timed when its message arrived
    }
    QCOMPARE(got.join(u' '), strikes);
}

void TestMidi::portGoneMidMessage()
{
    const NoteMap map = NoteMap::fivefingerC();
    MidiSource source(map);
    int count = 0;
    source.setSink([&](const FingerStrike &s) {
        ++count;
        QCOMPARE(s.device, QStringLiteral("piano"));
    });
    source.message(QStringLiteral("piano"), QByteArray::fromHex("903c"), 0);
    source.portGone(QStringLiteral("piano"));
    // A keyboard plugged in again under the same name starts clean: the stray byte that
    // would have completed the old message is no note.
    source.message(QStringLiteral("piano"), QByteArray::fromHex("50"), 1000000);
    QCOMPARE(count, 0);
    source.message(QStringLiteral("piano"), QByteArray::fromHex("903e50"), 2000000);
    QCOMPARE(count, 1);
}

void TestMidi::captureAndListeners()
{
    const NoteMap map = NoteMap::fivefingerC();
    MidiSource source(map);
    int strikes = 0;
    QStringList heard;
    source.setSink([&](const FingerStrike &) { ++strikes; });
    const int id = source.addNoteListener(
        [&](int note, int, bool on) { heard << QString::number(note) + (on ? "+" : "-"); });
    source.capture(true);
    source.message(QStringLiteral("a"), QByteArray::fromHex("903c50803c00"), 0);
    QCOMPARE(strikes, 0);
    source.capture(false);
    source.removeNoteListener(id);
    source.message(QStringLiteral("a"), QByteArray::fromHex("903e50"), 100000000);
    QCOMPARE(strikes, 1);
    QCOMPARE(heard, QStringList({"60+", "60-"}));
}

void TestMidi::preferences_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<bool>("laptop");
    QTest::addColumn<int>("rightThumb");

    QTest::newRow("nothing stored") << ""
                                    << "" << false << 60;
    QTest::newRow("laptop and a learnt map") << "laptop"
                                             << "36 38 40 41 43 72 74 76 77 79" << true << 72;
    QTest::newRow("unknown layout keeps keypad") << "numpad"
                                                 << "" << false << 60;
    QTest::newRow("nine notes keep the default") << ""
                                                 << "36 38 40 41 43 72 74 76 77" << false << 60;
    QTest::newRow("a note twice keeps the default")
        << ""
        << "36 38 40 41 43 72 72 76 77 79" << false << 60;
    QTest::newRow("note out of range keeps the default")
        << ""
        << "36 38 40 41 43 128 74 76 77 79" << false << 60;
}

void TestMidi::preferences()
{
    QFETCH(QString, layout);
    QFETCH(QString, notes);
    QFETCH(bool, laptop);
    QFETCH(int, rightThumb);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.conf"));
    {
        QSettings stored(file, QSettings::IniFormat);
        if (!layout.isEmpty())
            stored.setValue(QStringLiteral("keyboard/layout"), layout);
        if (!notes.isEmpty())
            stored.setValue(QStringLiteral("midi/notes"), notes);
    }
    InputPreferences prefs;
    {
        QSettings stored(file, QSettings::IniFormat);
        prefs.load(stored);
    }
    QCOMPARE(prefs.layout == KeyLayout::Laptop, laptop);
    QCOMPARE(prefs.notes.note({Hand::Right, 1}), rightThumb);
    QCOMPARE(prefs.metronomePort, QString());
    // What is kept reads back the same, and so does a metronome sent to a piano.
    prefs.metronomePort = QStringLiteral("Digital Piano:Digital Piano MIDI 1 20:0");
    {
        QSettings stored(file, QSettings::IniFormat);
        prefs.save(stored);
    }
    InputPreferences again;
    QSettings stored(file, QSettings::IniFormat);
    again.load(stored);
    QCOMPARE(again.layout, prefs.layout);
    QVERIFY(again.notes == prefs.notes);
    QCOMPARE(again.metronomePort, prefs.metronomePort);
}

QTEST_GUILESS_MAIN(TestMidi)
#include "tst_midi.moc"
