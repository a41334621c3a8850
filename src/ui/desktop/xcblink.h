// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QtGlobal>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

// The game's own X11 connection, for the few requests the toolkit does not
// make; only the platform files that speak to the window manager use it.
struct XcbLink
{
    xcb_connection_t *connection;
    xcb_window_t root;
};

// An xcb reply, freed as xcb asks.
struct FreeXcbReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeXcbReply>;

// None when the game does not run on X11 (offscreen, another platform).
std::optional<XcbLink> gameXcbLink();

// XCB_ATOM_NONE when the server does not answer.
xcb_atom_t internAtom(const XcbLink &x, const char *name);

// The window's property as 32-bit values of `type`; empty when it is unset,
// of another type or format.
std::vector<quint32> propertyValues(const XcbLink &x, xcb_window_t window, xcb_atom_t property,
                                    xcb_atom_t type, quint32 maxValues);

// A client message about `window` to the window manager (on the root), sent
// at once.
void sendToWindowManager(const XcbLink &x, xcb_window_t window, xcb_atom_t type,
                         const std::array<quint32, 5> &data);
