// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/LevelDialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

QList<LevelDialog::Level> LevelDialog::levels()
{
    return {{tr("Absolute beginner"), 3000},
            {tr("Beginner"), 2000},
            {tr("Intermediate"), 1000},
            {tr("Advanced"), 700},
            {tr("Pro"), 400}};
}

LevelDialog::LevelDialog(const QString &caption, std::function<void(int)> onAccepted,
                         QWidget *parent)
    : OkCancelDialog(caption, parent), m_onAccepted(std::move(onAccepted))
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *column = new QVBoxLayout(frame);
    auto *group = new QButtonGroup(this);
    const QList<Level> all = levels();
    for (int i = 0; i < all.size(); ++i) {
        auto *option = new QRadioButton(all[i].caption, frame);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        group->addButton(option, i);
        column->addWidget(option);
        m_options << option;
    }
    m_options[InitialLevel]->setChecked(true);
    m_options[InitialLevel]->setFocus();
    content()->addWidget(frame);
    setMinimumWidth(320);
}

void LevelDialog::OKButton_Click()
{
    const QList<Level> all = levels();
    for (int i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked()) {
            if (m_onAccepted)
                m_onAccepted(all[i].periodMs);
            break;
        }
    }
    accept();
}
