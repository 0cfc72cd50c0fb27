// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Forms;
class QLineEdit;
class QPushButton;

// The name prompt: the first window of the program, and User > New of every exercise
// window. It is only hidden by OK and keeps the typed name for its next showing.
class frmLog : public QDialog {
    Q_OBJECT
public:
    // The name the registry knows the prompt by.
    static QString name() { return QStringLiteral("frmLog"); }

    explicit frmLog(Forms &forms, QWidget *parent = nullptr);

    QLineEdit *Text1() const { return m_text; }
    void OKButton_Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void reject() override;

private:
    Forms &m_forms;
    QLineEdit *m_text = nullptr;
};
