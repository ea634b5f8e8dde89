// SPDX-License-Identifier: MIT
#include "x11keyboard.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>

#include <cstdint>

namespace kestrin::ui::x11 {

namespace {

Display *display()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

bool namedIndicator(Display *dpy, const char *name, bool &on)
{
    const Atom atom = XInternAtom(dpy, name, True);
    if (atom == None)
        return false;
    Bool state = False;
    if (!XkbGetNamedIndicator(dpy, atom, nullptr, &state, nullptr, nullptr))
        return false;
    on = state;
    return true;
}

} // namespace

bool available()
{
    return display() != nullptr;
}

int selectIndicatorEvents()
{
    Display *dpy = display();
    if (!dpy)
        return -1;
    int opcode = 0, eventBase = 0, errorBase = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(dpy, &opcode, &eventBase, &errorBase, &major, &minor))
        return -1;
    XkbSelectEvents(dpy, XkbUseCoreKbd, XkbIndicatorStateNotifyMask, XkbIndicatorStateNotifyMask);
    XFlush(dpy);
    return eventBase;
}

bool isIndicatorEvent(const void *xcbEvent, int xkbEventBase)
{
    // xcb_generic_event_t: the response type, then XKB's own event type.
    const auto *bytes = static_cast<const std::uint8_t *>(xcbEvent);
    return (bytes[0] & 0x7f) == xkbEventBase && bytes[1] == XkbIndicatorStateNotify;
}

bool readLocks(bool &numLock, bool &capsLock)
{
    Display *dpy = display();
    if (!dpy)
        return false;
    bool num = false, caps = false;
    if (!namedIndicator(dpy, "Num Lock", num) || !namedIndicator(dpy, "Caps Lock", caps))
        return false;
    numLock = num;
    capsLock = caps;
    return true;
}

} // namespace kestrin::ui::x11
