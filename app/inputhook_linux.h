#pragma once

// The Linux sources that feed GlobalInputHook. There are no global hooks on
// Linux: the program's own windows are watched through an application-wide
// event filter (works on X11 and Wayland), and on X11 the events of every
// other window arrive as XInput2 raw events on a connection of our own.

#include "inputhook.h"

#include <QObject>
#include <QSocketNotifier>

#include <cstdint>
#include <memory>
#include <optional>

class QLocalServer;
class QLocalSocket;
struct _XDisplay;

// X and Wayland key codes are the kernel's key codes plus this offset.
inline constexpr int X_KEYCODE_OFFSET = 8;

struct ScanCode
{
    std::uint32_t scanCode = 0;
    std::uint32_t flags = 0;   // KeyFlag bits

    bool operator==(const ScanCode& other) const { return scanCode == other.scanCode && flags == other.flags; }
};

// A kernel key code (linux/input-event-codes.h) as the set-1 scan code and
// extended flag a Windows hook would see for the same key, so one table
// decides every usage ID on both systems. Nothing for keys without one.
std::optional<ScanCode> scanCodeForKernelKey(int kernelKeyCode);

// Key and button events delivered by the platform to the program's own
// windows. Only events that the platform sends to a window count, so a
// press that Qt passes on to widgets and items is seen once.
class OwnWindowInputFilter : public QObject
{
public:
    explicit OwnWindowInputFilter(GlobalInputHook& sink);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GlobalInputHook& m_sink;
};

// Key and button events of every window of an X display, as XInput2 raw
// events selected on the root window through a connection of our own.
class X11RawInputSource : public QObject
{
public:
    // Nothing when there is no X display or it lacks XInput2.
    static std::unique_ptr<X11RawInputSource> open(GlobalInputHook& sink);
    ~X11RawInputSource() override;

private:
    X11RawInputSource(GlobalInputHook& sink, _XDisplay* display, int extensionOpcode);
    void readPendingEvents();
    void rawKey(int keycode, bool isDown);
    void rawButton(int button, bool isDown);

    GlobalInputHook& m_sink;
    _XDisplay* m_display;
    int m_extensionOpcode;
    QSocketNotifier m_notifier;
};

// Wire format of a copy-data notice on the local socket: dwData and cbData
// as little-endian 32-bit numbers, then cbData bytes.
namespace CopyDataWire {
inline constexpr int DW_DATA_OFFSET = 0;
inline constexpr int CB_DATA_OFFSET = 4;
inline constexpr int HEADER_SIZE = 8;
inline constexpr std::uint32_t MAX_PAYLOAD = 64 * 1024;
inline constexpr int READ_TIMEOUT_MS = 5000;
}

// "k7config-notice" in the user's runtime folder; empty without one.
QString copyDataSocketPath();

// The local socket of the running instance. Only the same user can reach it:
// the socket is private to the user, and a peer of another user is refused.
class CopyDataServer : public QObject
{
public:
    explicit CopyDataServer(GlobalInputHook& sink);
    bool isListening() const;

private:
    void acceptConnection();
    void readNotice(QLocalSocket* socket);

    GlobalInputHook& m_sink;
    QLocalServer* m_server;
};
