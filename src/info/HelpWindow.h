// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The program's own help viewer: the HTML help book of the program folder in an
// ordinary window, with Contents, Back and Forward.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the book at its contents page unless the window already shows this book,
    // then brings the window to the front. Returns at once.
    void showHelp(const QString &contentsFile);

    QTextBrowser *browser() const { return m_browser; }
    QUrl contents() const { return m_contents; }

private:
    QTextBrowser *m_browser = nullptr;
    QToolButton *m_home = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QUrl m_contents;
};
