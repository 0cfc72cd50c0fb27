// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/Forms.h"

#include "frame/AppContext.h"
#include "frame/ExerciseWindow.h"
#include "frame/ScreenFit.h"

#include <QCoreApplication>

Forms::Forms(AppContext &context, QObject *parent) : QObject(parent), m_context(context) {}

Forms::~Forms()
{
    for (auto it = m_loaded.rbegin(); it != m_loaded.rend(); ++it)
        delete it->second.data();
}

void Forms::registerForm(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

void Forms::registerExercise(const ExerciseEntry &entry)
{
    m_exercises.append(entry);
    registerForm(entry.name, entry.factory);
}

const ExerciseEntry *Forms::exercise(ExerciseKind kind) const
{
    for (const ExerciseEntry &entry : m_exercises) {
        if (entry.kind == kind)
            return &entry;
    }
    return nullptr;
}

QString Forms::nameOf(ExerciseKind kind) const
{
    const ExerciseEntry *entry = exercise(kind);
    return entry ? entry->name : QString();
}

QString Forms::homeWindow() const
{
    return m_exercises.isEmpty() ? QString() : m_exercises.front().name;
}

QString Forms::startWindow() const
{
    for (const ExerciseEntry &entry : m_exercises) {
        if (entry.first)
            return entry.name;
    }
    return homeWindow();
}

QWidget *Forms::form(const QString &name)
{
    for (const auto &entry : std::as_const(m_loaded)) {
        if (entry.first == name && entry.second)
            return entry.second;
    }
    if (m_unloading || !m_factories.contains(name))
        return nullptr;
    // The factory runs the window's load step, which may load other windows first.
    QWidget *widget = m_factories.value(name)(*this);
    if (!widget)
        return nullptr;
    widget->setObjectName(name);
    m_loaded.append({name, widget});
    if (auto *window = qobject_cast<ExerciseWindow *>(widget);
        window && !m_standingNotice.isEmpty())
        window->setStandingNotice(m_standingNotice);
    return widget;
}

bool Forms::isLoaded(const QString &name) const
{
    for (const auto &entry : m_loaded) {
        if (entry.first == name && entry.second)
            return true;
    }
    return false;
}

QStringList Forms::loadOrder() const
{
    QStringList names;
    for (const auto &entry : m_loaded) {
        if (entry.second)
            names.append(entry.first);
    }
    return names;
}

ExerciseWindow *Forms::currentExercise() const
{
    if (m_unloading)
        return nullptr;
    ExerciseWindow *shown = nullptr;
    for (const auto &[name, widget] : m_loaded) {
        auto *window = qobject_cast<ExerciseWindow *>(widget.data());
        if (!window || !window->isVisible())
            continue;
        if (window->isActiveWindow())
            return window;
        shown = window;
    }
    return shown;
}

void Forms::setStandingNotice(const QString &message)
{
    m_standingNotice = message;
    for (const auto &[name, widget] : std::as_const(m_loaded)) {
        if (auto *window = qobject_cast<ExerciseWindow *>(widget.data()))
            window->setStandingNotice(message);
    }
}

QWidget *Forms::show(const QString &name)
{
    QWidget *widget = form(name);
    if (!widget)
        return nullptr;
    ScreenFit::fit(widget);
    widget->show();
    widget->raise();
    widget->activateWindow();
    return widget;
}

void Forms::switchTo(const QString &target, QWidget *from)
{
    if (!show(target))
        return;
    if (from)
        from->hide();
}

void Forms::unloadAll(QWidget *closing)
{
    if (m_unloading)
        return;
    m_unloading = true;
    unloadNow(closing);
}

void Forms::unloadNow(QWidget *closing)
{
    while (!m_loaded.isEmpty()) {
        auto entry = m_loaded.takeLast();
        if (entry.second) {
            entry.second->hide();
            // The window being closed is still inside its own close event.
            if (entry.second == closing)
                entry.second->deleteLater();
            else
                delete entry.second.data();
        }
        emit unloaded(entry.first);
    }
    QCoreApplication::quit();
}
