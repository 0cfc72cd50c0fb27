// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/KeyCheck.h"

#include "input/KeyMap.h"
#include "ports/HandNames.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString stepName(KeyCheck::Step step)
{
    switch (step) {
    case KeyCheck::Step::LeftHand:
        return HandNames::hand(Hand::Left);
    case KeyCheck::Step::RightHand:
        return HandNames::hand(Hand::Right);
    case KeyCheck::Step::AllTen:
        return QCoreApplication::translate("KeyCheck", "All ten");
    case KeyCheck::Step::Finished:
        break;
    }
    return QString();
}

} // namespace

KeyCheck::KeyCheck(const InputPreferences &preferences)
    : m_layout(preferences.layout), m_notes(preferences.notes)
{
    beginStep(Step::LeftHand);
}

QList<FingerKey> KeyCheck::allFingers()
{
    QList<FingerKey> fingers;
    for (int finger = 5; finger >= 1; --finger)
        fingers << FingerKey{Hand::Left, finger};
    for (int finger = 1; finger <= 5; ++finger)
        fingers << FingerKey{Hand::Right, finger};
    return fingers;
}

QList<FingerKey> KeyCheck::expectedKeys(Step step)
{
    QList<FingerKey> keys = allFingers();
    switch (step) {
    case Step::LeftHand:
        return keys.mid(0, 5);
    case Step::RightHand:
        return keys.mid(5, 5);
    case Step::AllTen:
        return keys;
    case Step::Finished:
        break;
    }
    return {};
}

void KeyCheck::keyPressed(FingerKey finger, quint64 identity, bool autoRepeat)
{
    if (autoRepeat)
        return;
    m_tracker.pressed(identity, false);
    m_keysDown.insert(identity, finger);
    keysChanged();
}

bool KeyCheck::keyReleased(FingerKey finger, quint64 identity, bool autoRepeat)
{
    // An auto-repeat release is no release: the key is still down.
    if (autoRepeat)
        return false;
    // The drill's own rule decides what a strike is.
    const bool strike = m_tracker.released(identity, false);
    m_keysDown.remove(identity);
    if (strike)
        countStrike(finger, KeyMap::keyName(m_layout, finger));
    return strike;
}

std::optional<FingerKey> KeyCheck::midiNote(int note, int velocity, bool on)
{
    const auto finger = m_notes.finger(note);
    if (!finger)
        return std::nullopt;
    if (on && velocity > 0) {
        // Every note-on strikes, as in a drill, even one whose note-off got lost.
        m_notesDown.insert(note);
        countStrike(*finger, NoteMap::noteName(note));
    } else {
        m_notesDown.remove(note);
    }
    return finger;
}

void KeyCheck::forgetKeys()
{
    m_tracker.clear();
    m_keysDown.clear();
}

bool KeyCheck::isKeyHeld(FingerKey finger) const
{
    return std::any_of(m_keysDown.cbegin(), m_keysDown.cend(),
                       [finger](const FingerKey &held) { return held == finger; });
}

bool KeyCheck::isNoteHeld(FingerKey finger) const
{
    return std::any_of(m_notesDown.cbegin(), m_notesDown.cend(),
                       [this, finger](int note) { return m_notes.finger(note) == finger; });
}

int KeyCheck::keysHeld() const
{
    const QList<FingerKey> fingers = allFingers();
    return int(std::count_if(fingers.cbegin(), fingers.cend(),
                             [this](const FingerKey &finger) { return isKeyHeld(finger); }));
}

void KeyCheck::countStrike(FingerKey finger, const QString &source)
{
    ++m_strikes;
    m_lastStrike = QCoreApplication::translate("KeyCheck", "%1, finger %2 (%3)")
                       .arg(HandNames::hand(finger.hand))
                       .arg(finger.finger)
                       .arg(source);
}

void KeyCheck::beginStep(Step step)
{
    m_step = step;
    m_peak = 0;
    m_peakLost = expectedKeys(step);
    // Keys still held from the step before count from the start.
    keysChanged();
}

void KeyCheck::keysChanged()
{
    // Only the computer keyboard's rollover is under test: MIDI notes do not count here.
    QList<FingerKey> missing;
    int held = 0;
    for (const FingerKey &finger : expectedKeys(m_step)) {
        if (isKeyHeld(finger))
            ++held;
        else
            missing << finger;
    }
    if (held > m_peak) {
        m_peak = held;
        m_peakLost = missing;
    }
}

KeyCheck::StepResult KeyCheck::current() const
{
    return StepResult{m_step, int(expectedKeys(m_step).size()), m_peak, m_peakLost};
}

void KeyCheck::nextStep()
{
    if (m_step == Step::Finished)
        return;
    m_results << current();
    beginStep(Step(int(m_step) + 1));
}

void KeyCheck::restart()
{
    m_results.clear();
    beginStep(Step::LeftHand);
}

QString KeyCheck::names(const QList<FingerKey> &fingers) const
{
    QStringList list;
    for (const FingerKey &finger : fingers)
        list << KeyMap::keyName(m_layout, finger);
    return list.join(QStringLiteral(", "));
}

QString KeyCheck::stepCaption() const
{
    if (m_step == Step::Finished)
        return QCoreApplication::translate("KeyCheck", "Done");
    return QCoreApplication::translate("KeyCheck", "Step %1 of %2").arg(int(m_step) + 1).arg(Steps);
}

QString KeyCheck::instruction() const
{
    const QString keys = names(expected());
    switch (m_step) {
    case Step::LeftHand:
        return QCoreApplication::translate(
                   "KeyCheck", "Hold the five keys of your left hand (%1) down together, then "
                               "let go and press Next step.")
            .arg(keys);
    case Step::RightHand:
        return QCoreApplication::translate(
                   "KeyCheck", "Hold the five keys of your right hand (%1) down together, then "
                               "let go and press Next step.")
            .arg(keys);
    case Step::AllTen:
        return QCoreApplication::translate("KeyCheck",
                                           "Hold all ten keys down together, then let go and press "
                                           "Next step.");
    case Step::Finished:
        break;
    }
    return QCoreApplication::translate("KeyCheck",
                                       "The check is done. Press Start again to check once more.");
}

QString KeyCheck::progress() const
{
    if (m_step == Step::Finished)
        return QString();
    const StepResult now = current();
    const QList<FingerKey> keys = expected();
    const auto held = std::count_if(keys.cbegin(), keys.cend(),
                                    [this](const FingerKey &finger) { return isKeyHeld(finger); });
    return QCoreApplication::translate("KeyCheck",
                                       "Held together now: %1 of %2. Most at once: %3 of %2.")
        .arg(held)
        .arg(now.expected)
        .arg(now.peak);
}

QString KeyCheck::describe(const StepResult &result) const
{
    const QString step = stepName(result.step);
    if (result.peak == 0)
        return QCoreApplication::translate("KeyCheck",
                                           "%1: no keys were held, so nothing was checked.")
            .arg(step);
    if (result.allTogether())
        return QCoreApplication::translate("KeyCheck", "%1: all %2 keys came through together.")
            .arg(step)
            .arg(result.expected);
    return QCoreApplication::translate(
               "KeyCheck", "%1: the keyboard reported at most %2 of %3 keys at once; lost: %4. "
                           "Keys pressed together may not count in a drill on this keyboard.")
        .arg(step)
        .arg(result.peak)
        .arg(result.expected)
        .arg(names(result.lost));
}

QList<KeyCheck::ResultLine> KeyCheck::resultLines() const
{
    QList<ResultLine> lines;
    for (const StepResult &result : m_results)
        lines << ResultLine{describe(result), stepName(result.step)};
    if (m_step != Step::Finished)
        return lines;
    const auto untried = std::count_if(m_results.cbegin(), m_results.cend(),
                                       [](const StepResult &r) { return r.peak == 0; });
    const bool together = std::all_of(m_results.cbegin(), m_results.cend(),
                                      [](const StepResult &r) { return r.allTogether(); });
    if (untried > 0)
        lines << ResultLine{
            QCoreApplication::translate("KeyCheck", "A step without keys held tells nothing: press "
                                                    "Start again to try it."),
            {}};
    else if (together)
        lines << ResultLine{
            QCoreApplication::translate("KeyCheck", "This keyboard reports all ten finger keys at "
                                                    "once: a drill counts every key you strike."),
            {}};
    else
        lines << ResultLine{QCoreApplication::translate(
                                "KeyCheck", "The other key layout (Options > Keyboard) or "
                                            "another keyboard may report more keys at once; "
                                            "a MIDI keyboard has no such limit."),
                            {}};
    return lines;
}
