// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/OkCancelDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

OkCancelDialog::OkCancelDialog(const QString &caption, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(caption);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(m_ok, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { CancelButton_Click(); });

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    m_content = new QVBoxLayout;
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(m_content, 1);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}
