// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/ExerciseEntry.h"

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
    // An exercise window: registered under its name, and offered by every exercise window
    // in the order of registration. The first one registered is the home window.
    void registerExercise(const ExerciseEntry &entry);
    const QList<ExerciseEntry> &exercises() const { return m_exercises; }
    // The row of a kind of exercise; nullptr for a kind that has no window.
    const ExerciseEntry *exercise(ExerciseKind kind) const;
    // The object name of a kind's window (empty for none), of the home window, and of the
    // window the name prompt opens.
    QString nameOf(ExerciseKind kind) const;
    QString homeWindow() const;
    QString startWindow() const;
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

    // Unloads every window at once, last loaded first, and ends the program. Nothing of a
    // window is on the stack below its close: the start and end sound hold the drill
    // without a loop of their own, and no window takes a close while a modal dialog
    // blocks it.
    void unloadAll(QWidget *closing = nullptr);
    bool isUnloading() const { return m_unloading; }

    // The exercise window the player is at (the one shown), for input that does not come
    // through a window: MIDI notes, notices. None before the name prompt is answered.
    class ExerciseWindow *currentExercise() const;
    // A notice every exercise window shows, those loaded later too, until it is taken
    // away (empty).
    void setStandingNotice(const QString &message);

signals:
    void unloaded(const QString &name);

private:
    void unloadNow(QWidget *closing);

    AppContext &m_context;
    QHash<QString, Factory> m_factories;
    QList<ExerciseEntry> m_exercises;
    QList<QPair<QString, QPointer<QWidget>>> m_loaded;
    bool m_unloading = false;
    QString m_standingNotice;
};
