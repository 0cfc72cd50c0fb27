// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A hand's picture area: a soft card with the picture drawn at its own size in the
// middle, never stretched. An empty area shows the card alone.
class AnimalPicture : public QWidget {
    Q_OBJECT
public:
    AnimalPicture(const QColor &accent, QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_accent;
    QPixmap m_picture;
};
