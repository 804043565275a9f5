#pragma once

// A plain X window of a client of its own, holding the input focus, so that
// what the tests type goes to a window that is not ours. Kept apart from the
// test itself: Xlib's macros and Qt's names do not mix.
class OtherWindow
{
public:
    // Opens the display named by DISPLAY, maps a window and focuses it.
    OtherWindow();
    ~OtherWindow();

    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    bool isOpen() const { return m_display != nullptr; }
    bool hasFocus() const;

private:
    struct _XDisplay* m_display = nullptr;
    unsigned long m_window = 0;
};
