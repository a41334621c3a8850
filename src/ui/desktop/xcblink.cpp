// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#include "desktop/xcblink.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstring>

std::optional<XcbLink> gameXcbLink()
{
    auto *app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = app ? app->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return std::nullopt;
    return XcbLink{connection, screen->root};
}

xcb_atom_t internAtom(const XcbLink &x, const char *name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        x.connection, xcb_intern_atom(x.connection, false, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<quint32> propertyValues(const XcbLink &x, xcb_window_t window, xcb_atom_t property,
                                    xcb_atom_t type, quint32 maxValues)
{
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        x.connection, xcb_get_property(x.connection, false, window, property, type, 0, maxValues),
        nullptr));
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return std::vector<quint32>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

void sendToWindowManager(const XcbLink &x, xcb_window_t window, xcb_atom_t type,
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
