// SPDX-License-Identifier: GPL-3.0-or-later
// Learn: the fingers in their order, a note another finger has refused, the map kept only
// when all ten are learnt, and the source's capture released however learning ends.
#include "input/MidiLearn.h"
#include "input/MidiSource.h"

#include <QTest>

namespace {

// Ten notes in learn order, "-" for none.
QString notesOf(const NoteMap &map)
{
    QStringList list;
    for (int step = 0; step < NoteMap::Fingers; ++step)
        list << QString::number(map.note(NoteMap::learnOrder(step))).replace("-1", "-");
    return list.join(u' ');
}

} // namespace

class TestMidiLearn : public QObject {
    Q_OBJECT
private slots:
    void sequence_data();
    void sequence();
};

void TestMidiLearn::sequence_data()
{
    QTest::addColumn<QString>("script");   // "learn", "stop", "default" or a note-on
    QTest::addColumn<QString>("outcomes"); // per note: "-" ignored, "L5" taken, "!L5" refused
                                           // (the finger that has it), "=R5" the last one
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("complete");

    const QString c = "48 50 52 53 55 60 62 64 65 67", learnt = "36 38 40 41 43 72 74 76 77 79";
    const QString ten = "learn " + learnt;
    const QString all = "L5 L4 L3 L2 L1 R1 R2 R3 R4 =R5";
    const QString two = "48 50 - - - - - - - -";
    QTest::newRow("not learning") << "60"
                                  << "-" << c << c << -1 << false;
    QTest::newRow("ten notes") << ten << all << learnt << learnt << -1 << true;
    QTest::newRow("a note twice") << "learn 48 50 48"
                                  << "L5 L4 !L5" << two << c << 2 << false;
    QTest::newRow("stopped halfway") << "learn 36 38 stop 40"
                                     << "L5 L4 -" << c << c << -1 << false;
    QTest::newRow("Learn while learning") << "learn 48 learn 50"
                                          << "L5 L4" << two << c << 2 << false;
    QTest::newRow("learning again") << ten + " learn 70" << all + " L5"
                                    << "70 - - - - - - - - -" << learnt << 1 << false;
    QTest::newRow("default while learning")
        << ten + " learn 70 default" << all + " L5" << c << c << -1 << false;
}

void TestMidiLearn::sequence()
{
    QFETCH(QString, script);
    QFETCH(QString, outcomes);
    QFETCH(QString, shown);
    QFETCH(QString, kept);
    QFETCH(int, step);
    QFETCH(bool, complete);

    MidiSource source(NoteMap::fivefingerC());
    {
        MidiLearn learn(&source, NoteMap::fivefingerC());
        QStringList seen;
        for (const QString &token : script.split(u' ')) {
            if (token == QLatin1String("learn"))
                learn.start();
            else if (token == QLatin1String("stop"))
                learn.stop();
            else if (token == QLatin1String("default"))
                learn.restoreDefault();
            else {
                const auto [outcome, finger] = learn.play(token.toInt());
                const char *const marks[] = {"-", "", "!", "="}; // in the order of Outcome
                seen << marks[int(outcome)] +
                            (outcome == MidiLearn::Outcome::Ignored
                                 ? QString()
                                 : u"LR"[int(finger.hand)] + QString::number(finger.finger));
            }
        }
        QCOMPARE(seen.join(u' '), outcomes);
        QCOMPARE(notesOf(learn.shown()), shown);
        QCOMPARE(notesOf(learn.kept()), kept);
        QCOMPARE(learn.step(), step);
        QCOMPARE(learn.complete(), complete);
        QCOMPARE(source.capturing(), step >= 0);
    }
    // However learning ended, the capture was released exactly once.
    source.capture(true);
    QVERIFY(source.capturing());
    source.capture(false);
    QVERIFY(!source.capturing());
    // Without a source there is nothing to learn from.
    QVERIFY(!MidiLearn(nullptr, NoteMap::fivefingerC()).start());
}

QTEST_GUILESS_MAIN(TestMidiLearn)
#include "tst_midilearn.moc"
