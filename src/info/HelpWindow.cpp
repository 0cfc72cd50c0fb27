// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/HelpWindow.h"

#include <QHBoxLayout>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Moravel Help"));
    resize(720, 600);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto *bar = new QHBoxLayout;
    auto makeButton = [this, bar](const QString &name, const QString &text) {
        auto *button = new QToolButton(this);
        button->setObjectName(name);
        button->setText(text);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bar->addWidget(button);
        return button;
    };
    m_home = makeButton(QStringLiteral("cmdContents"), tr("&Contents"));
    m_back = makeButton(QStringLiteral("cmdBack"), tr("&Back"));
    m_forward = makeButton(QStringLiteral("cmdForward"), tr("&Forward"));
    bar->addStretch();
    layout->addLayout(bar);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    // Links to the web go to the desktop's browser; pages of the book stay here.
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_home, &QToolButton::clicked, this, [this] {
        if (m_contents.isValid())
            m_browser->setSource(m_contents);
    });
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    // Escape puts the help away, as it does with the program's other small windows.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::showHelp(const QString &contentsFile)
{
    const QUrl contents = QUrl::fromLocalFile(contentsFile);
    if (!isVisible() || contents != m_contents) {
        m_contents = contents;
        m_browser->clearHistory();
        m_browser->setSource(contents);
    }
    show();
    raise();
    activateWindow();
}
