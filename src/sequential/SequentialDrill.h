// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/DrillCore.h"
#include "sequential/DataLink.h"

// The sequential exercises: each hand walks through its column of the exercise tables
// (Levavezbe for the left hand, Desnavezbe for the right), one step per key, starting
// again at the top after each pass. A hand ends when it has completed the chosen number
// of passes; every pass writes a line to the results log, and the end of both hands
// writes the closing lines once.
class SequentialDrill : public DrillCore {
    Q_OBJECT
public:
    static constexpr const char *EndMessage = QT_TRANSLATE_NOOP("Labels", "End of exercise");

    explicit SequentialDrill(DrillPorts ports, QObject *parent = nullptr);

    // Form_Load: the database both links read, the sequence counts from the
    // number-of-sequences box, and the name of the exercise shown at first.
    void Form_Load(const QString &databasePath, const QString &sequenceCountText,
                   const QString &exerciseName);
    // The chooser's OK: the name shows at once, the exercise changes at the next Start.
    void setExerciseName(const QString &name);

    void mnuStart_Click() override;
    void seqleva() { nextTask(Hand::Left); }
    void seqdesna() { nextTask(Hand::Right); }

    qint16 LeftSequencesDone() const { return hand(Hand::Left).count; }
    qint16 RightSequencesDone() const { return hand(Hand::Right).count; }
    // Whether the hands are running: a Start has found the exercise readable.
    bool isRunning() const { return m_running; }
    bool closingWritten() const { return summaryWritten(); }
    // Why the last Start could not begin the exercise; empty when it did.
    QString startFailure() const { return m_startFailure; }

    DataLink &Data1() { return m_links[0]; }
    DataLink &Data2() { return m_links[1]; }
    const DataLink &link(Hand h) const { return m_links[index(h)]; }

    static Label endLabel(Hand h) { return h == Hand::Left ? Label::Label9 : Label::Label11; }

protected:
    ExerciseKind kind() const override { return ExerciseKind::Sequential; }
    QVariantMap parameters() const override;
    // Until a Start has found the exercise there is no sequence to step through.
    bool acceptsStrikes(Hand) const override { return m_running; }
    void nextTask(Hand h) override;
    bool scoringAllowed(Hand h) const override;
    void showEnd(Hand h) override;
    void writeSummary() override;

private:
    DataLink &linkOf(Hand h) { return m_links[index(h)]; }
    qint16 sequenceCount(Hand h) const;
    // Opens the link if need be and chooses the column; the reason when it cannot.
    QString prepareLink(Hand h, const QString &column);

    DataLink m_links[2];
    bool m_running = false;
    QString m_startFailure;
};
