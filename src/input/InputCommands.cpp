// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/InputCommands.h"

#include "frame/AppContext.h"
#include "frame/ExerciseWindow.h"
#include "frame/Forms.h"
#include "input/InputPreferences.h"
#include "input/KeyCheckDialog.h"
#include "input/KeyboardDialog.h"
#include "input/MidiDialog.h"
#include "input/MidiSource.h"

namespace InputCommands {

namespace {

void keep(AppContext &context)
{
    if (context.saveInput)
        context.saveInput();
}

void open(ExerciseWindow *window, QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    window->openDialog(dialog);
}

} // namespace

void install(ExerciseWindow *window, Forms &forms)
{
    AppContext &context = forms.context();
    window->onCommand(Command::mnuKeyboard, [window, &context] {
        open(window, new KeyboardDialog(
                         window->keyLayout(),
                         [&context](KeyLayout layout) {
                             if (!context.input)
                                 return;
                             context.input->layout = layout;
                             keep(context);
                         },
                         window));
    });
    window->onCommand(Command::mnuMidi, [window, &context] {
        const NoteMap current = context.input ? context.input->notes : NoteMap::fivefingerC();
        auto *dialog = new MidiDialog(
            context.midi, context.midiSource, current,
            [&context](const NoteMap &notes) {
                if (!context.input)
                    return;
                context.input->notes = notes;
                keep(context);
            },
            window);
        dialog->setMetronome(context.input ? context.input->metronomePort : QString(),
                             [&context](const QString &port) {
                                 if (!context.input)
                                     return;
                                 context.input->metronomePort = port;
                                 keep(context);
                             });
        open(window, dialog);
    });
    window->onCommand(Command::mnuCheckKeys, [window, &context] {
        static const InputPreferences keypad;
        auto *check = new KeyCheckDialog(context.input ? *context.input : keypad, window);
        if (MidiSource *source = context.midiSource) {
            // The notes light their fingers here and make no strikes in the drill meanwhile.
            const int listener = source->addNoteListener(
                [check](int note, int velocity, bool on) { check->midiNote(note, velocity, on); });
            source->capture(true);
            QObject::connect(check, &QObject::destroyed, [source, listener] {
                source->removeNoteListener(listener);
                source->capture(false);
            });
        }
        open(window, check);
    });
}

} // namespace InputCommands
