// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/DrillCore.h"
#include "sequential/DataLink.h"

class RandomSource;

// The memory test: each hand is shown a short finger sequence note by note (its keys
// step through it without scoring), then the sequence is hidden and must be played back
// from memory, scoring as the drill scores. Tasks are columns of a memory table of the
// exercise database, one table per number of notes; every task after the first of the
// program is picked at random. The hands are independent: each has its own link into
// the table, its own phase, timer, score and count.
class MemoryDrill : public DrillCore {
    Q_OBJECT
public:
    enum class Phase { Idle, Show, Recall, Finished };

    // The memory tables: notes per task, table name, number of task columns.
    struct Table {
        int notes;
        const char *name;
        qint16 columns;
    };
    static constexpr Table Tables[] = {{3, "mem3", 59}, {4, "mem4", 80}, {5, "mem5", 58}};
    static constexpr int InitialNotes = 5;

    static inline const QString Memorize = QStringLiteral(QT_TRANSLATE_NOOP("Labels", "MEMORIZE"));
    static inline const QString Repeat = QStringLiteral(QT_TRANSLATE_NOOP("Labels", "REPEAT"));
    static inline const QString EndOfExercise = QStringLiteral("End of exercise");

    MemoryDrill(DrillPorts ports, RandomSource &random, QObject *parent = nullptr);

    // Form_Load: both links on the database's five-note table, the task counts from the
    // count dialog's initial text, and the start and end sound. A database that cannot
    // be read leaves both hands idle, and databaseError() says why.
    void Form_Load(const QString &databasePath, const QString &taskCountText,
                   const QString &soundPath);

    void mnuStart_Click() override;
    void seqleva() { nextTask(Hand::Left); }
    void seqdesna() { nextTask(Hand::Right); }

    // Notes per task: both links switch to the table, back on its first row. A hand keeps
    // its column when the table has it and takes a fresh pick otherwise; the phases, the
    // scores and the expected notes stay as they are.
    void setNotesPerTask(int notes);
    void mnu3_Click() { setNotesPerTask(3); }
    void mnu4_Click() { setNotesPerTask(4); }
    void mnu5_Click() { setNotesPerTask(5); }
    int notesPerTask() const { return m_notes; }
    qint16 TaskColumnCount() const { return m_taskColumnCount; }

    qint16 LeftTasksDone() const { return hand(Hand::Left).count; }
    qint16 RightTasksDone() const { return hand(Hand::Right).count; }
    Phase phase(Hand h) const { return m_phase[index(h)]; }
    const DataLink &link(Hand h) const { return m_links[index(h)]; }
    // Why the exercise database cannot be used; empty while it can.
    QString databaseError() const { return m_error; }

    // Status label of a hand: Label9 / Label11.
    static Label statusLabel(Hand h) { return h == Hand::Left ? Label::Label9 : Label::Label11; }

protected:
    ExerciseKind kind() const override { return ExerciseKind::Memory; }
    QVariantMap parameters() const override;
    bool acceptsStrikes(Hand h) const override;
    // seqleva / seqdesna: steps the hand's sequence and moves it through its phases.
    void nextTask(Hand h) override;
    // Only a hidden note, and one that still has a text, is scored.
    bool scoringAllowed(Hand h) const override;
    void showEnd(Hand h) override;
    void writeSummary() override;

private:
    DataLink &linkOf(Hand h) { return m_links[index(h)]; }
    qint16 sequenceCount(Hand h) const;
    qint16 &memoryPick(Hand h);
    // The note label follows its link's row and column, once a column is chosen.
    void showRow(Hand h);
    // The note as the hand's task: one to memorize while it is shown.
    void showNote(Hand h);
    // Chooses the column of the hand's task; a column the table lacks is replaced by a
    // fresh pick, so a missing column is never shown.
    void chooseTask(Hand h, qint16 column);
    // A column number drawn uniformly from the task columns the table has; -1 when it
    // has none.
    qint16 pickColumn();
    void beginTask(Hand h);
    // Opens both links on the table; on failure both hands go idle.
    bool openTable(const QString &table);
    void goIdle();

    RandomSource &m_random;
    DataLink m_links[2];
    Phase m_phase[2] = {Phase::Idle, Phase::Idle};
    int m_notes = InitialNotes;
    qint16 m_taskColumnCount = 0;
    // The task columns the open table really has, in column order.
    QList<qint16> m_taskColumns;
    QString m_error;
};
