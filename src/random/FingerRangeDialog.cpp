// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/FingerRangeDialog.h"

#include "settings/PracticeSettings.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QShowEvent>

QList<FingerRangeDialog::Range> FingerRangeDialog::ranges()
{
    auto r = [](const char *caption, const char *count, const char *lowest) {
        return Range{QString::fromLatin1(caption), QString::fromLatin1(count),
                     QString::fromLatin1(lowest)};
    };
    return {r("1,2,3,4,5", "5", "1"), r("1,2,3,4", "4", "1"), r("2,3,4,5", "4", "2"),
            r("1,2,3", "3", "1"),     r("2,3,4", "3", "2"),   r("3,4,5", "3", "3"),
            r("1,2", "2", "1"),       r("2,3", "2", "2"),     r("3,4", "2", "3"),
            r("4,5", "2", "4")};
}

FingerRangeDialog::FingerRangeDialog(Hand hand, PracticeSettings &settings, QWidget *parent)
    : OkCancelDialog(hand == Hand::Left ? tr("Left hand finger combinations")
                                        : tr("Right hand finger combinations"),
                     parent),
      m_hand(hand), m_settings(settings)
{
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(18);
    auto *group = new QButtonGroup(this);
    const QList<Range> all = ranges();
    for (int i = 0; i < all.size(); ++i) {
        auto *option = new QRadioButton(all[i].caption, frame);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        group->addButton(option, i);
        m_options << option;
    }
    // Each option spans two grid rows, so every column sits centred on the one before:
    // four two-finger ranges, three three-finger, two four-finger, then the full range.
    const int columns[4][4] = {{6, 7, 8, 9}, {3, 4, 5, -1}, {1, 2, -1, -1}, {0, -1, -1, -1}};
    const int firstRow[4] = {0, 1, 2, 3};
    for (int c = 0; c < 4; ++c) {
        for (int k = 0; k < 4 && columns[c][k] >= 0; ++k)
            grid->addWidget(m_options[columns[c][k]], firstRow[c] + 2 * k, c, 2, 1);
    }
    m_options[0]->setChecked(true);
    content()->addWidget(frame);
}

void FingerRangeDialog::showEvent(QShowEvent *event)
{
    OkCancelDialog::showEvent(event);
    // The arrow keys start from the range chosen last.
    for (QRadioButton *option : std::as_const(m_options)) {
        if (option->isChecked())
            option->setFocus();
    }
}

void FingerRangeDialog::OKButton_Click()
{
    const QList<Range> all = ranges();
    for (int i = 0; i < m_options.size(); ++i) {
        if (!m_options[i]->isChecked())
            continue;
        if (m_hand == Hand::Left) {
            m_settings.LeftFingerMax = all[i].count;
            m_settings.LeftFingerMin = all[i].lowest;
        } else {
            m_settings.RightFingerMax = all[i].count;
            m_settings.RightFingerMin = all[i].lowest;
        }
        break;
    }
    accept();
}

void FingerRangeDialog::CancelButton_Click()
{
    reject();
}
