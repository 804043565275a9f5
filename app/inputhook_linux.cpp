#include "inputhook_linux.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMouseEvent>


Q_LOGGING_CATEGORY(lcInputHook, "k7.inputhook")

namespace {

// A run of consecutive kernel key codes with consecutive scan codes.
struct KernelKeyRun
{
    int firstKernelKey;
    int lastKernelKey;
    std::uint8_t firstScanCode;
    bool extended;
};

constexpr bool E = true;
constexpr bool N = false;

constexpr KernelKeyRun KERNEL_KEY_RUNS[] = {
    {1, 53, 0x01, N},     // Esc ... slash: the kernel numbers these as set 1 does
    {54, 54, 0x36, E},    // Right Shift, which the Windows hook flags as extended
    {55, 68, 0x37, N},    // keypad * ... F10
    {69, 69, 0x45, E},    // Num Lock
    {70, 83, 0x46, N},    // Scroll Lock, keypad digits and keys
    {86, 88, 0x56, N},    // 102nd key, F11, F12
    {96, 96, 0x1C, E},    // Keypad Enter
    {97, 97, 0x1D, E},    // Right Ctrl
    {98, 98, 0x35, E},    // keypad /
    {99, 99, 0x37, E},    // Print Screen (also with Alt)
    {100, 100, 0x38, E},  // Right Alt
    {102, 104, 0x47, E},  // Home, Up, Page Up
    {105, 105, 0x4B, E},  // Left
    {106, 106, 0x4D, E},  // Right
    {107, 109, 0x4F, E},  // End, Down, Page Down
    {110, 111, 0x52, E},  // Insert, Delete
    {119, 119, 0x45, N},  // Pause (also with Ctrl)
    {125, 126, 0x5B, E},  // Left and Right Windows
    {127, 127, 0x5D, E},  // Application
    {183, 193, 0x64, N},  // F13-F23
    {194, 194, 0x76, N},  // F24
};

struct QtButtonRow
{
    Qt::MouseButton button;
    std::uint32_t downMessage;
    std::uint32_t upMessage;
};

constexpr QtButtonRow QT_BUTTON_ROWS[] = {
    {Qt::LeftButton, MouseMessage::LeftDown, MouseMessage::LeftUp},
    {Qt::RightButton, MouseMessage::RightDown, MouseMessage::RightUp},
    {Qt::MiddleButton, MouseMessage::MiddleDown, MouseMessage::MiddleUp},
};

// The one process-wide set of sources; the hook object that installed them
// is the only one that takes them down.
struct LinuxSources
{
    GlobalInputHook* owner = nullptr;
    std::unique_ptr<OwnWindowInputFilter> ownWindows;
    std::unique_ptr<X11RawInputSource> allWindows;
};

LinuxSources sources;

// With Qt itself on X11 the raw events already include our own windows;
// feeding both would report a quick press and release twice.
bool rawEventsCoverOwnWindows()
{
    return sources.allWindows && QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

std::optional<ScanCode> scanCodeForKernelKey(int kernelKeyCode)
{
    for (const KernelKeyRun& run : KERNEL_KEY_RUNS) {
        if (kernelKeyCode >= run.firstKernelKey && kernelKeyCode <= run.lastKernelKey) {
            const auto scan = static_cast<std::uint32_t>(run.firstScanCode + (kernelKeyCode - run.firstKernelKey));
            return ScanCode{scan, run.extended ? KeyFlag::Extended : 0u};
        }
    }
    return std::nullopt;
}

OwnWindowInputFilter::OwnWindowInputFilter(GlobalInputHook& sink)
    : m_sink(sink)
{
}

bool OwnWindowInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWindowType() || !event->spontaneous())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const auto scan = scanCodeForKernelKey(static_cast<int>(key->nativeScanCode()) - X_KEYCODE_OFFSET);
        if (scan && !key->isAutoRepeat())
            m_sink.keyboardEvent(scan->scanCode, scan->flags, event->type() == QEvent::KeyPress);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        // A double click arrives as press, release, press, double-click,
        // release; the double-click event itself is not a button message.
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        for (const QtButtonRow& row : QT_BUTTON_ROWS) {
            if (row.button == mouse->button()) {
                const bool isDown = event->type() == QEvent::MouseButtonPress;
                m_sink.mouseEvent(isDown ? row.downMessage : row.upMessage, global.x(), global.y());
            }
        }
        break;
    }
    default:
        break;
    }
    return false;
}

bool GlobalInputHook::installPlatformHooks()
{
    if (QCoreApplication::instance() == nullptr) {
        qCDebug(lcInputHook) << "no application object: global input is not watched";
        return false;
    }
    sources.owner = this;
    sources.allWindows = X11RawInputSource::open(*this);
    if (!rawEventsCoverOwnWindows()) {
        sources.ownWindows = std::make_unique<OwnWindowInputFilter>(*this);
        QCoreApplication::instance()->installEventFilter(sources.ownWindows.get());
    }
    return true;
}

void GlobalInputHook::removePlatformHooks()
{
    if (sources.owner != this)
        return;
    if (sources.ownWindows && QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(sources.ownWindows.get());
    sources.ownWindows.reset();
    sources.allWindows.reset();
    sources.owner = nullptr;
}
