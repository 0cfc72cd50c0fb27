// SPDX-License-Identifier: GPL-3.0-or-later
#include "preschool/AnimalPicture.h"

#include <QPainter>
#include <QPainterPath>

AnimalPicture::AnimalPicture(const QColor &accent, QWidget *parent)
    : QWidget(parent), m_accent(accent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AnimalPicture::setPicture(const QPixmap &picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void AnimalPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(2, 2, -2, -2);
    QPainterPath outline;
    outline.addRoundedRect(card, 22, 22);
    painter.fillPath(outline, QColor(255, 255, 255, 215));
    painter.setPen(QPen(m_accent, 4));
    painter.drawPath(outline);
    if (m_picture.isNull())
        return;
    const QSizeF size = m_picture.deviceIndependentSize();
    const QPointF corner((width() - size.width()) / 2, (height() - size.height()) / 2);
    painter.setClipPath(outline);
    painter.drawPixmap(corner, m_picture);
}
