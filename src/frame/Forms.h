// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

struct AppContext;

// The program's list of loaded windows. A window is created, and its load step run, the
// first time it is asked for; the registry remembers the order of loading, shows and
// hides windows as the player switches, and unloads them all in reverse order when an
// exercise window closes, which ends the program.
class Forms : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget *(Forms &)>;

    explicit Forms(AppContext &context, QObject *parent = nullptr);
    ~Forms() override;

    AppContext &context() const { return m_context; }

    void registerForm(const QString &name, Factory factory);
    bool isRegistered(const QString &name) const { return m_factories.contains(name); }

    // The window, loaded first if needed; nullptr for a window that is not built.
    QWidget *form(const QString &name);
    template <typename T> T *get(const QString &name) { return qobject_cast<T *>(form(name)); }
    bool isLoaded(const QString &name) const;
    QStringList loadOrder() const;

    // Shows the window as an ordinary window and brings it to the front.
    QWidget *show(const QString &name);
    // Shows the target exercise window and hides the one switching away.
    void switchTo(const QString &target, QWidget *from);

    // Unloads every window, last loaded first, and ends the program. While a nested event
    // loop runs (a start or end sound, a modal dialog), a window may be inside its own
    // call: the windows are hidden at once and unloaded once every such loop has ended.
    void unloadAll(QWidget *closing = nullptr);
    bool isUnloading() const { return m_unloading; }
    // The event loop level at which no window is inside a call of its own: 1 under the
    // program's main loop, 0 (the default) where events are handled without one (tests).
    void setBaseLoopLevel(int level) { m_baseLoopLevel = level; }

    // The exercise window the player is at (the one shown), for input that does not come
    // through a window: MIDI notes, notices. None before the name prompt is answered.
    class ExerciseWindow *currentExercise() const;

    // The window the name prompt opens.
    static QString startWindow();

signals:
    void unloaded(const QString &name);

private:
    bool insideNestedLoop() const;
    void unloadNow(QWidget *closing);

    AppContext &m_context;
    int m_baseLoopLevel = 0;
    QHash<QString, Factory> m_factories;
    QList<QPair<QString, QPointer<QWidget>>> m_loaded;
    bool m_unloading = false;
};
