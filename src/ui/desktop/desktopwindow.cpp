// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/desktopwindow.h"

#include "desktop/xcblink.h"

#include <QByteArray>
#include <QWidget>
#include <algorithm>

namespace {
// _NET_WM_STATE client message: remove a state, asked by a normal application.
constexpr quint32 kStateRemove = 0;
constexpr quint32 kSourceApplication = 1;
// The top bit of an event's type says it came from another client.
constexpr uint8_t kEventTypeMask = 0x7f;
constexpr quint32 kMaxStates = 64;
}  // namespace

void prepareDesktopWindow(QWidget *window)
{
    const std::optional<XcbLink> x = gameXcbLink();
    if (!x || !window)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    // Replaces what an earlier mapping left; Qt adds its own states (above,
    // stays on top) to these when it maps the window.
    const std::array<xcb_atom_t, 2> states = {internAtom(*x, "_NET_WM_STATE_SKIP_TASKBAR"),
                                              internAtom(*x, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(x->connection, XCB_PROP_MODE_REPLACE, id, internAtom(*x, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, states.size(), states.data());
    const std::array<quint32, 4> noExtents = {0, 0, 0, 0};
    xcb_change_property(x->connection, XCB_PROP_MODE_REPLACE, id, internAtom(*x, "_GTK_FRAME_EXTENTS"),
                        XCB_ATOM_CARDINAL, 32, noExtents.size(), noExtents.data());
}

void withdrawAttention(QWidget *window, const QByteArray &eventType, void *message)
{
    if (eventType != "xcb_generic_event_t" || !message || !window)
        return;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & kEventTypeMask) != XCB_PROPERTY_NOTIFY)
        return;
    const auto *notify = static_cast<const xcb_property_notify_event_t *>(message);
    const std::optional<XcbLink> x = gameXcbLink();
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (notify->state != XCB_PROPERTY_NEW_VALUE || !x || notify->window != id)
        return;
    const xcb_atom_t wmState = internAtom(*x, "_NET_WM_STATE");
    if (notify->atom != wmState)
        return;
    const xcb_atom_t attention = internAtom(*x, "_NET_WM_STATE_DEMANDS_ATTENTION");
    const std::vector<quint32> states = propertyValues(*x, id, wmState, XCB_ATOM_ATOM, kMaxStates);
    if (std::find(states.begin(), states.end(), attention) == states.end())
        return;
    sendToWindowManager(*x, id, wmState, {kStateRemove, attention, 0, kSourceApplication, 0});
}
