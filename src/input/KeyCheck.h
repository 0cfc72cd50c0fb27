// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/InputPreferences.h"
#include "input/KeyTracker.h"
#include "ports/FingerStrike.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// What the key check knows: which finger keys the keyboard reports held, which fingers
// the MIDI notes light, how many strikes a drill would count, and the rollover test.
//
// Many keyboards cannot report every combination of keys held at once: past a few keys,
// or for some pairs, further presses never arrive. The rollover test asks the player to
// hold the keys of one hand, then the other, then all ten, and for each step keeps the
// most keys the keyboard reported held together and which of the expected keys were
// missing at that moment.
class KeyCheck {
public:
    enum class Step { LeftHand, RightHand, AllTen, Finished };
    static constexpr int Steps = 3;

    struct StepResult {
        Step step = Step::LeftHand;
        int expected = 0;
        // The most expected keys reported held at once, and the expected keys missing
        // when that many were first held (left little finger to right little finger).
        int peak = 0;
        QList<FingerKey> lost;

        bool allTogether() const { return peak == expected; }
    };

    explicit KeyCheck(const InputPreferences &preferences);

    // A finger key of the computer keyboard went down or up; identity pairs the release
    // with its press (KeyMap::keyIdentity). Auto-repeat changes nothing. A release is a
    // strike, as a drill counts it, when its press was seen; keyReleased tells.
    void keyPressed(FingerKey finger, quint64 identity, bool autoRepeat = false);
    bool keyReleased(FingerKey finger, quint64 identity, bool autoRepeat = false);
    // A MIDI note. Notes in the note map light their finger while they sound and a
    // note-on is a strike; a note-on with velocity 0 ends the note. Returns the finger.
    std::optional<FingerKey> midiNote(int note, int velocity, bool on);
    // The window lost the keyboard: the releases of the keys held now will not come.
    void forgetKeys();

    // Lit: held on the computer keyboard or sounding on the MIDI keyboard.
    bool isLit(FingerKey finger) const { return isKeyHeld(finger) || isNoteHeld(finger); }
    bool isKeyHeld(FingerKey finger) const;
    bool isNoteHeld(FingerKey finger) const;
    // Finger keys held on the computer keyboard now.
    int keysHeld() const;

    int strikes() const { return m_strikes; }
    // "Right hand, finger 3 (/)", "Left hand, finger 1 (G3)"; empty before the first.
    QString lastStrike() const { return m_lastStrike; }

    Step step() const { return m_step; }
    // The keys the current step asks for; none once the test is finished.
    QList<FingerKey> expected() const { return expectedKeys(m_step); }
    static QList<FingerKey> expectedKeys(Step step);
    // The current step so far.
    StepResult current() const;
    // Closes the current step and moves to the next one.
    void nextStep();
    // Forgets the results and starts over with the left hand.
    void restart();
    QList<StepResult> results() const { return m_results; }

    // "Step 2 of 3", and what to do: "Hold the five keys of your right hand: ...".
    QString stepCaption() const;
    QString instruction() const;
    // The current step so far: "Held together now: 3 of 5. Most at once: 4 of 5."
    QString progress() const;
    // One line of the results: its text, and the name of the step it tells of (empty for
    // the closing line), which the dialog sets off where the text begins with it.
    struct ResultLine {
        QString text;
        QString step;
    };
    // The closed steps in plain words, one line each, and a closing line once all three
    // steps are done.
    QList<ResultLine> resultLines() const;
    QString describe(const StepResult &result) const;

    // The ten fingers as they sit on the keys: left little finger to thumb, right thumb
    // to little finger.
    static QList<FingerKey> allFingers();

private:
    void beginStep(Step step);
    void keysChanged();
    void countStrike(FingerKey finger, const QString &source);
    QString names(const QList<FingerKey> &fingers) const;

    KeyLayout m_layout;
    NoteMap m_notes;
    KeyTracker m_tracker;
    QHash<quint64, FingerKey> m_keysDown;
    QSet<int> m_notesDown;
    int m_strikes = 0;
    QString m_lastStrike;

    Step m_step = Step::LeftHand;
    int m_peak = 0;
    QList<FingerKey> m_peakLost;
    QList<StepResult> m_results;
};
