// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/DrillCore.h"

#include "ports/SyncSound.h"
#include "ports/Ticker.h"
#include "settings/Int16.h"
#include "settings/PracticeSettings.h"

namespace {
QString idleText(Hand h)
{
    return h == Hand::Left ? QStringLiteral("L") : QStringLiteral("R");
}
} // namespace

DrillCore::DrillCore(DrillPorts ports, QObject *parent) : QObject(parent), m_ports(ports)
{
    m_labels.define(taskLabel(Hand::Left), idleText(Hand::Left));
    m_labels.define(taskLabel(Hand::Right), idleText(Hand::Right));
    m_labels.define(QStringLiteral("lbllRezultat"), QStringLiteral("0"));
    m_labels.define(QStringLiteral("lbldRezultat"), QStringLiteral("0"));
    m_labels.define(QStringLiteral("lblRezultat"), QStringLiteral("0"));
    m_labels.define(QStringLiteral("lbllpoeni"), QStringLiteral("5"));
    m_labels.define(QStringLiteral("lbldpoeni"), QStringLiteral("5"));

    m_ports.leftTicker.setInterval(1000);
    m_ports.rightTicker.setInterval(1000);
    m_ports.leftTicker.setCallback([this] {
        Timer1_Timer();
        emit changed();
    });
    m_ports.rightTicker.setCallback([this] {
        Timer2_Timer();
        emit changed();
    });
}

DrillCore::~DrillCore()
{
    m_ports.leftTicker.setCallback({});
    m_ports.rightTicker.setCallback({});
}

QString DrillCore::taskLabel(Hand h)
{
    return h == Hand::Left ? QStringLiteral("Label1") : QStringLiteral("Label2");
}

QString DrillCore::scoreLabel(Hand h)
{
    return h == Hand::Left ? QStringLiteral("lbllRezultat") : QStringLiteral("lbldRezultat");
}

QString DrillCore::pointsLabel(Hand h)
{
    return h == Hand::Left ? QStringLiteral("lbllpoeni") : QStringLiteral("lbldpoeni");
}

void DrillCore::keyUp(FingerKey key)
{
    guarded([&] {
        if (taskIs(key.hand, key.finger))
            score(key.hand);
    });
    guarded([&] { nextTask(key.hand); });
    emit changed();
}

void DrillCore::mnuReset_Click()
{
    m_labels.setText(QStringLiteral("lblRezultat"), QStringLiteral("0"));
    m_labels.setText(QStringLiteral("lbllRezultat"), QStringLiteral("0"));
    m_labels.setText(QStringLiteral("lbldRezultat"), QStringLiteral("0"));
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
    HandState &state = handState(h);
    state.score = Int16::add(state.score, 5 - state.ticks);
    m_labels.setText(scoreLabel(h), QString::number(state.score));
    m_total = Int16::add(m_hands[1].score, m_hands[0].score);
    m_labels.setText(QStringLiteral("lblRezultat"), QString::number(m_total));
}

void DrillCore::tick(Hand h)
{
    guarded([&] {
        HandState &state = handState(h);
        state.ticks = Int16::add(state.ticks, 1);
        m_labels.setText(pointsLabel(h), QString::number(5 - state.ticks));
        if (state.ticks == 5)
            ticker(h).stop();
    });
}

void DrillCore::resetScores()
{
    for (HandState &state : m_hands) {
        state.count = 0;
        state.score = 0;
    }
    m_total = 0;
}

void DrillCore::reportFailedStep(const char *what)
{
    qWarning("moravel: a drill step failed and was skipped: %s", what);
}

void DrillCore::showIdle(Hand h)
{
    m_labels.setText(taskLabel(h), idleText(h));
}

void DrillCore::playSoundPath()
{
    emit changed();
    m_ports.sound.playSync(m_ports.settings.SoundPath);
}
