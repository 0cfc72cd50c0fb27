// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSyncSound.h"

#include "ports/HandPlayer.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace {

void repaintWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            w->repaint();
    }
}

} // namespace

QtSyncSound::QtSyncSound(HandPlayer &output, QObject *parent) : QObject(parent), m_output(output) {}

void QtSyncSound::prepare(const QString &path)
{
    m_output.prepare(path);
}

void QtSyncSound::playSync(const QString &path)
{
    const std::optional<int> length = m_output.lengthMs(path);
    if (!length) {
        QApplication::beep();
        return;
    }
    repaintWindows();
    m_hold.hold();
    // The samples go to the output at once, so the sound starts now and the hold ends
    // with its last sample.
    m_output.play(path);
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    end.start(*length);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_hold.release();
}
