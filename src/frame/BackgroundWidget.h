// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>

// The client area of a window: a picture on a plain background, and the window's controls
// laid out on a designed area of a fixed size. At that size everything stands where it was
// designed; larger or smaller, the designed area is scaled by one factor (the smaller of
// width and height), centred, and every placed control follows with its geometry and its
// font, so the proportions stay and text is drawn at its new size rather than stretched.
// The picture (SVG) is rendered afresh for each size and pixel ratio, so it stays sharp.
class BackgroundWidget : public QWidget {
    Q_OBJECT
public:
    BackgroundWidget(const QString &picture, const QColor &base, const QSize &designed,
                     QWidget *parent = nullptr);

    QString picture() const { return m_picture; }
    void setPicture(const QString &picture);
    // Texts of the picture said in the player's language: each text as the picture writes
    // it, with what to write instead.
    void setWords(const QList<std::pair<QString, QString>> &words);

    QSize designedSize() const { return m_designed; }
    // The factor from the designed area to the widget as it is now.
    qreal scale() const;
    // A rectangle of the designed area, where it is on the widget now.
    QRect toWidget(const QRectF &designed) const;

    // Lays a child out on the designed area; its font as it is now is its designed font.
    void place(QWidget *child, const QRect &designed);
    // Gives a placed child another designed font.
    void setDesignedFont(QWidget *child, const QFont &font);

    QSize sizeHint() const override { return m_designed; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QByteArray pictureBytes() const;

    struct Placed {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
    };
    void layOut(const Placed &placed) const;

    QString m_picture;
    QList<std::pair<QString, QString>> m_words;
    QColor m_base;
    QSize m_designed;
    QList<Placed> m_placed;
    QPixmap m_cache;
};
