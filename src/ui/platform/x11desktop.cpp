// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "platform/x11desktop.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

namespace {
// Values of the window manager's client messages.
constexpr quint32 kMoveByPointer = 8;  // _NET_WM_MOVERESIZE_MOVE
constexpr quint32 kLeftButton = 1;
constexpr quint32 kFromApplication = 1;
constexpr quint32 kFromPager = 2;
constexpr quint32 kMaxSupportedAtoms = 1024;

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

struct X11
{
    xcb_connection_t *connection;
    xcb_window_t root;
};

std::optional<X11> Desktop()
{
    auto *app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = app ? app->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    return X11{connection, screen->root};
}

xcb_atom_t Atom(const X11 &x, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        x.connection, xcb_intern_atom(x.connection, false, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The root window's property `name` as 32-bit values of type `type`.
std::vector<quint32> RootValues(const X11 &x, const char *name, xcb_atom_t type, quint32 maxValues)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        x.connection, xcb_get_property(x.connection, false, x.root, Atom(x, name), type, 0, maxValues),
        nullptr));
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return std::vector<quint32>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

void SendToWindowManager(const X11 &x, xcb_window_t window, xcb_atom_t type,
                         const std::array<quint32, 5> &data)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(x.connection, false, x.root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(x.connection);
}
}  // namespace

bool RequestWindowManagerMove(const QWindow *window)
{
    const std::optional<X11> x = Desktop();
    if (!x || !window)
        return false;
    const xcb_atom_t moveResize = Atom(*x, "_NET_WM_MOVERESIZE");
    const std::vector<quint32> supported = RootValues(*x, "_NET_SUPPORTED", XCB_ATOM_ATOM,
                                                      kMaxSupportedAtoms);
    if (moveResize == XCB_ATOM_NONE ||
        std::find(supported.begin(), supported.end(), moveResize) == supported.end())
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const Reply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(x->connection, xcb_query_pointer(x->connection, id), nullptr));
    if (!pointer)
        return false;
    // The press gave this program the pointer; the window manager needs it.
    xcb_ungrab_pointer(x->connection, XCB_CURRENT_TIME);
    SendToWindowManager(*x, id, moveResize,
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

DesktopWindowId ActiveDesktopWindow()
{
    const std::optional<X11> x = Desktop();
    if (!x)
        return 0;
    const std::vector<quint32> active = RootValues(*x, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW, 1);
    return active.empty() ? 0 : active.front();
}

void ActivateDesktopWindow(DesktopWindowId id)
{
    const std::optional<X11> x = Desktop();
    if (!x || id == 0)
        return;
    SendToWindowManager(*x, id, Atom(*x, "_NET_ACTIVE_WINDOW"), {kFromPager, XCB_CURRENT_TIME, 0, 0, 0});
}
