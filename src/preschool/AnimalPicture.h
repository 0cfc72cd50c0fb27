// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QWidget>

// A hand's picture area: a soft card with the picture in the middle, at its own size
// when the area has its designed side and scaled with the area otherwise (the pictures
// carry more pixels than they take at the designed size, so they stay sharp). An empty
// area shows the card alone. Each card is drawn once
// and kept (a few hundred kilobytes for all the animals), so a new task repaints with
// a single copy.
class AnimalPicture : public QWidget {
    Q_OBJECT
public:
    AnimalPicture(const QColor &accent, int designedSide, QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap renderCard() const;

    QColor m_accent;
    int m_designedSide;
    QPixmap m_picture;
    // Finished cards by picture, for the widget's current size and pixel ratio.
    QHash<qint64, QPixmap> m_cards;
};
