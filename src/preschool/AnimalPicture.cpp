// SPDX-License-Identifier: GPL-3.0-or-later
#include "preschool/AnimalPicture.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

AnimalPicture::AnimalPicture(const QColor &accent, int designedSide, QWidget *parent)
    : QWidget(parent), m_accent(accent), m_designedSide(designedSide)
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

QPixmap AnimalPicture::renderCard() const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap card(size() * ratio);
    card.setDevicePixelRatio(ratio);
    card.fill(Qt::transparent);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal scale = qreal(std::min(width(), height())) / m_designedSide;
    const QRectF frame = QRectF(rect()).adjusted(2 * scale, 2 * scale, -2 * scale, -2 * scale);
    QPainterPath outline;
    outline.addRoundedRect(frame, 22 * scale, 22 * scale);
    painter.fillPath(outline, QColor(255, 255, 255, 215));
    painter.setPen(QPen(m_accent, 4 * scale));
    painter.drawPath(outline);
    if (!m_picture.isNull()) {
        const QSizeF picture = m_picture.deviceIndependentSize() * scale;
        const QPointF corner((width() - picture.width()) / 2, (height() - picture.height()) / 2);
        painter.setClipPath(outline);
        painter.drawPixmap(QRectF(corner, picture), m_picture, QRectF(m_picture.rect()));
    }
    return card;
}

void AnimalPicture::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    auto it = m_cards.find(m_picture.cacheKey());
    if (it != m_cards.end() && (it->size() != size() * ratio || it->devicePixelRatio() != ratio)) {
        // Resized or moved to a screen of another pixel ratio: every kept card is stale.
        m_cards.clear();
        it = m_cards.end();
    }
    if (it == m_cards.end()) {
        // The window hands over the same few pictures every time; should a caller hand
        // over new ones, the kept cards stay few.
        if (m_cards.size() >= 16)
            m_cards.clear();
        it = m_cards.insert(m_picture.cacheKey(), renderCard());
    }
    QPainter(this).drawPixmap(0, 0, *it);
}
