#pragma once

// A window that exists only while the game uses it: created on first use,
// destroyed by unloading, created afresh on the next use.
template <typename Window>
class WindowSlot
{
public:
    Window *get()
    {
        if (!window_)
            window_ = new Window;
        return window_;
    }
    bool loaded() const { return window_ != nullptr; }
    void unload()
    {
        delete window_;
        window_ = nullptr;
    }

private:
    Window *window_ = nullptr;
};
