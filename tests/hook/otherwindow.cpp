#include "otherwindow.h"

#include <X11/Xlib.h>

OtherWindow::OtherWindow()
    : m_display(XOpenDisplay(nullptr))
{
    if (m_display == nullptr)
        return;
    const Window root = DefaultRootWindow(m_display);
    m_window = XCreateSimpleWindow(m_display, root, 0, 0, 300, 200, 0, 0, 0);
    XSelectInput(m_display, m_window, ExposureMask);
    XMapRaised(m_display, m_window);
    XSync(m_display, False);
    // Without a window manager the focus is ours to set; the window must be
    // viewable first, which the Expose event tells.
    XEvent event;
    XWindowEvent(m_display, m_window, ExposureMask, &event);
    XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
    XSync(m_display, False);
}

OtherWindow::~OtherWindow()
{
    if (m_display != nullptr)
        XCloseDisplay(m_display);
}

bool OtherWindow::hasFocus() const
{
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(m_display, &focus, &revertTo);
    return focus == m_window;
}
