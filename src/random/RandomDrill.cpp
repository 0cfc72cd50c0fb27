// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/RandomDrill.h"

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
    labelModel().define(Label::Label7Random);
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
    beginExercise();
    playSoundPath([this] {
        guarded([&] { zadajlevu(); });
        guarded([&] { zadajdesnu(); });
        emit changed();
    });
}

QVariantMap RandomDrill::parameters() const
{
    const PracticeSettings &s = settings();
    const auto range = [](const QString &count, const QString &lowest) {
        return QStringLiteral("%1-%2").arg(lowest).arg(NumberParser::leadingValue(lowest) +
                                                       NumberParser::leadingValue(count) - 1);
    };
    return {{QStringLiteral("tasks_left"), s.TaskCountLeft},
            {QStringLiteral("tasks_right"), s.TaskCountRight},
            {QStringLiteral("fingers_left"), range(s.LeftFingerMax, s.LeftFingerMin)},
            {QStringLiteral("fingers_right"), range(s.RightFingerMax, s.RightFingerMin)},
            {QStringLiteral("interval_left_ms"), ticker(Hand::Left).interval()},
            {QStringLiteral("interval_right_ms"), ticker(Hand::Right).interval()}};
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
    if (!inPlay(h))
        return;
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
    setTask(h, drawFinger(h));
    HandState &state = handState(h);
    state.ticks = 0;
    startTimer(h);
    state.count = Int16::add(state.count, 1);
}

void RandomDrill::writeSummary()
{
    log().WriteLogEntry(ResultsLog::summary(settings().PlayerName, QStringLiteral("Random"),
                                            settings().TaskCountLeft, QStringLiteral("tasks"),
                                            TotalScore()));
}
