// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/InputPreferences.h"
#include "input/KeyCheck.h"

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;
class KeyCheckPicture;

// Options > Check keys: the ten finger keys of the chosen layout, lit while the keyboard
// (or a MIDI note of the note map) reports them held; the rollover test in three steps
// with its results in plain words; the Num Lock state; and the strikes a drill would
// count. Finger keys belong to the check, never to the dialog's buttons.
class KeyCheckDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyCheckDialog(const InputPreferences &preferences, QWidget *parent = nullptr);
    ~KeyCheckDialog() override;

    // A note from a MIDI keyboard, as it came; notes outside the note map are ignored.
    void midiNote(int note, int velocity, bool on);

    const KeyCheck &check() const { return m_check; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Hands a key event to the check; true when it was a finger key, kept from the controls.
    bool fingerKey(QKeyEvent *event);
    void seeNumLock(const QKeyEvent *event);
    void stepButton_Click();
    void refresh();
    // The keys as a screen reader tells them: name, finger, and which are held now.
    void describeKeys();

    InputPreferences m_preferences;
    KeyCheck m_check;
    bool m_physicalKeys = false;
    bool m_x11 = false;
    bool m_numLockSeen = false;
    bool m_numLockOn = false;

    KeyCheckPicture *m_picture = nullptr;
    QLabel *m_stepCaption = nullptr;
    QLabel *m_instruction = nullptr;
    QLabel *m_progress = nullptr;
    QLabel *m_results = nullptr;
    QLabel *m_numLock = nullptr;
    QLabel *m_strikes = nullptr;
    QPushButton *m_step = nullptr;
    QPushButton *m_close = nullptr;
};
