#pragma once

// Global keyboard and mouse input for the recorders of the scene, and the
// copy-data notice another process can send to the running instance.
//
// The translation from key events to USB usage IDs and from button messages
// to button codes is portable; each platform source (inputhook_win.cpp,
// inputhook_linux.cpp) only feeds keyboardEvent(), mouseEvent() and
// copyDataEvent() with what its system delivers. Nothing is ever swallowed.
// This header stays free of Qt so the Windows hook source can be too.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

// The payload of a copy-data notice, shaped like the Windows COPYDATASTRUCT
// so the Windows message and the Linux socket notice reach onCopyData alike.
struct CopyDataMessage
{
    std::uintptr_t dwData = 0;
    std::uint32_t cbData = 0;       // bytes at lpData
    const void* lpData = nullptr;
};

// The only dwData value that is acted on.
inline constexpr std::uintptr_t COPYDATA_NOTICE_ID = 9487;

// The text of a notice that is to be shown, or nothing. A notice qualifies
// when it carries COPYDATA_NOTICE_ID and its cbData bytes are exactly the
// UTF-8 text, sent without a terminating zero; a sender that counts the
// zero, or sends nothing, gets no box. Only the cbData bytes are read.
std::optional<std::string> copyDataNoticeText(const CopyDataMessage& message);

// Key-event flag bits as the Windows low-level keyboard hook has them.
namespace KeyFlag {
inline constexpr std::uint32_t Extended = 0x01;
inline constexpr std::uint32_t AltDown = 0x20;
}

// The mouse button messages that are reported (Windows message numbers).
namespace MouseMessage {
inline constexpr std::uint32_t LeftDown = 0x0201;
inline constexpr std::uint32_t LeftUp = 0x0202;
inline constexpr std::uint32_t RightDown = 0x0204;
inline constexpr std::uint32_t RightUp = 0x0205;
inline constexpr std::uint32_t MiddleDown = 0x0207;
inline constexpr std::uint32_t MiddleUp = 0x0208;
}

class GlobalInputHook
{
public:
    using KeyboardCallback = void (*)(int code, bool isDown, void* context);
    using MouseCallback = void (*)(int code, bool isDown, int x, int y, void* context);
    using CopyDataCallback = void (*)(const CopyDataMessage& message, void* context);

    // layoutFlag 0 gives the backslash key usage 0x31, any other value 0x32.
    // Fills both maps, then installs the hooks.
    explicit GlobalInputHook(int layoutFlag);
    ~GlobalInputHook();

    GlobalInputHook(const GlobalInputHook&) = delete;
    GlobalInputHook& operator=(const GlobalInputHook&) = delete;

    // Both hooks in place. When only one of them can be installed it is
    // removed again, so the program never runs half-hooked.
    bool installHooks();
    bool installed() const { return m_installed; }

    // Takes out everything that could still call a callback: both hooks and
    // the copy-data listener. Run before the callbacks' context goes away.
    void removeHooks();

    // Each registration replaces the previous one.
    void setKeyboardCallback(KeyboardCallback callback, void* context);
    void setMouseCallback(MouseCallback callback, void* context);
    // Also starts listening for copy-data notices (the application-wide
    // native event filter on Windows, a user-private local socket on Linux).
    void setCopyDataCallback(CopyDataCallback callback, void* context);

    // What the platform sources feed in. scanCode is the set-1 scan code,
    // flags the KeyFlag bits.
    void keyboardEvent(std::uint32_t scanCode, std::uint32_t flags, bool isDown);
    void mouseEvent(std::uint32_t message, int x, int y);
    // True when a callback took the notice (the message counts as handled).
    bool copyDataEvent(const CopyDataMessage& message);

    // The composed translation; 0 means the key is not reported.
    int virtualKeyFor(std::uint32_t scanCode, std::uint32_t flags) const;
    int usageFor(std::uint32_t scanCode, std::uint32_t flags) const;

    int layoutFlag() const { return m_layoutFlag; }
    // key = (scan code << 8) | extended flag; value = virtual-key code.
    const std::map<std::uint16_t, std::uint8_t>& scanToVirtualKey() const { return m_scanToVirtualKey; }
    // virtual-key code -> USB keyboard usage ID.
    const std::map<std::uint8_t, std::uint8_t>& virtualKeyToUsage() const { return m_virtualKeyToUsage; }
    bool isKeyDown(int usage) const { return m_keyDownState.at(static_cast<std::uint8_t>(usage)) != 0; }

private:
    template <typename Callback>
    struct Registration
    {
        Callback callback = nullptr;
        void* context = nullptr;
    };

    void fillMaps();

    // Defined once per platform.
    bool installPlatformHooks();
    void removePlatformHooks();
    void startCopyDataListener();
    void stopCopyDataListener();

    int m_layoutFlag = 0;
    bool m_installed = false;
    std::map<std::uint16_t, std::uint8_t> m_scanToVirtualKey;
    std::map<std::uint8_t, std::uint8_t> m_virtualKeyToUsage;
    std::array<std::uint8_t, 256> m_keyDownState{};
    Registration<KeyboardCallback> m_keyboard;
    Registration<MouseCallback> m_mouse;
    Registration<CopyDataCallback> m_copyData;
};
