// SPDX-License-Identifier: GPL-3.0-or-later
// Which key releases are finger strokes, of which hand and finger, and when their keys
// went down.
#include "Fakes.h"
#include "input/KeyMap.h"
#include "input/KeyboardSource.h"

#include <QTest>

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class TestKeyMap : public QObject {
    Q_OBJECT
private slots:
    void byQtKey_data();
    void byQtKey();
    void byPhysicalKey_data();
    void byPhysicalKey();
    void laptopLayout_data();
    void laptopLayout();
    void strokes_data();
    void strokes();
};

namespace {
const Qt::KeyboardModifiers none = Qt::NoModifier;
const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
} // namespace

void TestKeyMap::byQtKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("hand"); // 0 left, 1 right, -1 not a finger key
    QTest::addColumn<int>("finger");

    QTest::newRow("Z") << int(Qt::Key_Z) << none << 0 << 5;
    QTest::newRow("X") << int(Qt::Key_X) << none << 0 << 4;
    QTest::newRow("C") << int(Qt::Key_C) << none << 0 << 3;
    QTest::newRow("V") << int(Qt::Key_V) << none << 0 << 2;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << 0 << 1;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << keypad << 1 << 5;
    QTest::newRow("keypad multiply") << int(Qt::Key_Asterisk) << keypad << 1 << 4;
    QTest::newRow("keypad divide") << int(Qt::Key_Slash) << keypad << 1 << 3;
    QTest::newRow("Num Lock") << int(Qt::Key_NumLock) << none << 1 << 2;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << 1 << 1;
    QTest::newRow("keypad 3 as Page Down") << int(Qt::Key_PageDown) << keypad << 1 << 1;
    QTest::newRow("keypad 3 with Num Lock on") << int(Qt::Key_3) << keypad << 1 << 1;
    QTest::newRow("Shift held does not matter")
        << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0 << 5;
    QTest::newRow("Control held does not matter")
        << int(Qt::Key_Minus) << (keypad | Qt::ControlModifier) << 1 << 5;
    QTest::newRow("main minus is not a finger") << int(Qt::Key_Minus) << none << -1 << 0;
    QTest::newRow("main slash is not a finger") << int(Qt::Key_Slash) << none << -1 << 0;
    QTest::newRow("main 3 is not a finger") << int(Qt::Key_3) << none << -1 << 0;
    QTest::newRow("letter A") << int(Qt::Key_A) << none << -1 << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << -1 << 0;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << none << -1 << 0;
    QTest::newRow("arrow") << int(Qt::Key_Left) << none << -1 << 0;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << none << -1 << 0;
    QTest::newRow("Delete starts, is no finger") << int(Qt::Key_Delete) << none << -1 << 0;
}

void TestKeyMap::byQtKey()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, hand);
    QFETCH(int, finger);
    const auto found = KeyMap::lookup(key, modifiers, 0);
    QCOMPARE(found.has_value(), hand >= 0);
    if (found) {
        QCOMPARE(int(found->hand), hand);
        QCOMPARE(found->finger, finger);
    }
}

void TestKeyMap::byPhysicalKey_data()
{
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<int>("key"); // what the layout reports; must not matter
    QTest::addColumn<int>("hand");
    QTest::addColumn<int>("finger");

    QTest::newRow("Z on QWERTY") << quint32(52) << int(Qt::Key_Z) << 0 << 5;
    QTest::newRow("same key is W on AZERTY") << quint32(52) << int(Qt::Key_W) << 0 << 5;
    QTest::newRow("same key is Y on QWERTZ") << quint32(52) << int(Qt::Key_Y) << 0 << 5;
    QTest::newRow("same key is ; on Dvorak") << quint32(52) << int(Qt::Key_Semicolon) << 0 << 5;
    QTest::newRow("X") << quint32(53) << int(Qt::Key_X) << 0 << 4;
    QTest::newRow("C is J on Dvorak") << quint32(54) << int(Qt::Key_J) << 0 << 3;
    QTest::newRow("V") << quint32(55) << int(Qt::Key_V) << 0 << 2;
    QTest::newRow("Space") << quint32(65) << int(Qt::Key_Space) << 0 << 1;
    QTest::newRow("keypad minus") << quint32(82) << int(Qt::Key_Minus) << 1 << 5;
    QTest::newRow("keypad multiply") << quint32(63) << int(Qt::Key_Asterisk) << 1 << 4;
    QTest::newRow("keypad divide") << quint32(106) << int(Qt::Key_Slash) << 1 << 3;
    QTest::newRow("Num Lock") << quint32(77) << int(Qt::Key_NumLock) << 1 << 2;
    QTest::newRow("Page Down") << quint32(117) << int(Qt::Key_PageDown) << 1 << 1;
    QTest::newRow("keypad 3, Num Lock off") << quint32(89) << int(Qt::Key_PageDown) << 1 << 1;
    QTest::newRow("keypad 3, Num Lock on") << quint32(89) << int(Qt::Key_3) << 1 << 1;
    QTest::newRow("Z of QWERTZ sits elsewhere") << quint32(29) << int(Qt::Key_Z) << -1 << 0;
    QTest::newRow("main minus") << quint32(20) << int(Qt::Key_Minus) << -1 << 0;
    QTest::newRow("Page Up") << quint32(112) << int(Qt::Key_PageUp) << -1 << 0;
}

void TestKeyMap::byPhysicalKey()
{
    QFETCH(quint32, scanCode);
    QFETCH(int, key);
    QFETCH(int, hand);
    QFETCH(int, finger);
    const auto found = KeyMap::lookup(key, Qt::NoModifier, scanCode);
    QCOMPARE(found.has_value(), hand >= 0);
    if (found) {
        QCOMPARE(int(found->hand), hand);
        QCOMPARE(found->finger, finger);
    }
}

void TestKeyMap::laptopLayout_data()
{
    // The key as the layout reports it must not matter where a physical code is given.
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("hand");
    QTest::addColumn<int>("finger");

    const auto alt = Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("M") << quint32(58) << int(Qt::Key_M) << none << 1 << 2;
    QTest::newRow("M's key is , on AZERTY") << quint32(58) << int(Qt::Key_Comma) << none << 1 << 2;
    QTest::newRow("comma") << quint32(59) << int(Qt::Key_Comma) << none << 1 << 3;
    QTest::newRow("comma's key is W on Dvorak") << quint32(59) << int(Qt::Key_W) << none << 1 << 3;
    QTest::newRow("period") << quint32(60) << int(Qt::Key_Period) << none << 1 << 4;
    QTest::newRow("slash") << quint32(61) << int(Qt::Key_Slash) << none << 1 << 5;
    QTest::newRow("slash's key is - on QWERTZ")
        << quint32(61) << int(Qt::Key_Minus) << none << 1 << 5;
    QTest::newRow("right Alt") << quint32(108) << int(Qt::Key_Alt) << alt << 1 << 1;
    QTest::newRow("right Alt as Alt Gr") << quint32(108) << int(Qt::Key_AltGr) << none << 1 << 1;
    QTest::newRow("M with Alt held") << quint32(58) << int(Qt::Key_M) << alt << 1 << 2;
    QTest::newRow("left hand as before") << quint32(52) << int(Qt::Key_Y) << none << 0 << 5;
    QTest::newRow("Space") << quint32(65) << int(Qt::Key_Space) << none << 0 << 1;
    QTest::newRow("left Alt is no finger") << quint32(64) << int(Qt::Key_Alt) << alt << -1 << 0;
    QTest::newRow("keypad divide is no finger")
        << quint32(106) << int(Qt::Key_Slash) << keypad << -1 << 0;
    QTest::newRow("Num Lock is no finger")
        << quint32(77) << int(Qt::Key_NumLock) << none << -1 << 0;
    QTest::newRow("N is no finger") << quint32(57) << int(Qt::Key_N) << none << -1 << 0;
    // Without physical codes (other platforms) the Qt key decides.
    QTest::newRow("no code: M") << quint32(0) << int(Qt::Key_M) << none << 1 << 2;
    QTest::newRow("no code: comma") << quint32(0) << int(Qt::Key_Comma) << none << 1 << 3;
    QTest::newRow("no code: period") << quint32(0) << int(Qt::Key_Period) << none << 1 << 4;
    QTest::newRow("no code: slash") << quint32(0) << int(Qt::Key_Slash) << none << 1 << 5;
    QTest::newRow("no code: keypad slash is no finger")
        << quint32(0) << int(Qt::Key_Slash) << keypad << -1 << 0;
    QTest::newRow("no code: Alt Gr") << quint32(0) << int(Qt::Key_AltGr) << none << 1 << 1;
    QTest::newRow("no code: Alt cannot tell left from right")
        << quint32(0) << int(Qt::Key_Alt) << alt << -1 << 0;
    QTest::newRow("no code: Z") << quint32(0) << int(Qt::Key_Z) << none << 0 << 5;
}

void TestKeyMap::laptopLayout()
{
    QFETCH(quint32, scanCode);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, hand);
    QFETCH(int, finger);
    const auto found = KeyMap::lookup(KeyLayout::Laptop, key, modifiers, scanCode);
    QCOMPARE(found.has_value(), hand >= 0);
    if (found) {
        QCOMPARE(int(found->hand), hand);
        QCOMPARE(found->finger, finger);
        // The keypad layout does not know the bottom-row keys of the right hand.
        if (hand == 1)
            QVERIFY(!KeyMap::lookup(KeyLayout::Keypad, key, modifiers, scanCode));
    }
}

void TestKeyMap::strokes_data()
{
    // A script of events, one every 10 ms: P = press, p = auto-repeat press, R = release,
    // r = auto-repeat release; the strokes counted, and each one's press and release time
    // (ms; -1: no press seen).
    QTest::addColumn<QString>("events");
    QTest::addColumn<QList<QPair<int, int>>>("strokes");
    using S = QList<QPair<int, int>>;
    QTest::newRow("press and release") << "PR" << S{{0, 10}};
    QTest::newRow("release whose press went elsewhere") << "R" << S{};
    QTest::newRow("held key acts once, pressed when it went down") << "PprprprR" << S{{0, 70}};
    QTest::newRow("two strokes") << "PRPR" << S{{0, 10}, {20, 30}};
    QTest::newRow("second release without press") << "PRR" << S{{0, 10}};
    QTest::newRow("auto-repeat without first press") << "prR" << S{};
}

void TestKeyMap::strokes()
{
    QFETCH(QString, events);
    using S = QList<QPair<int, int>>;
    QFETCH(S, strokes);
    FakeClock clock;
    clock.monotonic = 11'000'000'000; // the events lie in the last second
    KeyboardSource keyboard(clock);
    QList<QPair<int, int>> struck;
    keyboard.setSink([&](const FingerStrike &s) {
        const auto ms = [](qint64 ns) { return ns < 0 ? -1 : int(ns / 1'000'000 - 10'000); };
        struck.append({ms(s.pressNs), ms(s.timeNs)});
    });
    for (qsizetype i = 0; i < events.size(); ++i) {
        const QChar e = events[i];
        keyboard.keyEvent(KeyLayout::Keypad, e == u'P' || e == u'p', Qt::Key_Z, Qt::NoModifier, 52,
                          e == u'p' || e == u'r', quint64(10'000 + 10 * i));
    }
    QCOMPARE(struck, strokes);
}

QTEST_GUILESS_MAIN(TestKeyMap)
#include "tst_keymap.moc"
