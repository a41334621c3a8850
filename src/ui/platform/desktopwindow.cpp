// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/desktopwindow.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
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
// The top bit of an event's type says it came from another client.
constexpr uint8_t kEventTypeMask = 0x7f;
constexpr uint32_t kMaxStates = 64;

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

void WithdrawAttention(QWidget *window, const QByteArray &eventType, void *message)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & kEventTypeMask) != XCB_PROPERTY_NOTIFY)
        return;
    const auto *notify = static_cast<const xcb_property_notify_event_t *>(message);
    if (notify->state != XCB_PROPERTY_NEW_VALUE)
        return;
    const X11Target x = TargetOf(window);
    if (!x.connection || notify->window != x.window || notify->atom != x.atoms[NetWmState])
        return;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        x.connection,
        xcb_get_property(x.connection, 0, x.window, x.atoms[NetWmState], XCB_ATOM_ATOM, 0, kMaxStates),
        nullptr);
    if (!reply)
        return;
    const auto *states = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
    const int count = reply->format == 32 ? xcb_get_property_value_length(reply) / 4 : 0;
    const bool marked = std::find(states, states + count, x.atoms[DemandsAttention]) != states + count;
    std::free(reply);
    if (!marked)
        return;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = x.window;
    request.type = x.atoms[NetWmState];
    request.data.data32[0] = kStateRemove;
    request.data.data32[1] = x.atoms[DemandsAttention];
    request.data.data32[3] = kSourceApplication;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x.connection)).data->root;
    xcb_send_event(x.connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(x.connection);
}
