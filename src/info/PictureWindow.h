// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// A fixed-size window that shows one layout picture with a caption label under it:
// Form2 (key disposition) and FormDisposition (finger disposition with the animals).
// It has no commands of its own and closes with its close box.
class PictureWindow : public QDialog {
    Q_OBJECT
public:
    struct Look {
        QString caption;
        QString picture;
        QString label;
        int labelPointSize;
        QSize client;
        QColor background;
    };

    static Look form2();
    // The key disposition picture of a computer keyboard layout.
    static QString keysPicture(bool laptop);
    static Look formDisposition();
    // The preschool game's animals on the fingers, joined to the keys of a layout.
    static QString fingersPicture(bool laptop);

    explicit PictureWindow(const Look &look, QWidget *parent = nullptr);

    // Shows the window modally or as an ordinary window. A window that is already open
    // only comes to the front, whatever was asked.
    void present(bool modal);
    // Shows another picture in the same frame (the key layout changed).
    void setPicture(const QString &picture);
};
