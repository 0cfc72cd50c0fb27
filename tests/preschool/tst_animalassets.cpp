// SPDX-License-Identifier: GPL-3.0-or-later
// The delivered animal pictures and sounds: present, the right size, each hand's sound on
// its own side.
#include "input/KeyMap.h"
#include "platform/Mp3Decoder.h"
#include "preschool/AnimalTable.h"
#include "settings/ProgramFolder.h"

#include <QFileInfo>
#include <QImage>
#include <QTest>

Q_DECLARE_METATYPE(Hand)

namespace {

struct Energy {
    double left = 0, right = 0;
    qint64 frames = 0;
    bool ok = false;
};

// Decodes a file the way the hand players do and sums each channel's energy.
Energy channelEnergy(const QString &path)
{
    Energy e;
    const QByteArray pcm = Mp3Decoder::decodeFile(path);
    const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
    for (qsizetype i = 0; i + 1 < pcm.size() / 2; i += 2) {
        e.left += double(s[i]) * s[i];
        e.right += double(s[i + 1]) * s[i + 1];
        ++e.frames;
    }
    e.ok = e.frames > 0;
    return e;
}

QStringList allSounds(Hand hand)
{
    QStringList files;
    for (int f = AnimalTable::FirstFinger; f <= AnimalTable::LastFinger; ++f)
        files << AnimalTable::animalSound(hand, f);
    files << AnimalTable::yesSound(hand) << AnimalTable::noSound(hand);
    return files;
}

} // namespace

class TestAnimalAssets : public QObject {
    Q_OBJECT
private slots:
    void soundFilesArePresent_data();
    void soundFilesArePresent();
    void soundsSitOnTheirHandsSide_data();
    void soundsSitOnTheirHandsSide();
    void picturesHaveTheirSize_data();
    void picturesHaveTheirSize();
};

void TestAnimalAssets::soundFilesArePresent_data()
{
    QTest::addColumn<QString>("relative");
    for (Hand h : {Hand::Left, Hand::Right})
        for (const QString &f : allSounds(h))
            QTest::newRow(qPrintable(f)) << f;
    QTest::newRow("start and end sound") << QStringLiteral("\\sounds\\xyl.wav");
}

void TestAnimalAssets::soundFilesArePresent()
{
    QFETCH(QString, relative);
    const ProgramFolder folder(QStringLiteral(MORAVEL_BIN_DIR));
    const QFileInfo file(folder.filePath(relative));
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QVERIFY(file.size() > 1000);
}

void TestAnimalAssets::soundsSitOnTheirHandsSide_data()
{
    QTest::addColumn<Hand>("hand");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<int>("maxMs");
    for (Hand h : {Hand::Left, Hand::Right}) {
        for (const QString &f : allSounds(h)) {
            // Answers end well inside the feedback delay; calls are cut at about 1.5 s.
            const bool answer = f.contains(QLatin1String("yes")) || f.contains(QLatin1String("no"));
            QTest::newRow(qPrintable(f)) << h << f << (answer ? 700 : 1700);
        }
    }
}

void TestAnimalAssets::soundsSitOnTheirHandsSide()
{
    QFETCH(Hand, hand);
    QFETCH(QString, relative);
    QFETCH(int, maxMs);
    const ProgramFolder folder(QStringLiteral(MORAVEL_BIN_DIR));
    const Energy e = channelEnergy(folder.filePath(relative));
    QVERIFY2(e.ok, "the file does not decode");
    const double own = hand == Hand::Left ? e.left : e.right;
    const double far = hand == Hand::Left ? e.right : e.left;
    QVERIFY2(own > 0, "silent");
    // At least 20 dB between the hand's own side and the other.
    QVERIFY2(far < own / 100, qPrintable(QStringLiteral("own %1, other %2").arg(own).arg(far)));
    QVERIFY2(e.frames * 1000 / 44100 <= maxMs, qPrintable(QString::number(e.frames)));
}

void TestAnimalAssets::picturesHaveTheirSize_data()
{
    QTest::addColumn<int>("index");
    for (int i = 1; i <= AnimalTable::EmptyPicture; ++i)
        QTest::addRow("picture %d", i) << i;
}

void TestAnimalAssets::picturesHaveTheirSize()
{
    QFETCH(int, index);
    const QImage picture(AnimalTable::picturePath(index));
    QVERIFY2(!picture.isNull(), qPrintable(AnimalTable::picturePath(index)));
    const int pixels = AnimalTable::PictureSize * AnimalTable::PicturePixelRatio;
    QCOMPARE(picture.size(), QSize(pixels, pixels));
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    int opaque = 0;
    for (int y = 0; y < rgba.height(); ++y)
        for (int x = 0; x < rgba.width(); ++x)
            opaque += qAlpha(rgba.pixel(x, y)) > 0 ? 1 : 0;
    // The empty picture shows only the background; an animal fills a good part of its square.
    if (index == AnimalTable::EmptyPicture)
        QCOMPARE(opaque, 0);
    else
        QVERIFY2(opaque > rgba.width() * rgba.height() / 8, qPrintable(QString::number(opaque)));
}

QTEST_GUILESS_MAIN(TestAnimalAssets)
#include "tst_animalassets.moc"
