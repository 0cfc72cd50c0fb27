// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/OkCancelDialog.h"

#include <QList>

#include <functional>

class QRadioButton;

// Chooses the pace at which a task loses its points: five levels, each a timer period.
// The dialog is discarded when it closes and always opens at "Intermediate".
class LevelDialog : public OkCancelDialog {
    Q_OBJECT
public:
    struct Level {
        QString caption;
        int periodMs;
    };
    // Absolute beginner 3000 ms, Beginner 2000, Intermediate 1000, Advanced 700, Pro 400.
    static QList<Level> levels();
    static constexpr int InitialLevel = 2;

    LevelDialog(const QString &caption, std::function<void(int periodMs)> onAccepted,
                QWidget *parent = nullptr);

    QRadioButton *option(int index) const { return m_options.value(index); }
    void OKButton_Click() override;

private:
    std::function<void(int)> m_onAccepted;
    QList<QRadioButton *> m_options;
};
