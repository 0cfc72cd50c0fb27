// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The texts and visibility of a window's labels, held by the window's logic because the
// drill rules read them (a repeated task is detected by comparing with the label's text,
// an ended hand by its empty label). The window only renders them.
class LabelModel {
public:
    void define(const QString &name, const QString &initialText, bool visible = true);

    QString text(const QString &name) const;
    void setText(const QString &name, const QString &text);
    bool isVisible(const QString &name) const;
    void setVisible(const QString &name, bool visible);

    const QStringList &names() const { return m_order; }

private:
    struct Label {
        QString text;
        bool visible = true;
    };
    QHash<QString, Label> m_labels;
    QStringList m_order;
};
