// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSyncSound.h"

#include "platform/DrillHold.h"
#include "platform/WavInfo.h"

#include <QApplication>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

bool haveAudioOutput()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void repaintWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            w->repaint();
    }
}

} // namespace

QtSyncSound::QtSyncSound(QObject *parent) : QObject(parent) {}

QtSyncSound::~QtSyncSound() = default;

QSoundEffect *QtSyncSound::effectFor(const QString &path)
{
    auto it = m_effects.find(path);
    if (it != m_effects.end())
        return *it;
    auto *effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
    m_effects.insert(path, effect);
    return effect;
}

void QtSyncSound::prepare(const QString &path)
{
    if (haveAudioOutput() && QFileInfo::exists(path))
        effectFor(path);
}

void QtSyncSound::playSync(const QString &path)
{
    const std::optional<int> length = WavInfo::durationMs(path);
    if (!length || !haveAudioOutput()) {
        QApplication::beep();
        return;
    }

    repaintWindows();
    DrillHold::hold();
    QSoundEffect *effect = effectFor(path);
    QEventLoop loop;
    // Loading is asynchronous the first time; the length bound covers it as well.
    const int bound = *length + 1500;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(bound);

    auto begin = [&] {
        if (effect->status() == QSoundEffect::Ready)
            effect->play();
    };
    const auto statusConnection = connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect->status() == QSoundEffect::Error)
            loop.quit();
        else
            begin();
    });
    const auto playingConnection = connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect->isPlaying())
            loop.quit();
    });
    bool failed = effect->status() == QSoundEffect::Error;
    if (!failed) {
        begin();
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        failed = effect->status() == QSoundEffect::Error;
    }
    disconnect(statusConnection);
    disconnect(playingConnection);
    effect->stop();
    if (failed) {
        // A file that cannot be decoded: drop it so that a repaired file is reloaded.
        m_effects.remove(path);
        effect->deleteLater();
        QApplication::beep();
    }
    DrillHold::release();
}
