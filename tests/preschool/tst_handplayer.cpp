// SPDX-License-Identifier: GPL-3.0-or-later
// The in-memory sound stream a hand's output pulls from, and the trimming of decoded sounds.
#include "platform/PcmSource.h"
#include "platform/QtHandPlayer.h"

#include <QTest>

#include <vector>

namespace {

// 16-bit stereo frames from (left, right) pairs.
QByteArray frames(const std::vector<std::pair<qint16, qint16>> &samples)
{
    QByteArray pcm;
    for (const auto &[l, r] : samples) {
        pcm.append(reinterpret_cast<const char *>(&l), 2);
        pcm.append(reinterpret_cast<const char *>(&r), 2);
    }
    return pcm;
}

QByteArray pull(PcmSource &source, qint64 bytes)
{
    QByteArray out(bytes, '\x7f');
    const qint64 got = source.read(out.data(), bytes);
    out.truncate(got);
    return out;
}

} // namespace

class TestHandPlayer : public QObject {
    Q_OBJECT
private slots:
    void trimDropsOnlyLeadingSilence_data();
    void trimDropsOnlyLeadingSilence();
    void streamPlaysTheSoundThenSilence();
    void newSoundCutsTheOldOne();
    void streamHandsOutWholeFramesOnly();
    void noOutputStaysSilent();
};

void TestHandPlayer::trimDropsOnlyLeadingSilence_data()
{
    QTest::addColumn<QByteArray>("decoded");
    QTest::addColumn<QByteArray>("expected");
    const qint16 q = QtHandPlayer::SilenceLevel;
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("all silent") << frames({{0, 0}, {q, -q}, {-3, 2}}) << QByteArray();
    QTest::newRow("loud at once") << frames({{900, 900}, {0, 0}}) << frames({{900, 900}, {0, 0}});
    QTest::newRow("padding then sound")
        << frames({{0, 0}, {1, -1}, {q, q}, {q + 1, 0}, {0, 0}, {5, 5}})
        << frames({{q + 1, 0}, {0, 0}, {5, 5}});
    QTest::newRow("sound in the right channel only")
        << frames({{0, 0}, {0, -2000}, {0, 0}}) << frames({{0, -2000}, {0, 0}});
    QTest::newRow("most negative sample") << frames({{0, 0}, {-32768, 0}}) << frames({{-32768, 0}});
    QTest::newRow("silence inside is kept")
        << frames({{0, 0}, {500, 500}, {0, 0}, {0, 0}, {600, 0}})
        << frames({{500, 500}, {0, 0}, {0, 0}, {600, 0}});
}

void TestHandPlayer::trimDropsOnlyLeadingSilence()
{
    QFETCH(QByteArray, decoded);
    QFETCH(QByteArray, expected);
    QCOMPARE(QtHandPlayer::trimLeadingSilence(decoded), expected);
}

void TestHandPlayer::streamPlaysTheSoundThenSilence()
{
    PcmSource source;
    QVERIFY(source.open(QIODevice::ReadOnly));
    // Before any sound the stream is silence, and never runs dry.
    QCOMPARE(pull(source, 8), QByteArray(8, '\0'));
    QVERIFY(source.bytesAvailable() > 0);

    const QByteArray sound = frames({{100, -100}, {200, -200}, {300, -300}});
    source.setSound(sound);
    QVERIFY(source.isSounding());
    QCOMPARE(pull(source, 8), sound.left(8));
    QCOMPARE(pull(source, 8), sound.mid(8) + QByteArray(4, '\0'));
    QVERIFY(!source.isSounding());
    QCOMPARE(pull(source, 16), QByteArray(16, '\0'));

    // The same sound again starts from its beginning.
    source.setSound(sound);
    QCOMPARE(pull(source, 12), sound);
}

void TestHandPlayer::newSoundCutsTheOldOne()
{
    PcmSource source;
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray animal = frames({{1000, 0}, {1001, 0}, {1002, 0}, {1003, 0}});
    const QByteArray yes = frames({{7, 0}, {8, 0}});
    source.setSound(animal);
    QCOMPARE(pull(source, 4), animal.left(4));
    source.setSound(yes);
    QCOMPARE(pull(source, 12), yes + QByteArray(4, '\0'));
    source.setSound({});
    QVERIFY(!source.isSounding());
    QCOMPARE(pull(source, 4), QByteArray(4, '\0'));
}

void TestHandPlayer::streamHandsOutWholeFramesOnly()
{
    PcmSource source;
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray sound = frames({{1, 2}, {3, 4}, {5, 6}});
    source.setSound(sound);
    // An odd request gets whole frames, so left and right never trade places.
    QCOMPARE(pull(source, 7), sound.left(4));
    QCOMPARE(pull(source, 6), sound.mid(4, 4));
    QCOMPARE(pull(source, 4), sound.mid(8, 4));
}

void TestHandPlayer::noOutputStaysSilent()
{
    // Test machines run without an audio output: the player must neither fail nor wait.
    QtHandPlayer player;
    if (player.hasOutput())
        QSKIP("an audio output is present");
    player.prepare(QStringLiteral(MORAVEL_BIN_DIR "/sounds/yesL.mp3"));
    player.play(QStringLiteral(MORAVEL_BIN_DIR "/sounds/yesL.mp3"));
    player.play(QStringLiteral("/no/such/file.mp3"));
    player.stop();
    QVERIFY(!player.hasOutput());
    QVERIFY(!player.isDecoding());
    QVERIFY(!player.isDecoded(QStringLiteral(MORAVEL_BIN_DIR "/sounds/yesL.mp3")));
}

QTEST_GUILESS_MAIN(TestHandPlayer)
#include "tst_handplayer.moc"
