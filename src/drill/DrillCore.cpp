// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/DrillCore.h"

#include "drill/DrillHold.h"
#include "drill/ExerciseKind.h"
#include "ports/Clock.h"
#include "ports/PracticeObserver.h"
#include "ports/SyncSound.h"
#include "ports/Ticker.h"
#include "settings/PracticeSettings.h"

#include <chrono>

DrillCore::DrillCore(DrillPorts ports, QObject *parent)
    : QObject(parent), m_ports(ports), m_hold(ports.sound.hold())
{
    for (Label label : {Label::Label1, Label::Label2, Label::lbllRezultat, Label::lbldRezultat,
                        Label::lblRezultat, Label::lbllpoeni, Label::lbldpoeni})
        m_labels.define(label);

    for (Hand h : {Hand::Left, Hand::Right}) {
        ticker(h).setInterval(1000);
        ticker(h).setCallback([this, h] { onTimer(h); });
    }
}

DrillCore::~DrillCore()
{
    if (running())
        abandon(QStringLiteral("closed"));
    m_ports.leftTicker.setCallback({});
    m_ports.rightTicker.setCallback({});
    m_hold.forget(this);
}

void DrillCore::reportFailedStep(const char *what)
{
    qWarning("moravel: a drill step failed and was skipped: %s", what);
}

qint64 DrillCore::nowNs() const
{
    if (m_ports.clock)
        return m_ports.clock->monotonicNs();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void DrillCore::report(PracticeEvent event) const
{
    if (!m_ports.observer)
        return;
    if (event.timeNs == 0)
        event.timeNs = nowNs();
    event.exercise = m_exercise;
    m_ports.observer->practiceEvent(event);
}

void DrillCore::abandon(const QString &reason)
{
    PracticeEvent event;
    event.type = PracticeEvent::Type::ExerciseAbandoned;
    event.reason = reason;
    report(event);
    m_started = false;
}

void DrillCore::keyUp(const FingerStrike &strike)
{
    // While a sound holds the drill the strike waits its turn, keys and MIDI alike.
    const bool arrivedHeld = m_hold.isHeld();
    m_hold.dispatch(this, [this, strike, arrivedHeld] { handleStrike(strike, arrivedHeld); });
}

void DrillCore::handleStrike(const FingerStrike &strike, bool arrivedHeld)
{
    const Hand h = strike.hand;
    if (!inPlay(h) || !acceptsStrikes(h))
        return;
    const qint64 at = strike.timeNs >= 0 ? strike.timeNs : nowNs();
    // An ended hand answers a key with its end tune again, but a finger mashing on or a
    // stuck MIDI controller must not pile tunes up: what was struck before the hand's last
    // tune ended, or came while a sound played, is dropped.
    if (m_ended[index(h)] && (arrivedHeld || at < m_tuneEndedNs[index(h)]))
        return;
    if (running() && !m_ended[index(h)]) {
        std::optional<Verdict> verdict;
        guarded([&] { verdict = judgeStrike(strike, at); });
        if (verdict) {
            reportVerdict(strike, *verdict);
            emit changed();
            return;
        }
    }
    const Shown &shown = m_shown[index(h)];
    // Only a strike that answers a task is one: keys of an ended hand, or before its first
    // task, are not practice.
    const bool answersTask = running() && !m_ended[index(h)] && shown.number > 0;
    const bool right = taskIs(h, strike.finger);
    const qint16 ticks = hand(h).ticks;
    const qint16 before = hand(h).score;
    guarded([&] { scoreStrike(h, right); });

    if (answersTask) {
        PracticeEvent event;
        event.type = PracticeEvent::Type::Strike;
        event.timeNs = at;
        event.hand = h;
        event.task = shown.number;
        event.struck = strike.finger;
        event.expected = shown.expected;
        event.memorize = shown.memorize;
        event.right = right;
        event.anticipated = at < shown.atNs;
        if (!event.anticipated)
            event.reactionMs = double(at - shown.atNs) / 1e6;
        event.ticks = ticks;
        event.points = hand(h).score - before;
        event.device = strike.device;
        event.code = strike.code;
        event.velocity = strike.velocity;
        report(event);
        guarded([&] { strikeMeasured(event); });
    }

    guarded([&] { afterStrike(h, right); });
    emit changed();
}

void DrillCore::reportVerdict(const FingerStrike &strike, const Verdict &verdict)
{
    const Hand h = strike.hand;
    if (verdict.task <= 0)
        return; // an extra strike: the drill keeps it, no task hears of it
    guarded([&] { addPoints(h, verdict.points); });
    PracticeEvent event;
    event.type = PracticeEvent::Type::Strike;
    event.timeNs = verdict.atNs;
    event.hand = h;
    event.task = verdict.task;
    event.struck = strike.finger;
    event.expected = verdict.expected;
    event.right = verdict.right;
    event.points = verdict.points;
    event.deviationMs = verdict.deviationMs;
    event.dueNs = verdict.dueNs;
    event.silent = verdict.silent;
    event.device = strike.device;
    event.code = strike.code;
    event.velocity = strike.velocity;
    report(event);
    guarded([&] { strikeMeasured(event); });
}

void DrillCore::addPoints(Hand h, qint16 points)
{
    HandState &state = handState(h);
    state.score = Int16::add(state.score, points);
    m_labels.setText(scoreLabel(h), QString::number(state.score));
    m_total = Int16::add(m_hands[1].score, m_hands[0].score);
    m_labels.setText(Label::lblRezultat, QString::number(m_total));
}

void DrillCore::scoreStrike(Hand h, bool right)
{
    if (right)
        score(h);
}

void DrillCore::afterStrike(Hand h, bool)
{
    nextTask(h);
}

void DrillCore::showEnd(Hand h)
{
    m_labels.setText(taskLabel(h), QString());
}

void DrillCore::mnuReset_Click()
{
    m_labels.setText(Label::lblRezultat, QStringLiteral("0"));
    m_labels.setText(Label::lbllRezultat, QStringLiteral("0"));
    m_labels.setText(Label::lbldRezultat, QStringLiteral("0"));
    emit changed();
}

bool DrillCore::taskIs(Hand h, int finger) const
{
    bool ok = false;
    const int value = hand(h).task.toInt(&ok);
    return ok && value == finger;
}

void DrillCore::score(Hand h)
{
    if (!scoringAllowed(h))
        return;
    addPoints(h, qint16(5 - handState(h).ticks));
}

void DrillCore::tick(Hand h)
{
    guarded([&] {
        HandState &state = handState(h);
        state.ticks = Int16::add(state.ticks, 1);
        m_labels.setText(pointsLabel(h), QString::number(5 - state.ticks));
        if (state.ticks == 5)
            stopTimer(h);
    });
}

void DrillCore::onTimer(Hand h)
{
    const quint64 run = m_timerRuns[index(h)];
    m_hold.dispatch(this, [this, h, run] {
        // A tick kept through a sound belongs to the period it fell in.
        if (run != m_timerRuns[index(h)] || !ticker(h).isActive())
            return;
        tick(h);
        emit changed();
    });
}

void DrillCore::startTimer(Hand h)
{
    ++m_timerRuns[index(h)];
    ticker(h).start();
}

void DrillCore::stopTimer(Hand h)
{
    ++m_timerRuns[index(h)];
    ticker(h).stop();
}

void DrillCore::dispatchHeld(std::function<void()> step)
{
    m_hold.dispatch(this, std::move(step));
}

bool DrillCore::inPlay(Hand h) const
{
    return m_handsPlaying == Hands::Both ||
           (m_handsPlaying == Hands::LeftOnly) == (h == Hand::Left);
}

void DrillCore::setHands(Hands hands)
{
    m_handsChosen = hands;
    if (running())
        return;
    m_handsPlaying = hands;
    showHandsInPlay();
    // A hand that plays again shows that it waits for Start.
    for (Hand h : {Hand::Left, Hand::Right}) {
        if (inPlay(h) && m_labels.text(taskLabel(h)).isEmpty())
            showIdle(h);
    }
    emit changed();
}

void DrillCore::showHandsInPlay()
{
    for (Hand h : {Hand::Left, Hand::Right}) {
        if (!inPlay(h))
            m_labels.setText(taskLabel(h), QString());
    }
}

void DrillCore::beginExercise()
{
    if (running())
        abandon(QStringLiteral("restarted"));
    m_handsPlaying = m_handsChosen;
    showHandsInPlay();
    static quint64 exercises = 0;
    m_exercise = ++exercises;
    m_started = true;
    m_finished = false;
    for (int i = 0; i < 2; ++i) {
        // A hand that does not play has ended before it began.
        m_ended[i] = !inPlay(i == 0 ? Hand::Left : Hand::Right);
        m_shown[i] = Shown{};
        m_hands[i].count = 0;
        m_hands[i].score = 0;
    }
    m_total = 0;

    PracticeEvent event;
    event.type = PracticeEvent::Type::ExerciseStarted;
    event.kind = ExerciseKinds::id(kind());
    event.parameters = parameters();
    event.player = settings().PlayerName;
    event.wallClock = m_ports.clock ? m_ports.clock->now() : QDateTime::currentDateTime();
    report(event);
}

void DrillCore::setTask(Hand h, const QString &task, bool memorize, std::optional<GridNote> onGrid)
{
    handState(h).task = task;
    m_labels.setText(taskLabel(h), task);
    // A hand with a task has not ended, whatever it had before (the random drill goes on
    // when its count is raised after the end).
    m_ended[index(h)] = false;
    Shown &shown = m_shown[index(h)];
    bool isNumber = false;
    const int finger = task.toInt(&isNumber);
    ++shown.number;
    shown.expected = isNumber && finger >= 1 && finger <= 5 ? finger : 0;
    shown.memorize = memorize;
    shown.atNs = nowNs();
    if (!running())
        return;
    PracticeEvent event;
    event.type = PracticeEvent::Type::TaskShown;
    event.timeNs = shown.atNs;
    event.hand = h;
    event.task = shown.number;
    event.expected = shown.expected;
    event.memorize = memorize;
    if (onGrid) {
        event.dueNs = onGrid->dueNs;
        event.silent = onGrid->silent;
    }
    report(event);
}

void DrillCore::endHand(Hand h)
{
    showEnd(h);
    playSoundPath([this, h] { handEnded(h); });
}

void DrillCore::endBothHands()
{
    for (Hand h : BothHands)
        showEnd(h);
    playSoundPath([this] {
        for (Hand h : BothHands)
            handEnded(h);
    });
}

void DrillCore::handEnded(Hand h)
{
    m_tuneEndedNs[index(h)] = nowNs();
    if (!m_ended[index(h)]) {
        m_ended[index(h)] = true;
        if (running()) {
            PracticeEvent event;
            event.type = PracticeEvent::Type::HandEnded;
            event.hand = h;
            event.score = hand(h).score;
            event.tasks = m_shown[index(h)].number;
            report(event);
        }
    }
    if (m_finished || !m_ended[0] || !m_ended[1])
        return;
    const bool wasRunning = running();
    m_finished = true;
    writeSummary();
    if (wasRunning) {
        PracticeEvent event;
        event.type = PracticeEvent::Type::ExerciseFinished;
        event.leftScore = m_hands[0].score;
        event.rightScore = m_hands[1].score;
        event.totalScore = m_total;
        guarded([&] { event.parameters = outcome(); });
        report(event);
    }
    emit changed();
}

void DrillCore::showIdle(Hand h)
{
    m_labels.setText(taskLabel(h), Labels::firstText(taskLabel(h)));
}

void DrillCore::playSoundPath(std::function<void()> then)
{
    emit changed();
    // Held by the core as well while the sound starts, so that what follows the sound is
    // kept ahead of whatever arrives while it plays, even from a sound that ends at once.
    m_hold.hold();
    m_ports.sound.playSync(m_ports.settings.SoundPath);
    if (then)
        m_hold.dispatchFirst(this, [then = std::move(then)] { guarded(then); });
    m_hold.release();
}
