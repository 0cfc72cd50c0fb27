// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptive/WeaknessBars.h"

#include "frame/Palette.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

WeaknessBars::WeaknessBars(bool leftHand, QWidget *parent) : QWidget(parent), m_left(leftHand)
{
    // The mouse reaches the bars for their tool tip; a click does nothing here.
    setFocusPolicy(Qt::NoFocus);
}

void WeaknessBars::setValues(const std::array<std::optional<double>, 5> &values, double full)
{
    if (values == m_values && full == m_full)
        return;
    m_values = values;
    m_full = full > 0 ? full : 1;
    update();
}

bool WeaknessBars::event(QEvent *event)
{
    // The figures are put in words only when the player asks, not on every strike.
    if (event->type() == QEvent::ToolTip) {
        QStringList tip;
        for (int f = 1; f <= 5; ++f) {
            const auto &v = m_values[f - 1];
            tip << (v ? tr("%1: %2 ms").arg(f).arg(qRound(*v)) : tr("%1: not measured yet").arg(f));
        }
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           tr("How weak each finger is (what a strike costs on average)") + u'\n' +
                               tip.join(u'\n'),
                           this);
        return true;
    }
    return QWidget::event(event);
}

void WeaknessBars::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double caption = 16;
    const double slot = area.width() / 5;
    const double barWidth = slot * 0.62;
    const double bottom = area.bottom() - caption;
    const double height = bottom - area.top();
    QFont font = p.font();
    font.setPointSizeF(8.5);
    font.setBold(true);
    p.setFont(font);
    for (int i = 0; i < 5; ++i) {
        const int finger = m_left ? 5 - i : i + 1;
        const double x = area.left() + slot * i + (slot - barWidth) / 2;
        const QRectF frame(x, area.top(), barWidth, height);
        const QColor colour = Palette::finger(finger);
        p.setPen(QPen(colour.darker(120), 1));
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawRoundedRect(frame, 2, 2);
        if (const auto &v = m_values[finger - 1]) {
            const double share = std::clamp(*v / m_full, 0.04, 1.0);
            const QRectF bar(x, bottom - height * share, barWidth, height * share);
            p.setBrush(colour);
            p.drawRoundedRect(bar, 2, 2);
        }
        p.setPen(colour.darker(130));
        p.drawText(QRectF(area.left() + slot * i, bottom, slot, caption), Qt::AlignCenter,
                   QString::number(finger));
    }
}
