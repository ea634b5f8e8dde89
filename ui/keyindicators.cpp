// SPDX-License-Identifier: MIT
#include "keyindicators.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>

#ifdef KESTRIN_HAVE_X11
#include "x11keyboard.h"
#endif

#ifdef KESTRIN_HAVE_WINDOWS_KEYBOARD
#include "windowskeyboard.h"
#endif

namespace kestrin::ui {

KeyIndicators::KeyIndicators(QObject *parent)
    : QObject(parent)
{
#ifdef KESTRIN_HAVE_X11
    m_xkbEventBase = x11::selectIndicatorEvents();
    if (m_xkbEventBase >= 0)
        QCoreApplication::instance()->installNativeEventFilter(this);
#endif
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
    State initial;
    m_readsKeyboard = readKeyboard(initial);
    m_state = initial;
}

KeyIndicators::~KeyIndicators()
{
    if (QCoreApplication *app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
        app->removeNativeEventFilter(this);
    }
}

bool KeyIndicators::readKeyboard(State &state) const
{
#ifdef KESTRIN_HAVE_X11
    if (x11::available())
        return x11::readLocks(state.numLock, state.capsLock);
#endif
#ifdef KESTRIN_HAVE_WINDOWS_KEYBOARD
    windows::readLocks(state.numLock, state.capsLock, state.insert);
    return true;
#else
    Q_UNUSED(state);
    return false;
#endif
}

void KeyIndicators::refresh()
{
    State next = m_state;
    if (readKeyboard(next))
        setState(next);
}

void KeyIndicators::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit changed(m_state);
}

bool KeyIndicators::eventFilter(QObject *watched, QEvent *event)
{
    // Key events reach a window once before they go to its widgets; only
    // that first delivery counts.
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && watched->isWindowType()) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (!key->isAutoRepeat()) {
            State next = m_state;
#ifndef KESTRIN_HAVE_WINDOWS_KEYBOARD
            // Where the keyboard does not tell, the keys toggle what they
            // stand for.
            if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier)
                next.insert = !next.insert;
            if (!m_readsKeyboard && key->key() == Qt::Key_CapsLock)
                next.capsLock = !next.capsLock;
            if (!m_readsKeyboard && key->key() == Qt::Key_NumLock)
                next.numLock = !next.numLock;
#endif
            setState(next);
        }
    } else if ((type == QEvent::KeyRelease && watched->isWindowType()) || type == QEvent::ApplicationActivate) {
        // The keyboard's own state is the truth where it can be read.
        refresh();
    }
    return false;
}

bool KeyIndicators::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#ifdef KESTRIN_HAVE_X11
    if (m_xkbEventBase >= 0 && eventType == "xcb_generic_event_t") {
        if (x11::isIndicatorEvent(message, m_xkbEventBase))
            refresh();
    }
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

} // namespace kestrin::ui
