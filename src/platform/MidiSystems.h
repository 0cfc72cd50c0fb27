// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <RtMidi.h>

#include <string>
#include <vector>

// The MIDI systems RtMidi can reach on this machine, asked quietly: the ALSA sequencer
// where there is one, a running JACK server (never one started for the program). The
// inputs (RtMidiPorts) and the metronome's output (MidiClickTrack) look for them alike.
namespace MidiSystems {

struct System {
    RtMidi::Api api;
    // "ALSA sequencer", "JACK".
    const char *name;
};

// The systems present now, in the order to try them. The libraries' own messages are
// shown only when verbose.
std::vector<System> present();

// Whether the MIDI libraries' own messages go to standard error (kept quiet otherwise).
void setVerbose(bool verbose);

// An RtMidi error callback: the problem is marked in the bool that `failed` points to (if
// any) instead of being printed or thrown.
void quietError(RtMidiError::Type type, const std::string &text, void *failed);

// The ports of this program (its own input port, the listening ends of its inputs, the
// metronome's output): never a keyboard and never a piano to send clicks to.
bool isOwnPort(const QString &name);

} // namespace MidiSystems
