// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/BackgroundWidget.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

BackgroundWidget::BackgroundWidget(const QString &picture, const QColor &base,
                                   const QSize &designed, QWidget *parent)
    : QWidget(parent), m_picture(picture), m_base(base), m_designed(designed)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(designed);
}

void BackgroundWidget::setWords(const QList<std::pair<QString, QString>> &words)
{
    m_words = words;
    m_cache = QPixmap();
    update();
}

QByteArray BackgroundWidget::pictureBytes() const
{
    QFile file(m_picture);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    // Whole texts only: the text between a tag's end and the next tag's start.
    for (const auto &[shown, said] : m_words)
        bytes.replace('>' + shown.toUtf8() + '<', '>' + said.toHtmlEscaped().toUtf8() + '<');
    return bytes;
}

void BackgroundWidget::setPicture(const QString &picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    m_cache = QPixmap();
    update();
}

qreal BackgroundWidget::scale() const
{
    if (m_designed.isEmpty())
        return 1.0;
    return std::min(qreal(width()) / m_designed.width(), qreal(height()) / m_designed.height());
}

QRect BackgroundWidget::toWidget(const QRectF &designed) const
{
    const qreal s = scale();
    const QPointF origin((width() - m_designed.width() * s) / 2,
                         (height() - m_designed.height() * s) / 2);
    // Edges rounded one by one, so neighbours that touch when designed still touch.
    const int left = qRound(origin.x() + designed.left() * s);
    const int top = qRound(origin.y() + designed.top() * s);
    const int right = qRound(origin.x() + (designed.left() + designed.width()) * s);
    const int bottom = qRound(origin.y() + (designed.top() + designed.height()) * s);
    return QRect(left, top, right - left, bottom - top);
}

void BackgroundWidget::place(QWidget *child, const QRect &designed)
{
    for (Placed &placed : m_placed) {
        if (placed.widget == child) {
            placed.geometry = designed;
            layOut(placed);
            return;
        }
    }
    m_placed.append(Placed{child, designed, child->font()});
    layOut(m_placed.last());
}

void BackgroundWidget::setDesignedFont(QWidget *child, const QFont &font)
{
    for (Placed &placed : m_placed) {
        if (placed.widget == child) {
            placed.font = font;
            layOut(placed);
        }
    }
}

void BackgroundWidget::layOut(const Placed &placed) const
{
    if (!placed.widget)
        return;
    placed.widget->setGeometry(toWidget(placed.geometry));
    QFont font = placed.font;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(placed.font.pointSizeF() * scale());
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(placed.font.pixelSize() * scale())));
    placed.widget->setFont(font);
}

void BackgroundWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_placed.removeIf([](const Placed &placed) { return placed.widget.isNull(); });
    for (const Placed &placed : std::as_const(m_placed))
        layOut(placed);
    m_cache = QPixmap();
}

void BackgroundWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (m_cache.isNull() || !qFuzzyCompare(m_cache.devicePixelRatio(), ratio) ||
        m_cache.width() < qRound(width() * ratio) || m_cache.height() < qRound(height() * ratio)) {
        // Opaque, on the base colour: every repaint is then a plain copy, not a blend.
        m_cache = QPixmap(size() * ratio);
        m_cache.setDevicePixelRatio(ratio);
        m_cache.fill(m_base);
        QSvgRenderer renderer(m_words.isEmpty() ? QByteArray() : pictureBytes());
        if (m_words.isEmpty())
            renderer.load(m_picture);
        if (renderer.isValid()) {
            // The picture starts at the designed area's corner, at its own size times the
            // scale, and ends at its own edges, whatever its drawing reaches past them. A
            // missing picture leaves the plain background.
            QPainter svgPainter(&m_cache);
            const QSizeF own = QSizeF(renderer.defaultSize()) * scale();
            const QRect area = toWidget(QRectF(QPointF(0, 0), QSizeF(m_designed)));
            const QRectF bounds(area.topLeft(), own);
            svgPainter.setClipRect(bounds);
            renderer.render(&svgPainter, bounds);
        }
    }
    painter.drawPixmap(0, 0, m_cache);
}
