// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/KeyMap.h"
#include "ports/FingerStrike.h"

#include <QString>

#include <array>
#include <optional>

class QSettings;

// The piano note each finger plays on a MIDI keyboard.
class NoteMap {
public:
    // A map with no notes yet.
    NoteMap() { m_notes.fill(-1); }
    // The five-finger C position: left hand little to thumb C3 D3 E3 F3 G3, right hand
    // thumb to little C4 D4 E4 F4 G4.
    static NoteMap fivefingerC();

    int note(FingerKey finger) const { return m_notes[slot(finger)]; }
    void setNote(FingerKey finger, int note) { m_notes[slot(finger)] = note; }
    // The finger a note belongs to; none for notes outside the map.
    std::optional<FingerKey> finger(int note) const;

    // The order in which Learn asks for the fingers: left hand little to thumb, then right
    // hand thumb to little, as they sit on the keys from low to high.
    static FingerKey learnOrder(int step);
    static constexpr int Fingers = 10;

    // "C4" for note 60, "F#3" for 54.
    static QString noteName(int note);

    bool operator==(const NoteMap &) const = default;

private:
    static int slot(FingerKey finger) { return int(finger.hand) * 5 + finger.finger - 1; }
    std::array<int, Fingers> m_notes;
};

// How the player's devices are set up, remembered between runs.
struct InputPreferences {
    KeyLayout layout = KeyLayout::Keypad;
    NoteMap notes = NoteMap::fivefingerC();
    // The MIDI output port whose piano sounds the metronome; empty for the sound card.
    QString metronomePort;

    void load(QSettings &settings);
    void save(QSettings &settings) const;
};
