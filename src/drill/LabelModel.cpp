// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/LabelModel.h"

void LabelModel::define(Label label)
{
    Entry &entry = m_labels[label];
    if (!entry.defined)
        m_order.append(label);
    entry = Entry{Labels::firstText(label), true, true};
}

void LabelModel::setText(Label label, const QString &text)
{
    if (!m_labels.value(label).defined)
        define(label);
    m_labels[label].text = text;
}

bool LabelModel::isVisible(Label label) const
{
    const auto entry = m_labels.constFind(label);
    return entry != m_labels.constEnd() && entry->defined && entry->visible;
}

void LabelModel::setVisible(Label label, bool visible)
{
    const auto entry = m_labels.find(label);
    if (entry != m_labels.end() && entry->defined)
        entry->visible = visible;
}
