// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequential/SequentialDrill.h"

#include "ports/SyncSound.h"
#include "ports/Ticker.h"
#include "settings/Int16.h"
#include "settings/NumberParser.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

SequentialDrill::SequentialDrill(DrillPorts ports, QObject *parent) : DrillCore(ports, parent)
{
    for (Label label : {Label::Label9, Label::Label11, Label::Label7Sequential, Label::lblImeVezbe})
        labelModel().define(label);
    m_links[0].setRecordSource(QStringLiteral("Levavezbe"));
    m_links[1].setRecordSource(QStringLiteral("Desnavezbe"));
}

void SequentialDrill::Form_Load(const QString &databasePath, const QString &sequenceCountText,
                                const QString &exerciseName)
{
    // The tables are read now, so no key ever waits for the database.
    for (DataLink &link : m_links) {
        link.setDatabaseName(databasePath);
        link.Refresh();
    }
    PracticeSettings &s = settings();
    s.SequenceCountLeft = NumberParser::toInt16(sequenceCountText).value_or(0);
    s.SequenceCountRight = NumberParser::toInt16(sequenceCountText).value_or(0);
    setExerciseName(exerciseName);
}

void SequentialDrill::setExerciseName(const QString &name)
{
    labelModel().setText(Label::lblImeVezbe, name);
    emit changed();
}

qint16 SequentialDrill::sequenceCount(Hand h) const
{
    return h == Hand::Left ? settings().SequenceCountLeft : settings().SequenceCountRight;
}

QString SequentialDrill::prepareLink(Hand h, const QString &column)
{
    DataLink &data = linkOf(h);
    // A database that was missing at load may have been put back since.
    if (!data.isOpen() && !data.Refresh())
        return data.error();
    if (data.rowCount() == 0) {
        return tr("the table %1 of the exercise database %2 has no rows")
            .arg(data.recordSource(), data.databaseName());
    }
    if (!data.chooseColumn(column)) {
        return tr("the table %1 of the exercise database %2 has no column \"%3\"")
            .arg(data.recordSource(), data.databaseName(), column);
    }
    return QString();
}

void SequentialDrill::mnuStart_Click()
{
    labelModel().setText(Label::Label9, QString());
    labelModel().setText(Label::Label11, QString());

    const QString column = QString::number(settings().ExerciseIndex);
    m_startFailure = prepareLink(Hand::Left, column);
    if (m_startFailure.isEmpty())
        m_startFailure = prepareLink(Hand::Right, column);
    if (!m_startFailure.isEmpty()) {
        // Neither hand can practise; both stay idle until a Start that can read them.
        m_running = false;
        for (Hand h : {Hand::Left, Hand::Right}) {
            handState(h).task.clear();
            showIdle(h);
            stopTimer(h);
        }
        m_startFailure = tr("The exercise cannot start: %1.").arg(m_startFailure);
        emit changed();
        emit startFailed(m_startFailure);
        return;
    }

    beginExercise();
    handState(Hand::Left).ticks = 0;
    handState(Hand::Right).ticks = 0;
    playSoundPath([this] {
        for (Hand h : {Hand::Left, Hand::Right}) {
            linkOf(h).MoveFirst();
            setTask(h, link(h).currentValue());
        }
        startTimer(Hand::Left);
        startTimer(Hand::Right);
        m_running = true;
        emit changed();
    });
}

QVariantMap SequentialDrill::parameters() const
{
    return {
        {QStringLiteral("exercise"), settings().ExerciseIndex},
        {QStringLiteral("exercise_name"), labels().text(Label::lblImeVezbe).section(u' ', 0, 0)},
        {QStringLiteral("sequences_left"), settings().SequenceCountLeft},
        {QStringLiteral("sequences_right"), settings().SequenceCountRight},
        {QStringLiteral("interval_left_ms"), ticker(Hand::Left).interval()},
        {QStringLiteral("interval_right_ms"), ticker(Hand::Right).interval()}};
}

bool SequentialDrill::scoringAllowed(Hand h) const
{
    // An emptied display marks an ended hand (or a cell without a finger).
    return !labels().text(taskLabel(h)).isEmpty();
}

void SequentialDrill::nextTask(Hand h)
{
    HandState &state = handState(h);
    // An ended hand stays ended until the next Start, even when its count is changed
    // meanwhile: its end message is up and its closing lines may already be written.
    if (state.count == sequenceCount(h) || hasEnded(h)) {
        endHand(h);
        return;
    }
    const bool passDone = linkOf(h).stepWrapping();
    state.ticks = 0;
    startTimer(h);
    setTask(h, link(h).currentValue());
    if (passDone) {
        const qint16 pass = Int16::add(state.count, 1);
        const QString hand = h == Hand::Left ? QStringLiteral("left") : QStringLiteral("right");
        log().WriteLogLine(QStringLiteral("%1 hand sequence%2 %3 points")
                               .arg(hand, QString::number(pass), labels().text(scoreLabel(h))));
        state.count = pass;
    }
}

void SequentialDrill::showEnd(Hand h)
{
    DrillCore::showEnd(h);
    labelModel().setText(endLabel(h), QString::fromLatin1(EndMessage));
}

void SequentialDrill::writeSummary()
{
    log().WriteLogLine(QStringLiteral("+ last task points diference"));
    log().WriteLogEntry(ResultsLog::summary(settings().PlayerName, QStringLiteral("Sequential"),
                                            settings().SequenceCountLeft,
                                            QStringLiteral("sequences"), TotalScore()));
}
