// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/OkCancelDialog.h"
#include "input/KeyMap.h"

#include <functional>

class QRadioButton;

// Options > Keyboard: which keys the fingers play on the computer keyboard. The choice
// counts from the next key and is kept for the next run.
class KeyboardDialog : public OkCancelDialog {
    Q_OBJECT
public:
    // chosen is called with the layout when the player confirms it.
    KeyboardDialog(KeyLayout current, std::function<void(KeyLayout)> chosen,
                   QWidget *parent = nullptr);

    void choose(KeyLayout layout);
    void OKButton_Click() override;

private:
    std::function<void(KeyLayout)> m_chosen;
    QRadioButton *m_keypad = nullptr;
    QRadioButton *m_laptop = nullptr;
};
