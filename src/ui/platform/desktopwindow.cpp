// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/desktopwindow.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
enum AtomIndex { NetWmState, SkipTaskbar, SkipPager, DemandsAttention, GtkFrameExtents, AtomCount };
constexpr std::array<const char *, AtomCount> kAtomNames = {
    "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER",
    "_NET_WM_STATE_DEMANDS_ATTENTION", "_GTK_FRAME_EXTENTS"};
// _NET_WM_STATE client message: remove a state, asked by a normal application.
constexpr uint32_t kStateRemove = 0;
constexpr uint32_t kSourceApplication = 1;

struct X11Target
{
    xcb_connection_t *connection = nullptr;
    xcb_window_t window = XCB_WINDOW_NONE;
    std::array<xcb_atom_t, AtomCount> atoms{};
};

// The connection, the window's X id and the atoms, or no connection when the
// game does not run on X11. Every atom is asked for before any answer is
// read: one round trip.
X11Target TargetOf(QWidget *window)
{
    X11Target target;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!window || !x11 || !x11->connection())
        return target;
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (int i = 0; i < AtomCount; ++i)
        cookies[i] = xcb_intern_atom(x11->connection(), 0,
                                     static_cast<uint16_t>(std::strlen(kAtomNames[i])), kAtomNames[i]);
    for (int i = 0; i < AtomCount; ++i) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(x11->connection(), cookies[i], nullptr);
        if (!reply)
            return target;
        target.atoms[i] = reply->atom;
        std::free(reply);
    }
    target.connection = x11->connection();
    target.window = static_cast<xcb_window_t>(window->winId());
    return target;
}
}  // namespace

void PrepareDesktopWindow(QWidget *window)
{
    const X11Target x = TargetOf(window);
    if (!x.connection)
        return;
    // Replaces what an earlier mapping left; Qt adds its own states (above,
    // stays on top) to these when it maps the window.
    const std::array<xcb_atom_t, 2> states = {x.atoms[SkipTaskbar], x.atoms[SkipPager]};
    xcb_change_property(x.connection, XCB_PROP_MODE_REPLACE, x.window, x.atoms[NetWmState], XCB_ATOM_ATOM,
                        32, states.size(), states.data());
    const std::array<uint32_t, 4> noExtents = {0, 0, 0, 0};
    xcb_change_property(x.connection, XCB_PROP_MODE_REPLACE, x.window, x.atoms[GtkFrameExtents],
                        XCB_ATOM_CARDINAL, 32, noExtents.size(), noExtents.data());
}

void WithdrawAttention(QWidget *window)
{
    const X11Target x = TargetOf(window);
    if (!x.connection)
        return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = x.window;
    event.type = x.atoms[NetWmState];
    event.data.data32[0] = kStateRemove;
    event.data.data32[1] = x.atoms[DemandsAttention];
    event.data.data32[3] = kSourceApplication;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x.connection)).data->root;
    xcb_send_event(x.connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(x.connection);
}
