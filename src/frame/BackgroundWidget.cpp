// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/BackgroundWidget.h"

#include <QPainter>
#include <QSvgRenderer>

BackgroundWidget::BackgroundWidget(const QString &picture, const QColor &base, QWidget *parent)
    : QWidget(parent), m_picture(picture), m_base(base)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundWidget::setPicture(const QString &picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    m_cache = QPixmap();
    update();
}

void BackgroundWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (m_cache.isNull() || !qFuzzyCompare(m_cache.devicePixelRatio(), ratio) ||
        m_cache.width() < qRound(width() * ratio) || m_cache.height() < qRound(height() * ratio)) {
        QSvgRenderer renderer(m_picture);
        if (renderer.isValid()) {
            const QSize size = renderer.defaultSize();
            // Opaque, on the base colour: every repaint is then a plain copy, not a blend.
            m_cache = QPixmap(size.expandedTo(this->size()) * ratio);
            m_cache.setDevicePixelRatio(ratio);
            m_cache.fill(m_base);
            QPainter svgPainter(&m_cache);
            // The picture ends at its own edges, whatever its drawing reaches past them.
            const QRectF bounds(QPointF(0, 0), QSizeF(size));
            svgPainter.setClipRect(bounds);
            renderer.render(&svgPainter, bounds);
        } else {
            // A missing picture leaves the plain background.
            m_cache = QPixmap(this->size() * ratio);
            m_cache.setDevicePixelRatio(ratio);
            m_cache.fill(m_base);
        }
    }
    painter.drawPixmap(0, 0, m_cache);
}
