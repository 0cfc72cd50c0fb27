// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequential/frmChoosePractice.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QListWidget>

QStringList frmChoosePractice::entries()
{
    // Name padded to ten characters, then the left hand's fingers and the right hand's.
    return {
        QStringLiteral("Hanon1    (5,4,3,2,1,2,3,4)     (1,2,3,4,5,4,3,2)"),
        QStringLiteral("Hanon2    (5,3,1,2,3,2,3,4)     (1,2,5,4,3,4,3,2)"),
        QStringLiteral("Hanon3    (5,3,1,2,3,4,3,2)     (1,2,5,4,3,2,3,4)"),
        QStringLiteral("Hanon4    (5,4,5,3,1,2,3,4)     (1,2,1,2,5,4,3,2)"),
        QStringLiteral("Hanon5    (5,1,2,1,3,2,4,3)     (1,5,4,5,3,4,2,3)"),
        QStringLiteral("Hanon6    (5,1,2,1,3,1,4,1)     (1,5,4,5,3,5,2,5)"),
        QStringLiteral("Hanon7    (5,3,4,2,3,1,3,4)     (1,3,2,4,3,5,4,3)"),
        QStringLiteral("Hanon8    (5,4,2,1,3,2,4,3)     (1,2,4,5,3,4,2,3)"),
        QStringLiteral("Hanon9    (5,4,3,4,2,3,1,2)     (1,2,3,2,4,3,5,4)"),
        QStringLiteral("Hanon10   (5,1,2,3,4,3,4,3)     (1,5,4,3,2,3,2,3)"),
        QStringLiteral("Hanon11   (5,3,1,2,1,2,3,2)     (1,2,5,4,5,4,3,4)"),
        QStringLiteral("Hanon12   (1,5,3,4,5,4,3,5)     (5,1,3,2,1,2,3,1)"),
        QStringLiteral("Hanon13   (3,5,2,4,1,3,2,1)     (3,1,4,2,5,3,4,5)"),
        QStringLiteral("Hanon14   (5,4,2,3,2,3,1,3)     (1,2,4,3,4,3,5,4)"),
        QStringLiteral("Hanon15   (5,3,4,2,3,1,2,1)     (1,2,1,3,2,4,3,5)"),
        QStringLiteral("Hanon16   (5,3,4,3,1,2,3,2)     (1,3,2,3,5,4,3,4)"),
        QStringLiteral("Hanon17   (5,4,2,3,1,2,3,2)     (1,2,4,3,5,4,3,4)"),
        QStringLiteral("Hanon18   (5,4,2,3,1,2,4,3)     (1,2,4,3,5,4,2,3)"),
        QStringLiteral("Hanon19   (5,1,3,2,1,3,4,2)     (1,5,3,4,5,3,2,4)"),
        QStringLiteral("Hanon20   (5,4,2,1,2,3,2,4)     (1,2,4,5,4,3,4,2)"),
    };
}

frmChoosePractice::frmChoosePractice(std::function<void(int, const QString &)> onChosen,
                                     QWidget *parent)
    : OkCancelDialog(tr("Choose your exercise"), parent), m_onChosen(std::move(onChosen))
{
    setObjectName(QStringLiteral("frmChoosePractice"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The entries are laid out in columns by their blanks.
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_list->addItems(entries());
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
    m_list->setMinimumSize(m_list->fontMetrics().horizontalAdvance(QString(52, u'M')), 340);
    content()->addWidget(m_list);
}

void frmChoosePractice::select(int index)
{
    m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

void frmChoosePractice::OKButton_Click()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (!selected.isEmpty() && m_onChosen)
        m_onChosen(m_list->row(selected.first()), selected.first()->text());
    accept();
}
