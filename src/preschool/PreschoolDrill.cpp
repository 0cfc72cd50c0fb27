// SPDX-License-Identifier: GPL-3.0-or-later
#include "preschool/PreschoolDrill.h"

#include "ports/HandPlayer.h"
#include "ports/Ticker.h"
#include "preschool/AnimalTable.h"

PreschoolDrill::PreschoolDrill(DrillPorts ports, RandomSource &random, PreschoolPorts players,
                               ProgramFolder folder, QObject *parent)
    : RandomDrill(ports, random, parent), m_players(players), m_folder(std::move(folder))
{
    for (Hand h : {Hand::Left, Hand::Right}) {
        Ticker &delay = feedbackTicker(h);
        delay.setInterval(FeedbackDelayMs);
        delay.stop();
        delay.setCallback([this, h] {
            dispatchHeld([this, h] {
                // Stopped or restarted while a sound held the drill: not this delay's end.
                if (!feedbackTicker(h).isActive())
                    return;
                feedbackTick(h);
                emit changed();
            });
        });
    }
}

PreschoolDrill::~PreschoolDrill()
{
    m_players.TimerLevaSvirka.setCallback({});
    m_players.TimerDesnaSvirka.setCallback({});
}

void PreschoolDrill::Form_Load(const QString &taskCountText)
{
    RandomDrill::Form_Load(taskCountText, m_folder.filePath(QStringLiteral("sounds/XYL.WAV")));
    // Decoding happens here, once, and never on a key.
    for (Hand h : {Hand::Left, Hand::Right}) {
        for (int finger = AnimalTable::FirstFinger; finger <= AnimalTable::LastFinger; ++finger)
            player(h).prepare(soundFile(AnimalTable::animalSound(h, finger)));
        player(h).prepare(soundFile(AnimalTable::yesSound(h)));
        player(h).prepare(soundFile(AnimalTable::noSound(h)));
    }
}

HandPlayer &PreschoolDrill::player(Hand h) const
{
    return h == Hand::Left ? m_players.MediaPlayer1 : m_players.MediaPlayer2;
}

Ticker &PreschoolDrill::feedbackTicker(Hand h) const
{
    return h == Hand::Left ? m_players.TimerLevaSvirka : m_players.TimerDesnaSvirka;
}

bool PreschoolDrill::feedbackPending(Hand h) const
{
    return feedbackTicker(h).isActive();
}

QString PreschoolDrill::soundFile(const QString &relative)
{
    auto it = m_files.constFind(relative);
    if (it == m_files.constEnd())
        it = m_files.insert(relative, m_folder.filePath(relative));
    return *it;
}

void PreschoolDrill::scoreStrike(Hand h, bool right)
{
    // A task scores once: during the delay it has been answered already, and an ended
    // hand has no task left to win.
    if (right && !hasEnded(h) && !feedbackPending(h)) {
        guarded([&] { score(h); });
        feedbackTicker(h).start();
    }
}

void PreschoolDrill::afterStrike(Hand h, bool right)
{
    player(h).play(soundFile(right ? AnimalTable::yesSound(h) : AnimalTable::noSound(h)));
}

void PreschoolDrill::mnuStart_Click()
{
    // A delay still pending from the last exercise would give a task this one never
    // counted.
    for (Hand h : {Hand::Left, Hand::Right})
        feedbackTicker(h).stop();
    RandomDrill::mnuStart_Click();
}

void PreschoolDrill::nextTask(Hand h)
{
    if (hand(h).count != taskCount(h)) {
        giveTask(h);
        playAnimal(h);
        m_picture[index(h)] = AnimalTable::picture(hand(h).task.toInt());
        return;
    }
    endHand(h);
}

void PreschoolDrill::showEnd(Hand h)
{
    m_picture[index(h)] = AnimalTable::EmptyPicture;
    RandomDrill::showEnd(h);
}

void PreschoolDrill::playAnimal(Hand h)
{
    const QString relative = AnimalTable::animalSound(h, hand(h).task.toInt());
    if (!relative.isEmpty())
        player(h).play(soundFile(relative));
}

void PreschoolDrill::feedbackTick(Hand h)
{
    // Stopped first: the end of a hand holds the drill for its sound, and a second tick
    // must not slip in meanwhile.
    feedbackTicker(h).stop();
    guarded([&] { nextTask(h); });
}
