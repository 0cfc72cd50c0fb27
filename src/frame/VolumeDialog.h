// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/OkCancelDialog.h"

#include <functional>

class ComfortSettings;
class QCheckBox;
class QLabel;
class QSlider;

// Options > Sound volume: a slider from silent to as recorded and a mute box for every
// sound of the program. The players follow while the slider moves, so the next answer
// is heard at the new volume; OK keeps it for the next run, Cancel goes back.
class VolumeDialog : public OkCancelDialog {
    Q_OBJECT
public:
    VolumeDialog(ComfortSettings &comfort, std::function<void()> keep, QWidget *parent = nullptr);

    QSlider *slider() const { return m_slider; }
    QCheckBox *muteBox() const { return m_mute; }

    void OKButton_Click() override;
    // Cancel, Escape and the close box: the volume as it was.
    void reject() override;

private:
    void showVolume();

    ComfortSettings &m_comfort;
    std::function<void()> m_keep;
    int m_volumeBefore;
    bool m_mutedBefore;
    QSlider *m_slider = nullptr;
    QLabel *m_value = nullptr;
    QCheckBox *m_mute = nullptr;
};
