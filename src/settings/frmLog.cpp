// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/frmLog.h"

#include "frame/AppContext.h"
#include "frame/Forms.h"
#include "settings/PlayerName.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmLog::frmLog(Forms &forms, QWidget *parent) : QDialog(parent), m_forms(forms)
{
    setWindowTitle(tr("Enter your name to personify result log"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setMinimumWidth(300);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmLog::OKButton_Click);

    auto *row = new QHBoxLayout;
    row->addWidget(m_text, 1);
    row->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel(tr("Your name heads your results in the results log."), this);
    hint->setObjectName(QStringLiteral("hint"));
    layout->addWidget(hint);
    // A screen reader announces the field by what the prompt asks, and what the name is for.
    m_text->setAccessibleName(windowTitle());
    m_text->setAccessibleDescription(hint->text());
    layout->addLayout(row);
    setSizeGripEnabled(false);
}

void frmLog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_text->setFocus();
}

bool frmLog::event(QEvent *event)
{
    // Each time the prompt becomes the active window, typing goes into the name box.
    if (event->type() == QEvent::WindowActivate)
        m_text->setFocus();
    return QDialog::event(event);
}

void frmLog::OKButton_Click()
{
    m_forms.context().settings.PlayerName = PlayerName::fromTyped(m_text->text());
    // Hidden, not closed: the typed name stays for the next showing.
    accept();
    m_forms.show(m_forms.startWindow());
}

void frmLog::reject()
{
    QDialog::reject();
    // Closed at start-up, before any exercise window exists: nothing is left to show.
    bool exerciseWindowLoaded = false;
    for (const QString &name : m_forms.loadOrder()) {
        if (name != objectName() && name != frmLog::name())
            exerciseWindowLoaded = true;
    }
    if (!exerciseWindowLoaded)
        QCoreApplication::quit();
}
