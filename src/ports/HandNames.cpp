// SPDX-License-Identifier: GPL-3.0-or-later
#include "ports/HandNames.h"

#include <QCoreApplication>

namespace {

// A word and, where the same English word has another form in some language, what tells
// the translator which form is meant.
struct Word {
    const char *source;
    const char *comment;
};

QString translated(const Word &word)
{
    return QCoreApplication::translate("HandNames", word.source, word.comment);
}

const Word Hands[2] = {{QT_TRANSLATE_NOOP("HandNames", "Left hand"), nullptr},
                       {QT_TRANSLATE_NOOP("HandNames", "Right hand"), nullptr}};
const Word Sides[2] = {QT_TRANSLATE_NOOP3("HandNames", "Left", "the hand on its own"),
                       QT_TRANSLATE_NOOP3("HandNames", "Right", "the hand on its own")};
const Word SidesInSentence[2] = {
    QT_TRANSLATE_NOOP3("HandNames", "left", "the hand, in a sentence"),
    QT_TRANSLATE_NOOP3("HandNames", "right", "the hand, in a sentence")};
const Word FingerSides[2] = {QT_TRANSLATE_NOOP3("HandNames", "Left", "of a finger"),
                             QT_TRANSLATE_NOOP3("HandNames", "Right", "of a finger")};
const Word FingerSidesInSentence[2] = {
    QT_TRANSLATE_NOOP3("HandNames", "left", "of a finger, in a sentence"),
    QT_TRANSLATE_NOOP3("HandNames", "right", "of a finger, in a sentence")};
const Word Letters[2] = {QT_TRANSLATE_NOOP3("HandNames", "L", "the left hand, in a chart label"),
                         QT_TRANSLATE_NOOP3("HandNames", "R", "the right hand, in a chart label")};

const Word Fingers[5] = {{QT_TRANSLATE_NOOP("HandNames", "thumb"), nullptr},
                         {QT_TRANSLATE_NOOP("HandNames", "index finger"), nullptr},
                         {QT_TRANSLATE_NOOP("HandNames", "middle finger"), nullptr},
                         {QT_TRANSLATE_NOOP("HandNames", "ring finger"), nullptr},
                         {QT_TRANSLATE_NOOP("HandNames", "little finger"), nullptr}};
const Word ShortFingers[5] = {QT_TRANSLATE_NOOP3("HandNames", "thumb", "short, in a heading"),
                              QT_TRANSLATE_NOOP3("HandNames", "index", "short, in a heading"),
                              QT_TRANSLATE_NOOP3("HandNames", "middle", "short, in a heading"),
                              QT_TRANSLATE_NOOP3("HandNames", "ring", "short, in a heading"),
                              QT_TRANSLATE_NOOP3("HandNames", "little", "short, in a heading")};

QString fingerWord(const Word (&words)[5], int number)
{
    return number >= 1 && number <= 5 ? translated(words[number - 1]) : QString();
}

} // namespace

namespace HandNames {

QString hand(Hand h)
{
    return translated(Hands[handIndex(h)]);
}

QString side(Hand h)
{
    return translated(Sides[handIndex(h)]);
}

QString sideInSentence(Hand h)
{
    return translated(SidesInSentence[handIndex(h)]);
}

QString ofFinger(Hand h, bool inSentence)
{
    return translated((inSentence ? FingerSidesInSentence : FingerSides)[handIndex(h)]);
}

QString letter(Hand h)
{
    return translated(Letters[handIndex(h)]);
}

QString finger(int number)
{
    return fingerWord(Fingers, number);
}

QString fingerShort(int number)
{
    return fingerWord(ShortFingers, number);
}

QString handFinger(Hand h, int number)
{
    QString text =
        QCoreApplication::translate("HandNames", "%1 %2", "the hand (%1), then the finger (%2)")
            .arg(ofFinger(h), finger(number));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString englishHand(Hand h)
{
    return QString::fromLatin1(Hands[handIndex(h)].source);
}

} // namespace HandNames
