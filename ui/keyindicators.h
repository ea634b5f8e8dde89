// SPDX-License-Identifier: MIT
#pragma once

// The state of Num Lock, Caps Lock and the Insert toggle, for the status
// bar's indicator panels.
//
// X11: Num Lock and Caps Lock are the keyboard's own indicators, read through
// XKB when the program starts, whenever the server reports an indicator
// change (whatever window had the focus) and when the window is activated.
// Windows: the keys' toggle states. Elsewhere (Wayland, offscreen): the lock
// keys are followed from the key presses the program receives, starting
// from "off". The Insert toggle has no indicator on X11 either: it is
// followed from the Insert presses the program receives, starting from "off".

#include <QAbstractNativeEventFilter>
#include <QObject>

namespace kestrin::ui {

class KeyIndicators : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    struct State {
        bool numLock = false;
        bool capsLock = false;
        bool insert = false;
        friend bool operator==(const State &, const State &) = default;
    };

    explicit KeyIndicators(QObject *parent = nullptr);
    ~KeyIndicators() override;

    State state() const { return m_state; }
    // True when the lock states come from the keyboard itself, not from the
    // key presses the program happened to see.
    bool readsKeyboard() const { return m_readsKeyboard; }

    // Reads the keyboard's state again (on platforms where it can be read).
    void refresh();

signals:
    void changed(kestrin::ui::KeyIndicators::State state);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void setState(State state);
    bool readKeyboard(State &state) const;

    State m_state;
    bool m_readsKeyboard = false;
    int m_xkbEventBase = -1;
};

} // namespace kestrin::ui
