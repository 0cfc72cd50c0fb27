// SPDX-License-Identifier: GPL-3.0-or-later
// The key check: how many keys the keyboard reported held together, which it lost, and
// which presses a drill would count as strikes; and that its dialog keeps finger keys
// from the buttons.
#include "input/KeyCheck.h"
#include "input/KeyCheckDialog.h"

#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(KeyLayout)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class TestKeyCheck : public QObject {
    Q_OBJECT
private slots:
    void rollover_data();
    void rollover();
    void strikes_data();
    void strikes();
    void fingerKeysSkipTheButton_data();
    void fingerKeysSkipTheButton();
    void keysAreDescribedForAScreenReader();
};

namespace {

FingerKey fingerOf(QStringView token)
{
    return {token.at(0) == u'L' ? Hand::Left : Hand::Right, token.at(1).digitValue()};
}

// Plays a script of events on the check, separated by spaces: "+L5" presses the left
// little finger's key, "-L5" lets it go, "r+L5" / "r-L5" are auto-repeats, "n+60" and
// "n-60" a MIDI note on and off, "n060" a note-on with velocity 0, "next" closes the
// step and "forget" loses the keyboard.
void play(KeyCheck &check, const QString &script)
{
    for (const QString &token : script.split(u' ', Qt::SkipEmptyParts)) {
        if (token == QLatin1String("next")) {
            check.nextStep();
        } else if (token == QLatin1String("forget")) {
            check.forgetKeys();
        } else if (token.startsWith(u'n')) {
            const int note = token.mid(2).toInt();
            check.midiNote(note, token[1] == u'0' ? 0 : 100, token[1] != u'-');
        } else {
            const bool repeat = token.startsWith(u'r');
            const QStringView key = QStringView(token).mid(repeat ? 1 : 0);
            const FingerKey finger = fingerOf(key.mid(1));
            const quint64 identity = quint64(finger.hand) * 10 + quint64(finger.finger);
            if (key.at(0) == u'+')
                check.keyPressed(finger, identity, repeat);
            else
                check.keyReleased(finger, identity, repeat);
        }
    }
}

} // namespace

void TestKeyCheck::rollover_data()
{
    QTest::addColumn<KeyLayout>("layout");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("peak");
    QTest::addColumn<QString>("lost");
    QTest::addColumn<QString>("line"); // the step's result in words; empty: not compared

    const KeyLayout keypad = KeyLayout::Keypad;
    QTest::newRow("all five of the left hand")
        << keypad << "+L5 +L4 +L3 +L2 +L1 -L5 -L4 -L3 -L2 -L1" << 5 << ""
        << "Left hand: all 5 keys came through together.";
    QTest::newRow("nothing held") << keypad << "" << 0 << "Z, X, C, V, Space"
                                  << "Left hand: no keys were held, so nothing was checked.";
    QTest::newRow("right hand loses two keypad keys")
        << keypad << "next +R3 +R4 +R5" << 3 << "Page Down, Num Lock"
        << "Right hand: the keyboard reported at most 3 of 5 keys at once; lost: Page Down, "
           "Num Lock. Keys pressed together may not count in a drill on this keyboard.";
    QTest::newRow("laptop keys are named as printed")
        << KeyLayout::Laptop << "next +R2 +R3" << 2 << "Alt Gr, ., /"
        << "";
    QTest::newRow("the keyboard drops the seventh key")
        << keypad << "next next +L5 +L4 +L3 +L2 +L1 +R1" << 6 << "Num Lock, /, *, -"
        << "All ten: the keyboard reported at most 6 of 10 keys at once; lost: Num Lock, /, "
           "*, -. Keys pressed together may not count in a drill on this keyboard.";
    QTest::newRow("keys one after another are not together")
        << keypad << "+L5 +L4 -L5 +L3 +L2" << 3 << "Z, Space"
        << "";
    QTest::newRow("an auto-repeat release does not let go")
        << keypad << "+L5 +L4 r-L5 r+L5 +L3" << 3 << "V, Space"
        << "";
    QTest::newRow("the other hand does not count")
        << keypad << "+L5 +R1 +R2" << 1 << "X, C, V, Space"
        << "";
    QTest::newRow("keys held into the step count")
        << keypad << "+L1 +L2 next next +R1" << 3 << "Z, X, C, Num Lock, /, *, -"
        << "";
    QTest::newRow("keys held when the keyboard was lost are let go")
        << keypad << "+L5 +L4 forget +L3 +L2" << 2 << "C, V, Space"
        << "";
    QTest::newRow("MIDI notes are not the keyboard's rollover")
        << keypad << "n+48 n+50 +L1" << 1 << "Z, X, C, V"
        << "";
}

void TestKeyCheck::rollover()
{
    QFETCH(KeyLayout, layout);
    QFETCH(QString, script);
    QFETCH(int, peak);
    QFETCH(QString, lost);
    QFETCH(QString, line);

    KeyCheck check(InputPreferences{layout, NoteMap::fivefingerC(), {}});
    play(check, script);
    const KeyCheck::StepResult result = check.current();
    QStringList names;
    for (const FingerKey &finger : result.lost)
        names << KeyMap::keyName(layout, finger);
    QCOMPARE(result.peak, peak);
    QCOMPARE(names.join(QStringLiteral(", ")), lost);
    if (!line.isEmpty())
        QCOMPARE(check.describe(result), line);

    // Closing the step keeps what it found.
    const int steps = int(check.results().size());
    check.nextStep();
    QCOMPARE(check.results().size(), steps + 1);
    QCOMPARE(check.results().last().peak, peak);
}

void TestKeyCheck::strikes_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("strikes");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("lit"); // the fingers lit at the end

    QTest::newRow("press and release") << "+R3 -R3" << 1 << "Right hand, finger 3 (/)"
                                       << "";
    QTest::newRow("a press alone is no strike yet") << "+R3" << 0 << ""
                                                    << "R3";
    QTest::newRow("release of a key pressed elsewhere") << "-L1" << 0 << ""
                                                        << "";
    QTest::newRow("auto-repeat counts once")
        << "+L1 r-L1 r+L1 r-L1 r+L1 -L1" << 1 << "Left hand, finger 1 (Space)"
        << "";
    QTest::newRow("held through auto-repeat") << "+L1 r-L1 r+L1 r-L1" << 0 << ""
                                              << "L1";
    QTest::newRow("the last strike is named") << "+L5 +R1 -R1 -L5" << 2 << "Left hand, finger 5 (Z)"
                                              << "";
    QTest::newRow("released after the keyboard was lost") << "+L2 forget -L2" << 0 << ""
                                                          << "";
    QTest::newRow("a mapped note strikes on note-on") << "n+60" << 1 << "Right hand, finger 1 (C4)"
                                                      << "R1";
    QTest::newRow("note-off lets the finger go") << "n+48 n-48" << 1 << "Left hand, finger 5 (C3)"
                                                 << "";
    QTest::newRow("note-on with velocity 0 ends the note")
        << "n+55 n055" << 1 << "Left hand, finger 1 (G3)"
        << "";
    QTest::newRow("a note outside the map") << "n+61 n-61" << 0 << ""
                                            << "";
}

void TestKeyCheck::strikes()
{
    QFETCH(QString, script);
    QFETCH(int, strikes);
    QFETCH(QString, last);
    QFETCH(QString, lit);

    KeyCheck check(InputPreferences{KeyLayout::Keypad, NoteMap::fivefingerC(), {}});
    play(check, script);
    QCOMPARE(check.strikes(), strikes);
    QCOMPARE(check.lastStrike(), last);
    QStringList litNow;
    for (const FingerKey &finger : KeyCheck::allFingers()) {
        if (check.isLit(finger))
            litNow << (finger.hand == Hand::Left ? QStringLiteral("L") : QStringLiteral("R")) +
                          QString::number(finger.finger);
    }
    QCOMPARE(litNow.join(u' '), lit);
}

void TestKeyCheck::fingerKeysSkipTheButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("pressesButton");
    QTest::addColumn<int>("strikes");

    QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << false << 1;
    QTest::newRow("keypad slash") << int(Qt::Key_Slash) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << false << 1;
    QTest::newRow("Enter is no finger key")
        << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true << 0;
}

void TestKeyCheck::fingerKeysSkipTheButton()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, pressesButton);
    QFETCH(int, strikes);

    KeyCheckDialog dialog(InputPreferences{});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *button = dialog.findChild<QPushButton *>(QStringLiteral("cmdStep"));
    QVERIFY(button);
    button->setFocus();
    QTest::keyClick(button, Qt::Key(key), modifiers);
    QCOMPARE(dialog.check().step() != KeyCheck::Step::LeftHand, pressesButton);
    QCOMPARE(dialog.check().strikes(), strikes);
    QVERIFY(dialog.isVisible());
}

// The picture of the keys is one control; a screen reader reads its keys and what is held.
void TestKeyCheck::keysAreDescribedForAScreenReader()
{
    KeyCheckDialog dialog(InputPreferences{});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *picture = dialog.findChild<QWidget *>(QStringLiteral("picKeys"));
    QVERIFY(picture);
    QVERIFY(!picture->accessibleName().isEmpty());
    QVERIFY2(picture->accessibleDescription().startsWith(QStringLiteral("Z finger 5, X finger 4")),
             qPrintable(picture->accessibleDescription()));
    QVERIFY(!picture->accessibleDescription().contains(QStringLiteral("held")));
    QTest::keyPress(&dialog, Qt::Key_Z);
    QVERIFY2(picture->accessibleDescription().startsWith(QStringLiteral("Z finger 5 held, X")),
             qPrintable(picture->accessibleDescription()));
    QTest::keyRelease(&dialog, Qt::Key_Z);
}

QTEST_MAIN(TestKeyCheck)
#include "tst_keycheck.moc"
