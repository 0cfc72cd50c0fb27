// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/CountDialog.h"

#include "settings/NumberParser.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CountDialog::CountDialog(const Spec &spec, std::function<void(qint16)> onAccepted, QWidget *parent)
    : OkCancelDialog(spec.caption, parent), m_onAccepted(std::move(onAccepted))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_label = new QLabel(spec.prompt, this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    // No completion from the list: a typed "1" must stay 1, not become "10".
    m_combo->setCompleter(nullptr);
    m_combo->addItems(spec.list);
    m_combo->setEditText(spec.initialText);
    m_combo->lineEdit()->selectAll();
    // Typing replaces the proposed count at once.
    m_combo->setFocus();
    setTabOrder(m_combo, OKButton());
    setTabOrder(OKButton(), CancelButton());
    content()->addWidget(m_label);
    content()->addWidget(m_combo);
    content()->addStretch();
    setMinimumWidth(420);
}

QStringList CountDialog::steps(int from, int to, int step)
{
    QStringList list;
    for (int n = from; n <= to; n += step)
        list << QString::number(n);
    return list;
}

void CountDialog::OKButton_Click()
{
    const auto count = NumberParser::toInt16(m_combo->currentText());
    if (!count) {
        // A count beyond 16 bits would overflow the drill's counters.
        QApplication::beep();
        m_combo->setFocus();
        m_combo->lineEdit()->selectAll();
        return;
    }
    if (m_onAccepted)
        m_onAccepted(*count);
    accept();
}
