// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/x11desktop.h"

#include "desktop/xcblink.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {
// Values of the window manager's client messages.
constexpr quint32 kMoveByPointer = 8;  // _NET_WM_MOVERESIZE_MOVE
constexpr quint32 kLeftButton = 1;
constexpr quint32 kFromApplication = 1;
constexpr quint32 kFromPager = 2;
constexpr quint32 kMaxSupportedAtoms = 1024;
}  // namespace

bool requestWindowManagerMove(const QWindow *window)
{
    const std::optional<XcbLink> x = gameXcbLink();
    if (!x || !window)
        return false;
    const xcb_atom_t moveResize = internAtom(*x, "_NET_WM_MOVERESIZE");
    const std::vector<quint32> supported = propertyValues(*x, x->root, internAtom(*x, "_NET_SUPPORTED"),
                                                          XCB_ATOM_ATOM, kMaxSupportedAtoms);
    if (moveResize == XCB_ATOM_NONE ||
        std::find(supported.begin(), supported.end(), moveResize) == supported.end())
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const XcbReply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(x->connection, xcb_query_pointer(x->connection, id), nullptr));
    if (!pointer)
        return false;
    // The press gave this program the pointer; the window manager needs it.
    xcb_ungrab_pointer(x->connection, XCB_CURRENT_TIME);
    sendToWindowManager(*x, id, moveResize,
                        {static_cast<quint32>(pointer->root_x), static_cast<quint32>(pointer->root_y),
                         kMoveByPointer, kLeftButton, kFromApplication});
    // The release now goes to the window manager. Unless told, the toolkit
    // would hold the button down until the next click, and show no hover
    // meanwhile; the window is told of the release where it was pressed.
    xcb_button_release_event_t release{};
    release.response_type = XCB_BUTTON_RELEASE;
    release.detail = kLeftButton;
    release.root = x->root;
    release.event = id;
    release.root_x = pointer->root_x;
    release.root_y = pointer->root_y;
    release.event_x = pointer->win_x;
    release.event_y = pointer->win_y;
    release.state = XCB_BUTTON_MASK_1;
    release.same_screen = true;
    xcb_send_event(x->connection, false, id, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&release));
    xcb_flush(x->connection);
    return true;
}

DesktopWindowId activeDesktopWindow()
{
    const std::optional<XcbLink> x = gameXcbLink();
    if (!x)
        return 0;
    const std::vector<quint32> active = propertyValues(*x, x->root, internAtom(*x, "_NET_ACTIVE_WINDOW"),
                                                       XCB_ATOM_WINDOW, 1);
    return active.empty() ? 0 : active.front();
}

void activateDesktopWindow(DesktopWindowId id)
{
    const std::optional<XcbLink> x = gameXcbLink();
    if (!x || id == 0)
        return;
    sendToWindowManager(*x, id, internAtom(*x, "_NET_ACTIVE_WINDOW"),
                        {kFromPager, XCB_CURRENT_TIME, 0, 0, 0});
}

void raiseShownWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->raise();
    if (const std::optional<XcbLink> x = gameXcbLink())
        xcb_flush(x->connection);
}
