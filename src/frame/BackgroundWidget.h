// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// The client area of a window: a picture drawn at its own size from the top left corner
// on a plain background. The picture is rendered once, for the screen's pixel ratio.
class BackgroundWidget : public QWidget {
    Q_OBJECT
public:
    BackgroundWidget(const QString &picture, const QColor &base, QWidget *parent = nullptr);

    QString picture() const { return m_picture; }
    void setPicture(const QString &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
    QColor m_base;
    QPixmap m_cache;
};
