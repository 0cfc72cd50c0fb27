// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/OkCancelDialog.h"

#include <QStringList>

#include <functional>

class QListWidget;

// Chooses one of the twenty exercises. An entry shows the exercise's name and its left-
// and right-hand fingers; its position in the list is the exercise's column in the
// exercise tables. The dialog is discarded when it closes and opens again with no entry
// selected.
class frmChoosePractice : public OkCancelDialog {
    Q_OBJECT
public:
    // The entries in list order (entry k is column "k" of the exercise tables: the
    // figures' entries); onChosen gets the selected position and its entry text.
    frmChoosePractice(const QStringList &entries,
                      std::function<void(int index, const QString &text)> onChosen,
                      QWidget *parent = nullptr);

    QListWidget *List1() const { return m_list; }
    // Selects an entry, as the sequential window's load does with the first one.
    void select(int index);

    // With no entry selected, OK changes nothing: there is no exercise to store.
    void OKButton_Click() override;

private:
    std::function<void(int, const QString &)> m_onChosen;
    QListWidget *m_list = nullptr;
};
