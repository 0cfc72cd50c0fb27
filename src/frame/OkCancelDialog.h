// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QBoxLayout;
class QPushButton;

// The frame of the program's option dialogs: content on the left, OK (the default
// button, Enter) and Cancel (Escape) stacked on the right.
class OkCancelDialog : public QDialog {
    Q_OBJECT
public:
    explicit OkCancelDialog(const QString &caption, QWidget *parent = nullptr);

    QPushButton *OKButton() const { return m_ok; }
    QPushButton *CancelButton() const { return m_cancel; }

    virtual void OKButton_Click() = 0;
    virtual void CancelButton_Click() { reject(); }

protected:
    QBoxLayout *content() const { return m_content; }

private:
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QBoxLayout *m_content = nullptr;
};
