#pragma once

#include "sim/simbackend.h"
#include "sim/virtualclock.h"

class QAction;
class Widget;

// The emulated mouse of the demo build, running in real time. A second tray
// icon plays the mouse's part: its DPI button, unplugging, plugging in.
class DemoMouse
{
public:
    DemoMouse();

    // Puts the emulated mouse behind the window's device object (the family
    // follows the installed icType) and adds the mouse's tray icon.
    void install(Widget& window);

    EmulatedMouse* mouse() const { return m_mouse; }
    QAction* dpiButton() const { return m_dpiButton; }

private:
    VirtualClock m_clock{VirtualClock::Mode::RealTime};
    SimBackend m_backend{&m_clock};
    EmulatedMouse* m_mouse = nullptr;
    QAction* m_dpiButton = nullptr;
    int m_stage = 1;
};
