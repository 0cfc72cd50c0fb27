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
    labelModel().define(QStringLiteral("Label9"), QString());
    labelModel().define(QStringLiteral("Label11"), QString());
    labelModel().define(QStringLiteral("Label7"), QStringLiteral("Sequential    exercise :"));
    labelModel().define(QStringLiteral("lblImeVezbe"), QString());
    m_links[0].setRecordSource(QStringLiteral("Levavezbe"));
    m_links[1].setRecordSource(QStringLiteral("Desnavezbe"));
}

QString SequentialDrill::endLabel(Hand h)
{
    return h == Hand::Left ? QStringLiteral("Label9") : QStringLiteral("Label11");
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
    labelModel().setText(QStringLiteral("lblImeVezbe"), name);
    emit changed();
}

qint16 SequentialDrill::sequenceCount(Hand h) const
{
    return h == Hand::Left ? settings().SequenceCountLeft : settings().SequenceCountRight;
}

void SequentialDrill::showCurrent(Hand h)
{
    labelModel().setText(taskLabel(h), link(h).currentValue());
}

QString SequentialDrill::prepareLink(Hand h, const QString &column)
{
    DataLink &data = linkOf(h);
    // A database that was missing at load may have been put back since.
    if (!data.isOpen() && !data.Refresh())
        return data.error();
    if (data.rowCount() == 0) {
        return QStringLiteral("the table %1 of the exercise database %2 has no rows")
            .arg(data.recordSource(), data.databaseName());
    }
    if (!data.chooseColumn(column)) {
        return QStringLiteral("the table %1 of the exercise database %2 has no column \"%3\"")
            .arg(data.recordSource(), data.databaseName(), column);
    }
    return QString();
}

void SequentialDrill::mnuStart_Click()
{
    labelModel().setText(QStringLiteral("Label9"), QString());
    labelModel().setText(QStringLiteral("Label11"), QString());

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
            ticker(h).stop();
        }
        m_startFailure = QStringLiteral("The exercise cannot start: %1.").arg(m_startFailure);
        emit changed();
        emit startFailed(m_startFailure);
        return;
    }

    resetScores();
    handState(Hand::Left).ticks = 0;
    handState(Hand::Right).ticks = 0;
    m_closingWritten = false;
    playSoundPath();
    for (Hand h : {Hand::Left, Hand::Right}) {
        linkOf(h).MoveFirst();
        showCurrent(h);
    }
    ticker(Hand::Left).start();
    ticker(Hand::Right).start();
    for (Hand h : {Hand::Left, Hand::Right})
        handState(h).task = labels().text(taskLabel(h));
    m_running = true;
    emit changed();
}

void SequentialDrill::keyUp(FingerKey key)
{
    // Until a Start has found the exercise there is no sequence to step through.
    if (!m_running)
        return;
    DrillCore::keyUp(key);
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
    if (state.count == sequenceCount(h) || !labels().text(endLabel(h)).isEmpty()) {
        endHand(h);
        return;
    }
    DataLink &data = linkOf(h);
    data.MoveNext();
    showCurrent(h);
    state.ticks = 0;
    ticker(h).start();
    state.task = labels().text(taskLabel(h));
    if (data.EOF_() || state.task == QLatin1String("0")) {
        data.MoveFirst();
        showCurrent(h);
        state.task = labels().text(taskLabel(h));
        const qint16 pass = Int16::add(state.count, 1);
        const QString hand = h == Hand::Left ? QStringLiteral("left") : QStringLiteral("right");
        log().WriteLogLine(QStringLiteral("%1 hand sequence%2 %3 points")
                               .arg(hand, QString::number(pass), labels().text(scoreLabel(h))));
        state.count = pass;
    }
}

void SequentialDrill::endHand(Hand h)
{
    labelModel().setText(taskLabel(h), QString());
    labelModel().setText(endLabel(h), QString::fromUtf16(EndMessage));
    playSoundPath();
    writeClosingOnce();
}

void SequentialDrill::writeClosingOnce()
{
    if (m_closingWritten)
        return;
    const QString end = QString::fromUtf16(EndMessage);
    for (Hand h : {Hand::Left, Hand::Right}) {
        if (labels().text(endLabel(h)) != end || !labels().text(taskLabel(h)).isEmpty())
            return;
    }
    m_closingWritten = true;
    log().WriteLogLine(QStringLiteral("+ last task points diference"));
    log().WriteLogEntry(ResultsLog::summary(settings().PlayerName, QStringLiteral("Sequential"),
                                            settings().SequenceCountLeft,
                                            QStringLiteral("sequences"), TotalScore()));
}
