// SPDX-License-Identifier: GPL-3.0-or-later
#include "preschool/AnimalTable.h"

namespace AnimalTable {

namespace {

// Elephant, dog, horse, sheep, squirrel: the names of their calls.
constexpr const char *Calls[] = {"slon", "pas", "konj", "ovca", "detlic"};

QString handFile(const QString &stem, Hand hand)
{
    return QStringLiteral("sounds/") + stem + (hand == Hand::Left ? u'L' : u'D') +
           QStringLiteral(".mp3");
}

bool isFinger(int finger)
{
    return finger >= FirstFinger && finger <= LastFinger;
}

} // namespace

int picture(int finger)
{
    return isFinger(finger) ? finger : EmptyPicture;
}

QString picturePath(int index)
{
    return QStringLiteral(":/pictures/animals/%1.png").arg(index);
}

QString animalSound(Hand hand, int finger)
{
    if (!isFinger(finger))
        return {};
    return handFile(QString::fromLatin1(Calls[finger - FirstFinger]), hand);
}

QString yesSound(Hand hand)
{
    return handFile(QStringLiteral("yes"), hand);
}

QString noSound(Hand hand)
{
    return handFile(QStringLiteral("no"), hand);
}

} // namespace AnimalTable
