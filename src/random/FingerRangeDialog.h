// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/OkCancelDialog.h"
#include "ports/FingerStrike.h"

#include <QList>

class QRadioButton;
struct PracticeSettings;

// Chooses the fingers a hand's random tasks are drawn from (frmLkomb for the left hand,
// frmDkomb for the right). The ten ranges stand as a pyramid: two-finger ranges on the
// left, the full range on the right. The dialog is only hidden when it closes, so it
// shows the last selection again, even one clicked before Cancel.
class FingerRangeDialog : public OkCancelDialog {
    Q_OBJECT
public:
    struct Range {
        QString caption;
        QString count;  // number of fingers
        QString lowest; // lowest finger
    };
    // Option1 .. Option10.
    static QList<Range> ranges();

    FingerRangeDialog(Hand hand, PracticeSettings &settings, QWidget *parent = nullptr);

    QRadioButton *option(int index) const { return m_options.value(index); }
    void OKButton_Click() override;
    void CancelButton_Click() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Hand m_hand;
    PracticeSettings &m_settings;
    QList<QRadioButton *> m_options;
};
