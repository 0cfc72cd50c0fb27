// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/LabelModel.h"

void LabelModel::define(const QString &name, const QString &initialText, bool visible)
{
    if (!m_labels.contains(name))
        m_order.append(name);
    m_labels.insert(name, Label{initialText, visible});
}

QString LabelModel::text(const QString &name) const
{
    return m_labels.value(name).text;
}

void LabelModel::setText(const QString &name, const QString &text)
{
    auto it = m_labels.find(name);
    if (it == m_labels.end()) {
        define(name, text);
        return;
    }
    it->text = text;
}

bool LabelModel::isVisible(const QString &name) const
{
    auto it = m_labels.constFind(name);
    return it != m_labels.constEnd() && it->visible;
}

void LabelModel::setVisible(const QString &name, bool visible)
{
    auto it = m_labels.find(name);
    if (it != m_labels.end())
        it->visible = visible;
}
