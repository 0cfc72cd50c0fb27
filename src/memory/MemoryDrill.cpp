// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/MemoryDrill.h"

#include "ports/RandomSource.h"
#include "ports/SyncSound.h"
#include "ports/Ticker.h"
#include "settings/Int16.h"
#include "settings/NumberParser.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

#include <algorithm>
#include <cmath>

namespace {

const MemoryDrill::Table *tableFor(int notes)
{
    for (const MemoryDrill::Table &table : MemoryDrill::Tables) {
        if (table.notes == notes)
            return &table;
    }
    return nullptr;
}

} // namespace

MemoryDrill::MemoryDrill(DrillPorts ports, RandomSource &random, QObject *parent)
    : DrillCore(ports, parent), m_random(random)
{
    labelModel().define(Label::Label7Memory);
    labelModel().define(statusLabel(Hand::Left));
    labelModel().define(statusLabel(Hand::Right));
}

void MemoryDrill::Form_Load(const QString &databasePath, const QString &taskCountText,
                            const QString &soundPath)
{
    PracticeSettings &s = settings();
    s.SoundPath = soundPath;
    sound().prepare(soundPath);
    for (DataLink &link : m_links)
        link.setDatabaseName(databasePath);
    const Table *table = tableFor(InitialNotes);
    m_notes = table->notes;
    m_taskColumnCount = table->columns;
    openTable(QString::fromLatin1(table->name));
    const qint16 count = NumberParser::toInt16(taskCountText).value_or(0);
    s.SequenceCountLeft = count;
    s.SequenceCountRight = count;
    emit changed();
}

bool MemoryDrill::openTable(const QString &table)
{
    m_error.clear();
    for (DataLink &link : m_links) {
        link.setRecordSource(table);
        QString problem;
        if (!link.Refresh())
            problem = link.error();
        else if (link.rowCount() == 0)
            problem = tr("the table %1 of the exercise database %2 has no rows")
                          .arg(table, link.databaseName());
        if (m_error.isEmpty())
            m_error = problem;
    }
    // The task columns are "0" up to the table's count of tasks; a damaged table may
    // lack some of them, and only those it has are drawn.
    m_taskColumns.clear();
    for (qint16 column = 0; m_error.isEmpty() && column < m_taskColumnCount; ++column) {
        if (m_links[0].hasColumn(QString::number(column)) &&
            m_links[1].hasColumn(QString::number(column)))
            m_taskColumns.append(column);
    }
    if (m_error.isEmpty() && m_taskColumns.isEmpty())
        m_error = tr("the table %1 of the exercise database %2 has no task columns")
                      .arg(table, m_links[0].databaseName());
    if (!m_error.isEmpty()) {
        goIdle();
        return false;
    }
    return true;
}

void MemoryDrill::goIdle()
{
    for (Hand h : {Hand::Left, Hand::Right}) {
        m_phase[index(h)] = Phase::Idle;
        labelModel().setText(statusLabel(h), QString());
        showIdle(h);
        labelModel().setVisible(taskLabel(h), true);
        stopTimer(h);
    }
}

qint16 MemoryDrill::sequenceCount(Hand h) const
{
    return h == Hand::Left ? settings().SequenceCountLeft : settings().SequenceCountRight;
}

qint16 &MemoryDrill::memoryPick(Hand h)
{
    return h == Hand::Left ? settings().MemoryPickLeft : settings().MemoryPickRight;
}

void MemoryDrill::showRow(Hand h)
{
    const DataLink &link = m_links[index(h)];
    if (!link.column().isEmpty())
        labelModel().setText(taskLabel(h), link.currentValue());
}

void MemoryDrill::showNote(Hand h)
{
    showRow(h);
    const Label note = taskLabel(h);
    setTask(h, labels().text(note), labels().isVisible(note));
}

qint16 MemoryDrill::pickColumn()
{
    if (m_taskColumns.isEmpty())
        return -1;
    const auto count = static_cast<float>(m_taskColumns.size());
    const auto at = static_cast<qsizetype>(std::floor(count * m_random.nextSingle()));
    return m_taskColumns.at(std::min(at, m_taskColumns.size() - 1));
}

void MemoryDrill::chooseTask(Hand h, qint16 column)
{
    // A task column the table lacks is never chosen: a fresh pick among those it has.
    if (!m_taskColumns.contains(column))
        column = pickColumn();
    if (linkOf(h).chooseColumn(QString::number(column)))
        memoryPick(h) = column;
}

void MemoryDrill::mnuStart_Click()
{
    // A database that could not be read may have been put back since.
    if (!m_error.isEmpty() && !openTable(QString::fromLatin1(tableFor(m_notes)->name))) {
        emit changed();
        emit startFailed(tr("The memory test cannot start: %1.").arg(m_error));
        return;
    }
    for (Hand h : {Hand::Left, Hand::Right}) {
        m_phase[index(h)] = Phase::Show;
        labelModel().setText(statusLabel(h), Memorize);
        labelModel().setVisible(taskLabel(h), true);
    }
    for (Hand h : {Hand::Left, Hand::Right}) {
        chooseTask(h, memoryPick(h));
        showRow(h);
    }
    beginExercise();
    playSoundPath([this] {
        for (Hand h : {Hand::Left, Hand::Right}) {
            linkOf(h).MoveFirst();
            showNote(h);
        }
        emit changed();
    });
}

QVariantMap MemoryDrill::parameters() const
{
    return {{QStringLiteral("notes"), m_notes},
            {QStringLiteral("tasks_left"), settings().SequenceCountLeft},
            {QStringLiteral("tasks_right"), settings().SequenceCountRight},
            {QStringLiteral("interval_left_ms"), ticker(Hand::Left).interval()},
            {QStringLiteral("interval_right_ms"), ticker(Hand::Right).interval()}};
}

bool MemoryDrill::acceptsStrikes(Hand h) const
{
    // Before the first Start there is no task, and a finished hand waits for the next
    // Start: otherwise it would score again and run past its count.
    return phase(h) != Phase::Idle && phase(h) != Phase::Finished;
}

bool MemoryDrill::scoringAllowed(Hand h) const
{
    return !labels().isVisible(taskLabel(h)) && !labels().text(taskLabel(h)).isEmpty();
}

void MemoryDrill::nextTask(Hand h)
{
    HandState &state = handState(h);
    const Label note = taskLabel(h);
    const bool passDone = linkOf(h).stepWrapping();
    const bool hidden = !labels().isVisible(note);
    if (hidden) {
        state.ticks = 0;
        startTimer(h);
    }
    if (!passDone) {
        showNote(h);
        return;
    }
    if (!hidden) {
        // The whole sequence has been shown: now it is played from memory.
        labelModel().setVisible(note, false);
        labelModel().setText(statusLabel(h), Repeat);
        m_phase[index(h)] = Phase::Recall;
        state.ticks = 0;
        startTimer(h);
        showNote(h);
        return;
    }

    // Played back to its end: the task is done.
    showRow(h);
    state.task = labels().text(note);
    const qint16 done = Int16::add(state.count, 1);
    const QString prefix = h == Hand::Left ? QStringLiteral("left hand memory test")
                                           : QStringLiteral("right hand memory test");
    log().WriteLogLine(prefix + QString::number(done) + u' ' + labels().text(scoreLabel(h)) +
                       QStringLiteral(" points"));
    state.count = done;
    if (state.count == sequenceCount(h))
        endHand(h);
    else
        beginTask(h);
}

void MemoryDrill::beginTask(Hand h)
{
    labelModel().setVisible(taskLabel(h), true);
    labelModel().setText(statusLabel(h), Memorize);
    m_phase[index(h)] = Phase::Show;
    stopTimer(h);
    chooseTask(h, pickColumn());
    // The link still stands on the first row, so the new task's first note shows.
    showNote(h);
}

void MemoryDrill::showEnd(Hand h)
{
    DrillCore::showEnd(h);
    labelModel().setText(statusLabel(h), EndOfExercise);
    m_phase[index(h)] = Phase::Finished;
}

void MemoryDrill::writeSummary()
{
    log().WriteLogEntry(ResultsLog::summary(settings().PlayerName, QStringLiteral("Memory test"),
                                            settings().SequenceCountLeft,
                                            QStringLiteral("memory tasks"), TotalScore()));
}

void MemoryDrill::setNotesPerTask(int notes)
{
    const Table *table = tableFor(notes);
    if (!table)
        return;
    const QString chosen[2] = {m_links[0].column(), m_links[1].column()};
    m_notes = table->notes;
    m_taskColumnCount = table->columns;
    if (openTable(QString::fromLatin1(table->name))) {
        for (Hand h : {Hand::Left, Hand::Right}) {
            if (phase(h) == Phase::Idle || chosen[index(h)].isEmpty())
                continue;
            // The hand keeps its column if the new table has it.
            chooseTask(h, static_cast<qint16>(chosen[index(h)].toInt()));
            // A finished hand shows no note until the next Start.
            if (phase(h) != Phase::Finished)
                showRow(h);
        }
    }
    emit changed();
}
