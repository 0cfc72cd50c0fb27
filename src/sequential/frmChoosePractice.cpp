// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequential/frmChoosePractice.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QListWidget>

frmChoosePractice::frmChoosePractice(const QStringList &entries,
                                     std::function<void(int, const QString &)> onChosen,
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
    m_list->addItems(entries);
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
