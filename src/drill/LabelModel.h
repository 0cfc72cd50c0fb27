// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/Labels.h"

#include <QHash>
#include <QList>
#include <QString>

// The texts and visibility of a window's labels, held by the window's logic because the
// drill rules read them (a repeated task is detected by comparing with the label's text,
// an ended hand by its empty label). The window only renders them.
class LabelModel {
public:
    // The label starts with its first text, shown.
    void define(Label label);

    QString text(Label label) const { return m_labels.value(label).text; }
    void setText(Label label, const QString &text);
    bool isVisible(Label label) const;
    void setVisible(Label label, bool visible);

    // The labels defined, in order of definition.
    const QList<Label> &labels() const { return m_order; }

private:
    struct Entry {
        QString text;
        bool defined = false;
        bool visible = true;
    };
    QHash<Label, Entry> m_labels;
    QList<Label> m_order;
};
