// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
#pragma once
#include <QtGlobal>
#include <memory>
#include <utility>

// How the game owns every window it creates: a slot holding at most one
// window. load() creates it, unload() takes it away, and the slot deletes a
// window it still holds when it goes.
//
// Unloading empties the slot before anything else, so whatever the closing
// window reports finds the slot empty; then it closes the window (a live
// score sheet stores its place on closing) and deletes it once control is
// back in an event loop. That makes it safe for a window to be unloaded from
// its own handler, such as a sheet's close button. The slot itself goes only
// where no handler of its window runs, so it deletes at once.
template <class Window>
class WindowSlot
{
public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot &) = delete;
    WindowSlot &operator=(const WindowSlot &) = delete;

    // Creates the window, hidden; the slot must be empty.
    template <class... Args>
    Window &load(Args &&...args)
    {
        Q_ASSERT(!window_);
        window_ = std::make_unique<Window>(std::forward<Args>(args)...);
        return *window_;
    }

    void unload()
    {
        if (Window *window = window_.release()) {
            window->close();
            window->deleteLater();
        }
    }

    bool isLoaded() const { return window_ != nullptr; }
    Window &operator*() const { return *window_; }
    Window *operator->() const { return window_.get(); }

private:
    std::unique_ptr<Window> window_;
};
