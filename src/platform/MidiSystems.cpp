// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MidiSystems.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <cstdarg>
#include <cstdio>
#include <unistd.h>

namespace {

// The MIDI libraries' own complaints ("no sequencer", "cannot connect to server") are
// shown only when asked for: a machine without MIDI is nothing to warn about, and the
// MIDI dialog says it in the program's own words.
bool verboseMidi = false;

void alsaMessage(const char *file, int line, const char *function, int err, const char *format, ...)
{
    if (!verboseMidi)
        return;
    std::fprintf(stderr, "ALSA lib %s:%i:(%s) ", file, line, function);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    if (err)
        std::fprintf(stderr, ": %s", snd_strerror(err));
    std::fputc('\n', stderr);
}

void jackMessage(const char *message)
{
    if (verboseMidi)
        std::fprintf(stderr, "JACK: %s\n", message);
}

// Runs a probe with standard error caught: some libraries print beside their error
// functions (JACK1's asks a server program for its folder through the shell, and the shell
// complains when there is none). What was caught is shown only when asked for.
template <typename Probe> bool quietly(Probe probe)
{
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    std::FILE *caught = std::tmpfile();
    if (saved < 0 || !caught) {
        if (saved >= 0)
            close(saved);
        if (caught)
            std::fclose(caught);
        return probe();
    }
    dup2(fileno(caught), STDERR_FILENO);
    const bool answer = probe();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    if (verboseMidi) {
        std::rewind(caught);
        char buffer[512];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, caught)) > 0;)
            std::fwrite(buffer, 1, n, stderr);
    }
    std::fclose(caught);
    return answer;
}

// Whether the ALSA sequencer can be opened; without it (no /dev/snd/seq, as in containers
// and many virtual machines) RtMidi is not asked at all.
bool alsaSequencerOpens()
{
    snd_seq_t *sequencer = nullptr;
    if (snd_seq_open(&sequencer, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0)
        return false;
    snd_seq_close(sequencer);
    return true;
}

// Whether a JACK server answers a client. RtMidi's JACK input is made even when none does
// and then hands a null client to the JACK library, which some JACK libraries do not
// survive; so a server is asked first, never started, and the client closed at once.
bool jackServerAnswers()
{
    jack_status_t status{};
    jack_client_t *client = jack_client_open("Moravel", JackOptions(JackNoStartServer), &status);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}

} // namespace

namespace MidiSystems {

std::vector<System> present()
{
    // A JACK client never starts a server of its own behind the player's back.
    qputenv("JACK_NO_START_SERVER", "1");
    snd_lib_error_set_handler(alsaMessage);
    jack_set_error_function(jackMessage);
    jack_set_info_function(jackMessage);
    std::vector<System> found;
    if (quietly(alsaSequencerOpens))
        found.push_back({RtMidi::LINUX_ALSA, "ALSA sequencer"});
    if (quietly(jackServerAnswers))
        found.push_back({RtMidi::UNIX_JACK, "JACK"});
    return found;
}

void setVerbose(bool verbose)
{
    verboseMidi = verbose;
}

// RtMidi reports its problems here instead of printing or throwing them: a failed step
// is marked in the flag handed over, and the program says what it needs in its own words.
void quietError(RtMidiError::Type type, const std::string &text, void *failed)
{
    if (verboseMidi)
        std::fprintf(stderr, "RtMidi: %s\n", text.c_str());
    if (failed && type != RtMidiError::DEBUG_WARNING)
        *static_cast<bool *>(failed) = true;
}

bool isOwnPort(const QString &name)
{
    // Under JACK every client of the program is called "Moravel", numbered when the name
    // is taken ("Moravel-01"); the metronome's is "Moravel metronome".
    static const QString own = QStringLiteral("Moravel");
    return name.startsWith(own) && name.size() > own.size() &&
           (name[own.size()] == u':' || name[own.size()] == u'-' || name[own.size()] == u' ');
}

} // namespace MidiSystems
