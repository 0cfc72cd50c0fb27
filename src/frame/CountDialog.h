// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/OkCancelDialog.h"

#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;

// A dialog that asks for a count with an editable list (number of tasks, sequences,
// memory tasks). OK reads the number the text begins with; a number that does not fit
// 16 bits is refused: the dialog stays open with the text selected. The dialog is
// discarded when it closes, so it always opens with its initial text.
class CountDialog : public OkCancelDialog {
    Q_OBJECT
public:
    struct Spec {
        QString caption;
        QString prompt;
        QStringList list;
        QString initialText;
    };

    CountDialog(const Spec &spec, std::function<void(qint16)> onAccepted,
                QWidget *parent = nullptr);

    // The list "from", "from + step", ... up to "to".
    static QStringList steps(int from, int to, int step);

    QComboBox *Combo1() const { return m_combo; }
    void OKButton_Click() override;

private:
    std::function<void(qint16)> m_onAccepted;
    QLabel *m_label = nullptr;
    QComboBox *m_combo = nullptr;
};
