// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/MidiDialog.h"

#include "input/MidiSource.h"
#include "ports/HandNames.h"
#include "ports/MidiPorts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// "Left thumb (1)" in a list; inside a sentence, "left thumb (1)".
QString fingerText(FingerKey finger, bool inSentence = false)
{
    QString text =
        QCoreApplication::translate("MidiDialog", "%1 %2 (%3)")
            .arg(HandNames::ofFinger(finger.hand, inSentence), HandNames::finger(finger.finger))
            .arg(finger.finger);
    // A language that names the finger before the hand starts the list entry with the
    // finger: the entry begins with a capital all the same.
    if (!inSentence && !text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString noteText(int note)
{
    if (note < 0)
        return QStringLiteral("-");
    return QStringLiteral("%1  (%2)").arg(NoteMap::noteName(note)).arg(note);
}

QString allLearnt()
{
    return QCoreApplication::translate("MidiDialog", "All ten notes learnt. OK keeps them.");
}

} // namespace

MidiDialog::MidiDialog(const MidiPorts *ports, MidiSource *source, const NoteMap &current,
                       std::function<void(const NoteMap &)> saved, QWidget *parent)
    : QDialog(parent), m_ports(ports), m_source(source), m_learner(source, current),
      m_saved(std::move(saved))
{
    setObjectName(QStringLiteral("frmMidi"));
    setWindowTitle(tr("Piano keyboard (MIDI)"));
    auto *layout = new QVBoxLayout(this);

    m_system = new QLabel(this);
    m_system->setObjectName(QStringLiteral("lblSystem"));
    m_system->setWordWrap(true);
    layout->addWidget(m_system);

    m_portList = new QTreeWidget(this);
    m_portList->setObjectName(QStringLiteral("lstPorts"));
    m_portList->setHeaderLabels({tr("Port"), tr("State")});
    // Announced as what it lists; its rows say each port and whether it is in use.
    m_portList->setAccessibleName(tr("MIDI ports"));
    m_portList->setRootIsDecorated(false);
    m_portList->setMinimumHeight(90);
    m_portList->header()->setStretchLastSection(false);
    m_portList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_portList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layout->addWidget(m_portList);
    // Under the list, wrapped to the dialog's width rather than cut off in a column.
    m_portHint = new QLabel(
        tr("No MIDI keyboard found yet: plug one in, it is picked up within a second."), this);
    m_portHint->setObjectName(QStringLiteral("lblPortHint"));
    m_portHint->setWordWrap(true);
    m_portHint->setToolTip(m_portHint->text());
    m_portHint->hide();
    layout->addWidget(m_portHint);

    // The clicks of the Rhythm window: the sound card, or a piano on a MIDI output, which
    // sounds them with no audio latency.
    auto *metronomeRow = new QFormLayout;
    m_metronome = new QComboBox(this);
    m_metronome->setObjectName(QStringLiteral("cboMetronome"));
    m_metronome->addItem(tr("Sound card"), QString());
    m_metronome->setToolTip(tr("Where the Rhythm window's metronome sounds: the sound card, "
                               "or a digital piano on a MIDI output port."));
    metronomeRow->addRow(tr("&Metronome:"), m_metronome);
    layout->addLayout(metronomeRow);

    m_noteTable = new QTableWidget(NoteMap::Fingers, 2, this);
    m_noteTable->setObjectName(QStringLiteral("tblNotes"));
    m_noteTable->setHorizontalHeaderLabels({tr("Finger"), tr("Note")});
    m_noteTable->verticalHeader()->hide();
    m_noteTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_noteTable->setSelectionMode(QAbstractItemView::NoSelection);
    m_noteTable->setFocusPolicy(Qt::NoFocus);
    m_noteTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_noteTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_noteTable->setMinimumHeight(m_noteTable->verticalHeader()->defaultSectionSize() * 11 + 4);
    layout->addWidget(m_noteTable);

    m_prompt = new QLabel(this);
    m_prompt->setObjectName(QStringLiteral("lblPrompt"));
    m_prompt->setWordWrap(true);
    QFont bold = m_prompt->font();
    bold.setBold(true);
    m_prompt->setFont(bold);
    layout->addWidget(m_prompt);
    m_lastNote = new QLabel(this);
    m_lastNote->setObjectName(QStringLiteral("lblLastNote"));
    layout->addWidget(m_lastNote);

    auto *buttons = new QDialogButtonBox(this);
    m_learn = buttons->addButton(tr("&Learn"), QDialogButtonBox::ActionRole);
    m_learn->setObjectName(QStringLiteral("cmdLearn"));
    QPushButton *reset = buttons->addButton(tr("&Default"), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("cmdDefault"));
    QPushButton *ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OKButton"));
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    layout->addWidget(buttons);
    connect(m_learn, &QPushButton::clicked, this, [this] {
        if (learning())
            stopLearning();
        else
            learn();
    });
    connect(reset, &QPushButton::clicked, this, &MidiDialog::restoreDefault);
    connect(ok, &QPushButton::clicked, this, [this] {
        stopLearning();
        if (m_saved)
            m_saved(m_learner.kept());
        if (m_metronomeChosen)
            m_metronomeChosen(metronome());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const bool available = m_ports && m_ports->available();
    if (available)
        m_system->setText(systemText(m_ports->systemName()));
    else
        m_system->setText(tr("MIDI is unavailable. %1\nThe computer keyboard plays as always.")
                              .arg(m_ports ? m_ports->unavailableReason() : QString()));
    m_learn->setEnabled(available && m_source);
    m_portList->setEnabled(available);

    m_refresh = new QTimer(this);
    m_refresh->setInterval(1000);
    connect(m_refresh, &QTimer::timeout, this, &MidiDialog::refreshPorts);
    refreshPorts();
    showNotes();
    showStep();
    resize(460, 600);
}

// Each MIDI system is named in a sentence of its own, so that every language can
// put its name the way it reads.
QString MidiDialog::systemText(const QString &system)
{
    if (system == QLatin1String("JACK"))
        return tr("MIDI through JACK. Every input port is listened to; other programs can "
                  "play into the port \"Moravel\".");
    if (system == QLatin1String("ALSA sequencer"))
        return tr("MIDI through the ALSA sequencer. Every input port is listened to; other "
                  "programs can play into the port \"Moravel\".");
    return tr("MIDI through %1. Every input port is listened to; other programs can play "
              "into the port \"Moravel\".")
        .arg(system);
}

MidiDialog::~MidiDialog()
{
    stopLearning();
    if (m_source && m_listener)
        m_source->removeNoteListener(m_listener);
}

void MidiDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_source && !m_listener)
        m_listener = m_source->addNoteListener(
            [this](int n, int velocity, bool on) { note(n, velocity, on); });
    refreshPorts();
    m_refresh->start();
}

void MidiDialog::hideEvent(QHideEvent *event)
{
    stopLearning();
    if (m_source && m_listener) {
        m_source->removeNoteListener(m_listener);
        m_listener = 0;
    }
    m_refresh->stop();
    QDialog::hideEvent(event);
}

void MidiDialog::refreshPorts()
{
    m_portList->clear();
    const bool available = m_ports && m_ports->available();
    const QList<MidiPorts::Port> ports = available ? m_ports->ports() : QList<MidiPorts::Port>();
    for (const MidiPorts::Port &port : ports) {
        QString state;
        if (port.own)
            state = tr("the program's own port, for other programs");
        else
            state = port.open ? tr("listening") : tr("cannot be opened");
        auto *item = new QTreeWidgetItem(m_portList, {port.name, state});
        // A narrow column cuts a long name or state short; its tip shows it whole.
        for (int column = 0; column < 2; ++column)
            item->setToolTip(column, item->text(column));
    }
    // Only the program's own port: no keyboard yet.
    m_portHint->setVisible(available && ports.size() <= 1);

    const QStringList outputs = available ? m_ports->outputs() : QStringList();
    if (outputs != m_outputs) {
        m_outputs = outputs;
        showMetronomeChoices();
    }
}

void MidiDialog::setMetronome(const QString &port, std::function<void(const QString &)> chosen)
{
    m_metronomeChosen = std::move(chosen);
    selectMetronome(port);
}

void MidiDialog::selectMetronome(const QString &port)
{
    m_metronome->setCurrentIndex(0);
    if (!port.isEmpty()) {
        m_metronome->setCurrentIndex(m_metronome->findData(port));
        if (m_metronome->currentIndex() < 0) {
            m_metronome->addItem(tr("%1 (not found)").arg(port), port);
            m_metronome->setCurrentIndex(m_metronome->count() - 1);
        }
    }
}

QString MidiDialog::metronome() const
{
    return m_metronome->currentData().toString();
}

void MidiDialog::showMetronomeChoices()
{
    // The list follows the ports; the choice stays, a port gone included.
    const QString chosen = metronome();
    m_metronome->clear();
    m_metronome->addItem(tr("Sound card"), QString());
    for (const QString &port : m_outputs)
        m_metronome->addItem(port, port);
    selectMetronome(chosen);
}

void MidiDialog::learn()
{
    if (!m_learner.start())
        return;
    m_learn->setText(tr("Stop &learning"));
    showStep();
}

void MidiDialog::stopLearning()
{
    if (!m_learner.stop())
        return;
    m_learn->setText(tr("&Learn"));
    showNotes();
    showStep();
}

void MidiDialog::restoreDefault()
{
    stopLearning();
    m_learner.restoreDefault();
    showNotes();
}

void MidiDialog::note(int note, int velocity, bool on)
{
    if (!on)
        return;
    m_lastNote->setText(tr("Last note: %1, velocity %2").arg(noteText(note)).arg(velocity));
    const MidiLearn::Played played = m_learner.play(note);
    switch (played.outcome) {
    case MidiLearn::Outcome::Ignored:
        return;
    case MidiLearn::Outcome::Refused:
        m_prompt->setText(tr("%1 is already the %2's note. Play another note for "
                             "the %3.")
                              .arg(NoteMap::noteName(note), fingerText(played.finger, true),
                                   fingerText(m_learner.asked(), true)));
        return;
    case MidiLearn::Outcome::Complete:
        m_learn->setText(tr("&Learn"));
        showNotes();
        m_prompt->setText(allLearnt());
        return;
    case MidiLearn::Outcome::Taken:
        showNotes();
        showStep();
        return;
    }
}

void MidiDialog::showNotes()
{
    const NoteMap &shown = m_learner.shown();
    for (int step = 0; step < NoteMap::Fingers; ++step) {
        const FingerKey finger = NoteMap::learnOrder(step);
        auto *name = new QTableWidgetItem(fingerText(finger));
        auto *value = new QTableWidgetItem(noteText(shown.note(finger)));
        if (step == m_learner.step()) {
            QFont bold = name->font();
            bold.setBold(true);
            name->setFont(bold);
            value->setFont(bold);
        }
        m_noteTable->setItem(step, 0, name);
        m_noteTable->setItem(step, 1, value);
    }
}

void MidiDialog::showStep()
{
    if (learning())
        m_prompt->setText(tr("Play the note for the %1 (%2 of 10).")
                              .arg(fingerText(m_learner.asked(), true))
                              .arg(m_learner.step() + 1));
    else if (!m_learner.complete())
        m_prompt->setText(tr("Learn takes the ten notes as you play them: left "
                             "hand little finger to thumb, then right hand thumb "
                             "to little finger."));
}
