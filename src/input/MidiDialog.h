// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/InputPreferences.h"
#include "input/MidiLearn.h"

#include <QDialog>

#include <functional>

class MidiPorts;
class MidiSource;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class QTreeWidget;

// Options > Piano keyboard (MIDI): the MIDI ports and their state, the note of each finger,
// and Learn, which takes the ten notes as the player plays them. MIDI may be missing
// altogether; the dialog then says so and the computer keyboard plays as always.
class MidiDialog : public QDialog {
    Q_OBJECT
public:
    // ports and source may be null (no MIDI in this run); saved is called with the map the
    // player keeps.
    MidiDialog(const MidiPorts *ports, MidiSource *source, const NoteMap &current,
               std::function<void(const NoteMap &)> saved, QWidget *parent = nullptr);
    ~MidiDialog() override;

    const NoteMap &notes() const { return m_learner.kept(); }
    bool learning() const { return m_learner.learning(); }

    // Where the metronome sounds: `port` is the MIDI output chosen so far (empty for the
    // sound card); OK hands the choice to `chosen`.
    void setMetronome(const QString &port, std::function<void(const QString &)> chosen);
    QString metronome() const;

    // Starts Learn; while it runs, notes make no strikes.
    void learn();
    void restoreDefault();
    // The ports as they are now (also every second while the dialog is open).
    void refreshPorts();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    static QString systemText(const QString &system);
    void note(int note, int velocity, bool on);
    void stopLearning();
    void showNotes();
    void showStep();
    void showMetronomeChoices();
    void selectMetronome(const QString &port);

    const MidiPorts *m_ports;
    MidiSource *m_source;
    // The notes kept and the Learn sequence; the dialog only shows them.
    MidiLearn m_learner;
    std::function<void(const NoteMap &)> m_saved;
    int m_listener = 0;
    std::function<void(const QString &)> m_metronomeChosen;
    // The output ports the metronome list was made of.
    QStringList m_outputs;

    QLabel *m_system = nullptr;
    QTreeWidget *m_portList = nullptr;
    QLabel *m_portHint = nullptr;
    QComboBox *m_metronome = nullptr;
    QTableWidget *m_noteTable = nullptr;
    QLabel *m_prompt = nullptr;
    QLabel *m_lastNote = nullptr;
    QPushButton *m_learn = nullptr;
    QTimer *m_refresh = nullptr;
};
