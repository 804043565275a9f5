#include "inputhook_linux.h"

#include <QLoggingCategory>

// Xlib last: its macros (None, Bool, KeyPress, ...) would clash with Qt's.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

Q_DECLARE_LOGGING_CATEGORY(lcInputHook)

namespace {

constexpr int XI_MAJOR_WANTED = 2;
constexpr int XI_MINOR_WANTED = 2;   // raw events regardless of grabs since 2.1

struct XButtonRow
{
    int button;
    std::uint32_t downMessage;
    std::uint32_t upMessage;
};

// Core pointer buttons 1-3; the wheel (4-7) and the X buttons (8, 9) are
// not reported.
constexpr XButtonRow X_BUTTON_ROWS[] = {
    {1, MouseMessage::LeftDown, MouseMessage::LeftUp},
    {2, MouseMessage::MiddleDown, MouseMessage::MiddleUp},
    {3, MouseMessage::RightDown, MouseMessage::RightUp},
};

bool hasXInput2(Display* display, int* opcode)
{
    int firstEvent = 0;
    int firstError = 0;
    if (!XQueryExtension(display, "XInputExtension", opcode, &firstEvent, &firstError))
        return false;
    int major = XI_MAJOR_WANTED;
    int minor = XI_MINOR_WANTED;
    return XIQueryVersion(display, &major, &minor) == Success && major >= XI_MAJOR_WANTED;
}

void selectRawEvents(Display* display)
{
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    for (const int type : {XI_RawKeyPress, XI_RawKeyRelease, XI_RawButtonPress, XI_RawButtonRelease})
        XISetMask(bits, type);
    // Master devices only: every physical (and XTEST) event comes once, not
    // again for its slave device.
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof bits;
    mask.mask = bits;
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XFlush(display);
}

} // namespace

std::unique_ptr<X11RawInputSource> X11RawInputSource::open(GlobalInputHook& sink)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        qCDebug(lcInputHook) << "no X display: keys of other windows are not seen";
        return nullptr;
    }
    int opcode = 0;
    if (!hasXInput2(display, &opcode)) {
        qCDebug(lcInputHook) << "X display without XInput2: keys of other windows are not seen";
        XCloseDisplay(display);
        return nullptr;
    }
    selectRawEvents(display);
    return std::unique_ptr<X11RawInputSource>(new X11RawInputSource(sink, display, opcode));
}

X11RawInputSource::X11RawInputSource(GlobalInputHook& sink, Display* display, int extensionOpcode)
    : m_sink(sink)
    , m_display(display)
    , m_extensionOpcode(extensionOpcode)
    , m_notifier(ConnectionNumber(display), QSocketNotifier::Read)
{
    QObject::connect(&m_notifier, &QSocketNotifier::activated, this, &X11RawInputSource::readPendingEvents);
    // Events may already sit in Xlib's queue, where the notifier cannot see them.
    readPendingEvents();
}

X11RawInputSource::~X11RawInputSource()
{
    m_notifier.setEnabled(false);
    XCloseDisplay(m_display);
}

void X11RawInputSource::readPendingEvents()
{
    // XPending also reads the socket, and the pointer query of a button
    // event may queue more: loop until Xlib's queue is empty.
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_extensionOpcode
            || !XGetEventData(m_display, cookie))
            continue;
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        switch (cookie->evtype) {
        case XI_RawKeyPress:
        case XI_RawKeyRelease:
            rawKey(raw->detail, cookie->evtype == XI_RawKeyPress);
            break;
        case XI_RawButtonPress:
        case XI_RawButtonRelease:
            rawButton(raw->detail, cookie->evtype == XI_RawButtonPress);
            break;
        default:
            break;
        }
        XFreeEventData(m_display, cookie);
    }
}

void X11RawInputSource::rawKey(int keycode, bool isDown)
{
    if (const auto scan = scanCodeForKernelKey(keycode - X_KEYCODE_OFFSET))
        m_sink.keyboardEvent(scan->scanCode, scan->flags, isDown);
}

void X11RawInputSource::rawButton(int button, bool isDown)
{
    for (const XButtonRow& row : X_BUTTON_ROWS) {
        if (row.button != button)
            continue;
        // Raw events carry no position; the pointer is where the button went.
        Window rootReturn = 0;
        Window childReturn = 0;
        int rootX = 0;
        int rootY = 0;
        int windowX = 0;
        int windowY = 0;
        unsigned int modifierMask = 0;
        XQueryPointer(m_display, DefaultRootWindow(m_display), &rootReturn, &childReturn, &rootX, &rootY,
                      &windowX, &windowY, &modifierMask);
        m_sink.mouseEvent(isDown ? row.downMessage : row.upMessage, rootX, rootY);
        return;
    }
}
