// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/LabelModel.h"

void LabelModel::define(Label label)
{
    Entry &entry = m_labels[Labels::index(label)];
    if (!entry.defined)
        m_order.append(label);
    entry = Entry{Labels::firstText(label), true, true};
}

void LabelModel::setText(Label label, const QString &text)
{
    Entry &entry = m_labels[Labels::index(label)];
    if (!entry.defined)
        define(label);
    entry.text = text;
}

bool LabelModel::isVisible(Label label) const
{
    const Entry &entry = m_labels[Labels::index(label)];
    return entry.defined && entry.visible;
}

void LabelModel::setVisible(Label label, bool visible)
{
    Entry &entry = m_labels[Labels::index(label)];
    if (entry.defined)
        entry.visible = visible;
}
