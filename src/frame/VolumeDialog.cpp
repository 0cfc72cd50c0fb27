// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/VolumeDialog.h"

#include "settings/ComfortSettings.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>

VolumeDialog::VolumeDialog(ComfortSettings &comfort, std::function<void()> keep, QWidget *parent)
    : OkCancelDialog(tr("Sound volume"), parent), m_comfort(comfort), m_keep(std::move(keep)),
      m_volumeBefore(comfort.volume()), m_mutedBefore(comfort.muted())
{
    setObjectName(QStringLiteral("frmVolume"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *row = new QHBoxLayout;
    auto *caption = new QLabel(tr("&Volume:"), this);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sldVolume"));
    m_slider->setRange(0, ComfortSettings::MaxVolume);
    m_slider->setPageStep(10);
    m_slider->setValue(comfort.volume());
    m_slider->setMinimumWidth(200);
    // The style draws no focus on a slider; a frame in the highlight colour shows it.
    m_slider->setStyleSheet(
        QStringLiteral("QSlider { border: 1px solid transparent; }"
                       "QSlider:focus { border: 1px dotted palette(highlight); }"));
    caption->setBuddy(m_slider);
    m_value = new QLabel(this);
    m_value->setObjectName(QStringLiteral("lblVolume"));
    m_value->setMinimumWidth(48);
    row->addWidget(caption);
    row->addWidget(m_slider, 1);
    row->addWidget(m_value);
    content()->addLayout(row);

    m_mute = new QCheckBox(tr("&Mute all sounds"), this);
    m_mute->setObjectName(QStringLiteral("chkMute"));
    m_mute->setChecked(comfort.muted());
    content()->addWidget(m_mute);

    connect(m_slider, &QSlider::valueChanged, this, [this](int volume) {
        m_comfort.setVolume(volume);
        showVolume();
    });
    connect(m_mute, &QCheckBox::toggled, this, [this](bool muted) {
        m_comfort.setMuted(muted);
        showVolume();
    });
    showVolume();
    m_slider->setFocus();
}

void VolumeDialog::showVolume()
{
    m_value->setText(tr("%1 %").arg(m_comfort.volume()));
    m_slider->setEnabled(!m_comfort.muted());
}

void VolumeDialog::OKButton_Click()
{
    if (m_keep)
        m_keep();
    accept();
}

void VolumeDialog::reject()
{
    m_comfort.setVolume(m_volumeBefore);
    m_comfort.setMuted(m_mutedBefore);
    OkCancelDialog::reject();
}
