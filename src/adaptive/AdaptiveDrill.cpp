// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptive/AdaptiveDrill.h"

#include "ports/HandNames.h"
#include "ports/SyncSound.h"
#include "ports/Ticker.h"
#include "settings/Int16.h"
#include "settings/PracticeSettings.h"
#include "settings/ResultsLog.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("AdaptiveDrill", source);
}

const char *const PlacementText = QT_TRANSLATE_NOOP(
    "AdaptiveDrill", "First a few tasks for every finger, to see where each one stands.");
const char *const BreakText =
    QT_TRANSLATE_NOOP("AdaptiveDrill", "A quarter of an hour of practice: time for a short break.");

QString handsName(DrillCore::Hands hands)
{
    switch (hands) {
    case DrillCore::Hands::LeftOnly:
        return QStringLiteral("left");
    case DrillCore::Hands::RightOnly:
        return QStringLiteral("right");
    case DrillCore::Hands::Both:
        break;
    }
    return QStringLiteral("both");
}

} // namespace

AdaptiveDrill::AdaptiveDrill(DrillPorts ports, RandomSource &random,
                             std::function<WeaknessModel(const QString &)> history, QObject *parent)
    : DrillCore(ports, parent), m_random(random), m_history(std::move(history))
{
    for (Label label : {Label::Label7Adaptive, Label::lblLeftPace, Label::lblRightPace,
                        Label::lblAdaptiveMessage})
        labelModel().define(label);
    for (Hand h : {Hand::Left, Hand::Right})
        showPace(h);
}

void AdaptiveDrill::Form_Load(const QString &soundPath)
{
    settings().SoundPath = soundPath;
    sound().prepare(soundPath);
}

void AdaptiveDrill::setTaskCount(qint16 tasks)
{
    m_tasks = tasks;
    m_minutes = 0;
}

void AdaptiveDrill::setMinutes(int minutes)
{
    m_minutes = std::max(minutes, 0);
}

void AdaptiveDrill::setStartIntervalMs(int ms)
{
    m_startMs = std::clamp(ms, AdaptivePace::FastestMs, AdaptivePace::SlowestMs);
    if (summaryWritten() || hand(Hand::Left).task.isEmpty()) {
        for (Hand h : {Hand::Left, Hand::Right}) {
            m_pace[index(h)].reset(m_startMs);
            showPace(h);
        }
        emit changed();
    }
}

QVariantMap AdaptiveDrill::parameters() const
{
    return {{QStringLiteral("tasks"), m_minutes > 0 ? 0 : int(m_tasks)},
            {QStringLiteral("minutes"), m_minutes},
            {QStringLiteral("hands"), handsName(hands())},
            {QStringLiteral("interval_left_ms"), m_pace[0].intervalMs()},
            {QStringLiteral("interval_right_ms"), m_pace[1].intervalMs()}};
}

void AdaptiveDrill::mnuStart_Click()
{
    const qint64 now = nowNs();
    if (m_history)
        m_model = m_history(settings().PlayerName);
    m_before = m_model;
    if (m_lastActivityNs < 0 || now - m_lastActivityNs > PauseNs) {
        m_stretchStartNs = now;
        m_breakSuggested = false;
    }
    m_lastActivityNs = now;
    for (Hand h : {Hand::Left, Hand::Right}) {
        m_chooser[index(h)].reset();
        m_pace[index(h)].reset(m_startMs);
        m_previous[index(h)] = m_current[index(h)] = 0;
        ticker(h).setInterval(m_pace[index(h)].intervalMs());
    }
    beginExercise();
    // The hands chosen during the last exercise play from now on.
    for (Hand h : {Hand::Left, Hand::Right})
        showPace(h);
    m_placementShown = placing();
    labelModel().setText(Label::lblAdaptiveMessage,
                         m_placementShown ? text(PlacementText) : QString());
    m_startNs = nowNs();
    playSoundPath([this] {
        guarded([&] { nextTask(Hand::Left); });
        guarded([&] { nextTask(Hand::Right); });
        emit changed();
    });
}

bool AdaptiveDrill::timeIsUp() const
{
    return nowNs() - m_startNs >= qint64(m_minutes) * 60 * 1'000'000'000;
}

void AdaptiveDrill::nextTask(Hand h)
{
    if (!inPlay(h))
        return;
    if (m_minutes > 0 ? timeIsUp() : hand(h).count >= m_tasks) {
        endHand(h);
        return;
    }
    const int finger = m_chooser[index(h)].choose(m_model, h, m_random);
    m_previous[index(h)] = m_current[index(h)];
    m_current[index(h)] = finger;
    setTask(h, QString::number(finger));
    HandState &state = handState(h);
    state.ticks = 0;
    startTimer(h);
    state.count = Int16::add(state.count, 1);
}

bool AdaptiveDrill::scoringAllowed(Hand h) const
{
    return !hand(h).task.isEmpty() && !hasEnded(h);
}

void AdaptiveDrill::strikeMeasured(const PracticeEvent &event)
{
    const int hi = index(event.hand);
    m_model.observe(event.hand, m_previous[hi], event.expected, event.right,
                    event.anticipated ? std::nullopt : event.reactionMs);
    const bool quick = event.right && !event.anticipated && event.ticks == 0;
    if (m_pace[hi].taskDone(quick)) {
        ticker(event.hand).setInterval(m_pace[hi].intervalMs());
        showPace(event.hand);
    }
    m_lastActivityNs = event.timeNs;
    if (!m_breakSuggested && event.timeNs - m_stretchStartNs >= BreakAfterNs) {
        m_breakSuggested = true;
        m_placementShown = false;
        labelModel().setText(Label::lblAdaptiveMessage, text(BreakText));
    } else if (m_placementShown && !placing()) {
        m_placementShown = false;
        labelModel().setText(Label::lblAdaptiveMessage, QString());
    }
}

bool AdaptiveDrill::placing() const
{
    for (Hand h : {Hand::Left, Hand::Right}) {
        int total = 0;
        bool few = false;
        for (int f = 1; f <= 5; ++f) {
            total += m_model.strikes(h, f);
            few = few || m_model.strikes(h, f) < WeaknessModel::PlacementStrikes;
        }
        if (inPlay(h) && few && total < 5 * WeaknessModel::PlacementStrikes)
            return true;
    }
    return false;
}

void AdaptiveDrill::showPace(Hand h)
{
    labelModel().setText(
        h == Hand::Left ? Label::lblLeftPace : Label::lblRightPace,
        inPlay(h) ? text(QT_TRANSLATE_NOOP("AdaptiveDrill", "pace %1 s"))
                        .arg(QLocale().toString(m_pace[index(h)].intervalMs() / 1000.0, 'f', 2))
                  : QString());
}

QString AdaptiveDrill::whatChanged() const
{
    QString text = endMessage(m_before, m_model, inPlay(Hand::Left), inPlay(Hand::Right));
    if (m_breakSuggested)
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + ::text(BreakText);
    return text;
}

QString AdaptiveDrill::endMessage(const WeaknessModel &before, const WeaknessModel &now, bool left,
                                  bool right)
{
    struct Pick {
        Hand hand = Hand::Left;
        int finger = 0;
        double value = 0;
        int fasterMs = 0;
        bool fewerWrong = false;
    };
    Pick improved, weakest;
    for (Hand h : {Hand::Left, Hand::Right}) {
        if (!(h == Hand::Left ? left : right))
            continue;
        for (int f = 1; f <= 5; ++f) {
            const auto weakness = now.weakness(h, f);
            if (!weakness)
                continue;
            if (*weakness > weakest.value)
                weakest = {h, f, *weakness};
            // The weakness counts a wrong strike as a slow one, so its drop is no speed:
            // it only picks the finger, and what changed is said in the two measures.
            const auto was = before.weakness(h, f);
            if (!was || *was - *weakness <= improved.value)
                continue;
            const auto wasMs = before.smoothedTimeMs(h, f);
            const auto nowMs = now.smoothedTimeMs(h, f);
            const int faster = wasMs && nowMs ? qRound(*wasMs - *nowMs) : 0;
            const bool fewerWrong = now.errorRate(h, f) < before.errorRate(h, f) - 0.005;
            if (faster >= 1 || fewerWrong)
                improved = {h, f, *was - *weakness, faster, fewerWrong};
        }
    }
    const auto name = [](const Pick &p) {
        return (p.hand == Hand::Left ? ::text(QT_TRANSLATE_NOOP("AdaptiveDrill", "the left %1"))
                                     : ::text(QT_TRANSLATE_NOOP("AdaptiveDrill", "the right %1")))
            .arg(HandNames::finger(p.finger));
    };
    QStringList lines;
    if (improved.finger && improved.fasterMs >= 1) {
        lines << ::text(
                     improved.fewerWrong
                         ? QT_TRANSLATE_NOOP("AdaptiveDrill",
                                             "Most improved: %1, %2 ms faster on right "
                                             "strikes and fewer wrong strikes.")
                         : QT_TRANSLATE_NOOP("AdaptiveDrill",
                                             "Most improved: %1, %2 ms faster on right strikes."))
                     .arg(name(improved))
                     .arg(improved.fasterMs);
    } else if (improved.finger) {
        lines << ::text(
                     QT_TRANSLATE_NOOP("AdaptiveDrill", "Most improved: %1, fewer wrong strikes."))
                     .arg(name(improved));
    }
    if (weakest.finger)
        lines << ::text(QT_TRANSLATE_NOOP("AdaptiveDrill", "Weakest now: %1.")).arg(name(weakest));
    return lines.join(u' ');
}

void AdaptiveDrill::writeSummary()
{
    const qint16 count =
        m_minutes > 0 ? std::max(hand(Hand::Left).count, hand(Hand::Right).count) : m_tasks;
    log().WriteLogEntry(ResultsLog::summary(settings().PlayerName, QStringLiteral("Adaptive"),
                                            count, QStringLiteral("tasks"), TotalScore()));
    m_lastActivityNs = nowNs();
    m_placementShown = false;
    labelModel().setText(Label::lblAdaptiveMessage, whatChanged());
}
