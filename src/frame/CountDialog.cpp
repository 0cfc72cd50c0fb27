// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/CountDialog.h"

#include "settings/NumberParser.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CountDialog::CountDialog(const Spec &spec, std::function<void(qint16)> onAccepted, QWidget *parent)
    : QDialog(parent), m_onAccepted(std::move(onAccepted))
{
    setWindowTitle(spec.caption);
    setAttribute(Qt::WA_DeleteOnClose);

    m_label = new QLabel(spec.prompt, this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->addItems(spec.list);
    m_combo->setEditText(spec.initialText);
    m_combo->lineEdit()->selectAll();

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &CountDialog::OKButton_Click);
    connect(cancel, &QPushButton::clicked, this, &CountDialog::CancelButton_Click);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto *fields = new QVBoxLayout;
    fields->addWidget(m_label);
    fields->addWidget(m_combo);
    fields->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setMinimumWidth(420);
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
