// SPDX-License-Identifier: GPL-3.0-or-later
// The in-memory sound stream a hand's output pulls from, the decoding of MP3 files and the
// trimming of decoded sounds.
#include "platform/Mp3Decoder.h"
#include "platform/PcmSource.h"
#include "platform/QtHandPlayer.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
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

struct Loudness {
    double left = 0, right = 0;
};

Loudness meanSquares(const QByteArray &pcm)
{
    Loudness l;
    const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype frames = pcm.size() / 4;
    for (qsizetype i = 0; i < frames; ++i) {
        l.left += double(s[2 * i]) * s[2 * i];
        l.right += double(s[2 * i + 1]) * s[2 * i + 1];
    }
    if (frames > 0) {
        l.left /= double(frames);
        l.right /= double(frames);
    }
    return l;
}

// Encodes half a second of a 440 Hz tone with sox, the way sound files are usually made.
bool makeTone(const QString &path, int rate, int channels, const QString &remix)
{
    QStringList args{QStringLiteral("-n"),    QStringLiteral("-r"),      QString::number(rate),
                     QStringLiteral("-c"),    QString::number(channels), path,
                     QStringLiteral("synth"), QStringLiteral("0.5"),     QStringLiteral("sine"),
                     QStringLiteral("440"),   QStringLiteral("gain"),    QStringLiteral("-6")};
    if (!remix.isEmpty())
        args << QStringLiteral("remix") << remix.split(QLatin1Char(' '));
    QProcess sox;
    sox.start(QStringLiteral("sox"), args);
    return sox.waitForFinished(20000) && sox.exitStatus() == QProcess::NormalExit &&
           sox.exitCode() == 0 && QFile::exists(path);
}

} // namespace

class TestHandPlayer : public QObject {
    Q_OBJECT
private slots:
    void trimDropsOnlyLeadingSilence_data();
    void trimDropsOnlyLeadingSilence();
    void gainScalesEverySample_data();
    void gainScalesEverySample();
    void streamPlaysTheSoundThenSilence();
    void newSoundCutsTheOldOne();
    void streamHandsOutWholeFramesOnly();
    void noOutputStaysSilent();
    void decodesToTheOutputFormat_data();
    void decodesToTheOutputFormat();
    void refusesWhatIsNotMp3_data();
    void refusesWhatIsNotMp3();
    void damagedFileSoundsAsFarAsItGoes();
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
    QVERIFY(!player.isDecoded(QStringLiteral(MORAVEL_BIN_DIR "/sounds/yesL.mp3")));
}

void TestHandPlayer::decodesToTheOutputFormat_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QString>("remix");
    QTest::addColumn<QString>("loud");
    // Whatever the file's rate and channels, the output gets 44.1 kHz stereo of the same
    // length, and a sound made for one side stays on it.
    QTest::newRow("stereo 44.1 kHz, left only") << 44100 << 2 << "1 0"
                                                << "left";
    QTest::newRow("stereo 44.1 kHz, right only") << 44100 << 2 << "0 1"
                                                 << "right";
    QTest::newRow("mono 44.1 kHz") << 44100 << 1 << ""
                                   << "both";
    QTest::newRow("mono 22.05 kHz") << 22050 << 1 << ""
                                    << "both";
    QTest::newRow("stereo 48 kHz, left only") << 48000 << 2 << "1 0"
                                              << "left";
    QTest::newRow("mono 32 kHz") << 32000 << 1 << ""
                                 << "both";
}

void TestHandPlayer::decodesToTheOutputFormat()
{
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(QString, remix);
    QFETCH(QString, loud);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tone.mp3"));
    QVERIFY2(makeTone(path, rate, channels, remix), "sox could not make the test file");

    const QByteArray pcm = Mp3Decoder::decodeFile(path);
    QCOMPARE(pcm.size() % 4, 0);
    // Half a second, give or take the encoder's padding.
    const double seconds = double(pcm.size() / 4) / Mp3Decoder::SampleRate;
    QVERIFY2(seconds > 0.45 && seconds < 0.6, qPrintable(QString::number(seconds)));

    const Loudness l = meanSquares(pcm);
    // The tone at -6 dB has a mean square near 2.7e8 on the side that carries it.
    if (loud == QLatin1String("both")) {
        QVERIFY2(l.left > 1e8 && l.right > 1e8,
                 qPrintable(QStringLiteral("%1 %2").arg(l.left).arg(l.right)));
        QVERIFY(qAbs(l.left - l.right) < l.left / 100);
    } else {
        const double own = loud == QLatin1String("left") ? l.left : l.right;
        const double far = loud == QLatin1String("left") ? l.right : l.left;
        QVERIFY2(own > 1e8 && far < own / 1000,
                 qPrintable(QStringLiteral("%1 %2").arg(own).arg(far)));
    }
}

void TestHandPlayer::refusesWhatIsNotMp3_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("text") << QByteArray("This is not a sound, just a few words.\r\n").repeated(50);
    QTest::newRow("zeros") << QByteArray(20000, '\0');
    QTest::newRow("sync bytes only") << QByteArray("\xff\xfb\x90\x00", 4).repeated(500);
}

void TestHandPlayer::refusesWhatIsNotMp3()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sound.mp3"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    // Nothing loud comes out of a file that holds no sound.
    const QByteArray pcm = Mp3Decoder::decodeFile(path);
    QCOMPARE(pcm.size() % 4, 0);
    QCOMPARE(QtHandPlayer::trimLeadingSilence(pcm), QByteArray());
    QCOMPARE(Mp3Decoder::decodeFile(dir.filePath(QStringLiteral("missing.mp3"))), QByteArray());
}

void TestHandPlayer::damagedFileSoundsAsFarAsItGoes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tone.mp3"));
    QVERIFY(makeTone(path, 44100, 2, QString()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    const qsizetype wholeFrames = Mp3Decoder::decode(whole).size() / 4;

    // Cut short, or with a stretch of garbage in the middle: what can be decoded is kept.
    const QByteArray cut = whole.left(whole.size() / 2);
    const qsizetype cutFrames = Mp3Decoder::decode(cut).size() / 4;
    QVERIFY2(cutFrames > wholeFrames / 3 && cutFrames < wholeFrames * 2 / 3,
             qPrintable(QStringLiteral("%1 of %2").arg(cutFrames).arg(wholeFrames)));

    QByteArray damaged = whole;
    for (qsizetype i = damaged.size() / 3; i < damaged.size() / 3 + 300; ++i)
        damaged[i] = char(i * 37);
    const QByteArray repaired = Mp3Decoder::decode(damaged);
    QCOMPARE(repaired.size() % 4, 0);
    QVERIFY(repaired.size() / 4 > wholeFrames / 2);
}

void TestHandPlayer::gainScalesEverySample_data()
{
    QTest::addColumn<double>("gain");
    QTest::addColumn<QList<int>>("samples");
    QTest::addColumn<QList<int>>("expected");
    const QList<int> sound = {1000, -1000, 32767, -32768, 3, -3};
    QTest::newRow("as recorded") << 1.0 << sound << sound;
    QTest::newRow("half") << 0.5 << sound << QList<int>{500, -500, 16384, -16384, 2, -2};
    QTest::newRow("a tenth") << 0.1 << sound << QList<int>{100, -100, 3277, -3277, 0, 0};
    QTest::newRow("muted") << 0.0 << sound << QList<int>{0, 0, 0, 0, 0, 0};
}

void TestHandPlayer::gainScalesEverySample()
{
    QFETCH(double, gain);
    QFETCH(QList<int>, samples);
    QFETCH(QList<int>, expected);
    QByteArray pcm;
    for (int sample : samples) {
        const qint16 value = qint16(sample);
        pcm.append(reinterpret_cast<const char *>(&value), 2);
    }
    QtHandPlayer::applyGain(pcm, gain);
    QCOMPARE(pcm.size(), samples.size() * 2);
    const auto *out = reinterpret_cast<const qint16 *>(pcm.constData());
    for (int i = 0; i < samples.size(); ++i)
        QCOMPARE(int(out[i]), expected[i]);
}

QTEST_GUILESS_MAIN(TestHandPlayer)
#include "tst_handplayer.moc"
