// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/RandomDrill.h"

#include "ports/RandomSource.h"
#include "ports/SyncSound.h"
#include "ports/Ticker.h"
#include "settings/Int16.h"
#include "settings/NumberParser.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

#include <cmath>

RandomDrill::RandomDrill(DrillPorts ports, RandomSource &random, QObject *parent)
    : DrillCore(ports, parent), m_random(random)
{
    labelModel().define(QStringLiteral("Label7"), QStringLiteral("Random test"));
}

void RandomDrill::Form_Load(const QString &taskCountText, const QString &soundPath)
{
    PracticeSettings &s = settings();
    const qint16 count = NumberParser::toInt16(taskCountText).value_or(0);
    s.TaskCountLeft = count;
    s.TaskCountRight = count;
    s.LeftFingerMax = QStringLiteral("5");
    s.LeftFingerMin = QStringLiteral("1");
    s.RightFingerMax = QStringLiteral("5");
    s.RightFingerMin = QStringLiteral("1");
    s.SoundPath = soundPath;
    sound().prepare(soundPath);
}

void RandomDrill::mnuStart_Click()
{
    resetScores();
    m_summaryWritten = false;
    playSoundPath();
    guarded([&] { zadajlevu(); });
    guarded([&] { zadajdesnu(); });
    emit changed();
}

qint16 RandomDrill::taskCount(Hand h) const
{
    return h == Hand::Left ? settings().TaskCountLeft : settings().TaskCountRight;
}

bool RandomDrill::scoringAllowed(Hand h) const
{
    return hand(h).count != taskCount(h);
}

void RandomDrill::nextTask(Hand h)
{
    if (hand(h).count != taskCount(h))
        giveTask(h);
    else
        endHand(h);
}

QString RandomDrill::drawFinger(Hand h)
{
    const PracticeSettings &s = settings();
    const QString &maxText = h == Hand::Left ? s.LeftFingerMax : s.RightFingerMax;
    const QString &minText = h == Hand::Left ? s.LeftFingerMin : s.RightFingerMin;
    const double count = NumberParser::leadingValue(maxText);
    const double lowest = NumberParser::leadingValue(minText);
    const QString shown = labels().text(taskLabel(h));

    // A redraw that repeats the shown task is drawn again. The source is seeded once
    // from the system, so redraws are independent and the loop ends; the bound only
    // guards against a range of a single finger.
    QString finger;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const float r = m_random.nextSingle();
        finger = QString::number(static_cast<int>(std::floor(r * count + lowest)));
        if (finger != shown)
            break;
    }
    return finger;
}

void RandomDrill::giveTask(Hand h)
{
    HandState &state = handState(h);
    state.task = drawFinger(h);
    labelModel().setText(taskLabel(h), state.task);
    state.ticks = 0;
    ticker(h).start();
    state.count = Int16::add(state.count, 1);
}

void RandomDrill::endHand(Hand h)
{
    labelModel().setText(taskLabel(h), QString());
    playSoundPath();
    writeSummaryOnce();
}

void RandomDrill::writeSummaryOnce()
{
    if (m_summaryWritten)
        return;
    if (!labels().text(taskLabel(Hand::Left)).isEmpty() ||
        !labels().text(taskLabel(Hand::Right)).isEmpty())
        return;
    m_summaryWritten = true;
    log().WriteLogEntry(ResultsLog::summary(settings().PlayerName, QStringLiteral("Random"),
                                            settings().TaskCountLeft, QStringLiteral("tasks"),
                                            TotalScore()));
}
