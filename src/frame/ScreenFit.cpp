// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void ScreenFit::fit(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen || window->isFullScreen() || window->isMaximized())
        return;
    const QRect area = screen->availableGeometry();
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    // The frame a window manager adds around the window, where it has been seen already.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize room = area.size() - frame;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
    const QSize outer = window->size() + frame;
    QPoint at = window->pos();
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    if (at != window->pos())
        window->move(at);
}
