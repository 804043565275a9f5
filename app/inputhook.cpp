#include "inputhook.h"

#include <cstring>
#include <iterator>

namespace {

// One key as the low-level hook sees it: set-1 scan code, extended flag, and
// the Windows virtual-key code it stands for on a US layout.
struct ScanRow
{
    std::uint8_t scanCode;
    bool extended;
    std::uint8_t virtualKey;
};

constexpr bool E = true;   // extended flag set
constexpr bool N = false;  // extended flag clear

constexpr ScanRow SCAN_ROWS[] = {
    // A-Z at their US positions
    {0x1E, N, 0x41}, {0x30, N, 0x42}, {0x2E, N, 0x43}, {0x20, N, 0x44}, {0x12, N, 0x45}, {0x21, N, 0x46},
    {0x22, N, 0x47}, {0x23, N, 0x48}, {0x17, N, 0x49}, {0x24, N, 0x4A}, {0x25, N, 0x4B}, {0x26, N, 0x4C},
    {0x32, N, 0x4D}, {0x31, N, 0x4E}, {0x18, N, 0x4F}, {0x19, N, 0x50}, {0x10, N, 0x51}, {0x13, N, 0x52},
    {0x1F, N, 0x53}, {0x14, N, 0x54}, {0x16, N, 0x55}, {0x2F, N, 0x56}, {0x11, N, 0x57}, {0x2D, N, 0x58},
    {0x15, N, 0x59}, {0x2C, N, 0x5A},
    // 1-9, 0
    {0x02, N, 0x31}, {0x03, N, 0x32}, {0x04, N, 0x33}, {0x05, N, 0x34}, {0x06, N, 0x35},
    {0x07, N, 0x36}, {0x08, N, 0x37}, {0x09, N, 0x38}, {0x0A, N, 0x39}, {0x0B, N, 0x30},
    // Enter, Esc, Backspace, Tab, Space
    {0x1C, N, 0x0D}, {0x01, N, 0x1B}, {0x0E, N, 0x08}, {0x0F, N, 0x09}, {0x39, N, 0x20},
    // - = [ ] backslash
    {0x0C, N, 0xBD}, {0x0D, N, 0xBB}, {0x1A, N, 0xDB}, {0x1B, N, 0xDD}, {0x2B, N, 0xDC},
    // ; ' ` , . /
    {0x27, N, 0xBA}, {0x28, N, 0xDE}, {0x29, N, 0xC0}, {0x33, N, 0xBC}, {0x34, N, 0xBE}, {0x35, N, 0xBF},
    // Caps Lock
    {0x3A, N, 0x14},
    // F1-F12
    {0x3B, N, 0x70}, {0x3C, N, 0x71}, {0x3D, N, 0x72}, {0x3E, N, 0x73}, {0x3F, N, 0x74}, {0x40, N, 0x75},
    {0x41, N, 0x76}, {0x42, N, 0x77}, {0x43, N, 0x78}, {0x44, N, 0x79}, {0x57, N, 0x7A}, {0x58, N, 0x7B},
    // Print Screen, Scroll Lock, Pause
    {0x37, E, 0x2C}, {0x46, N, 0x91}, {0x45, N, 0x13},
    // Insert, Home, Page Up, Delete, End, Page Down
    {0x52, E, 0x2D}, {0x47, E, 0x24}, {0x49, E, 0x21}, {0x53, E, 0x2E}, {0x4F, E, 0x23}, {0x51, E, 0x22},
    // Right, Left, Down, Up
    {0x4D, E, 0x27}, {0x4B, E, 0x25}, {0x50, E, 0x28}, {0x48, E, 0x26},
    // Num Lock, keypad / * - +
    {0x45, E, 0x90}, {0x35, E, 0x6F}, {0x37, N, 0x6A}, {0x4A, N, 0x6D}, {0x4E, N, 0x6B},
    // Keypad Enter: 0x0E is no Windows virtual key, only a code of this table
    {0x1C, E, 0x0E},
    // Keypad 1-9, 0, .
    {0x4F, N, 0x61}, {0x50, N, 0x62}, {0x51, N, 0x63}, {0x4B, N, 0x64}, {0x4C, N, 0x65},
    {0x4D, N, 0x66}, {0x47, N, 0x67}, {0x48, N, 0x68}, {0x49, N, 0x69}, {0x52, N, 0x60}, {0x53, N, 0x6E},
    // Non-US backslash (102nd key), Application
    {0x56, N, 0xE2}, {0x5D, E, 0x5D},
    // F23
    {0x6E, N, 0x86},
    // Left Ctrl, Shift, Alt, Windows
    {0x1D, N, 0xA2}, {0x2A, N, 0xA0}, {0x38, N, 0xA4}, {0x5B, E, 0x5B},
    // Right Ctrl, Shift, Alt (Right Windows is left out on purpose: never reported)
    {0x1D, E, 0xA3}, {0x36, E, 0xA1}, {0x38, E, 0xA5},
};
static_assert(std::size(SCAN_ROWS) == 105, "one row per key of the translation table");

// A run of consecutive virtual-key codes with consecutive usage IDs.
struct UsageRun
{
    std::uint8_t firstVirtualKey;
    std::uint8_t lastVirtualKey;
    std::uint8_t firstUsage;
};

constexpr UsageRun USAGE_RUNS[] = {
    {0x41, 0x5A, 0x04},  // A-Z
    {0x31, 0x39, 0x1E},  // 1-9
    {0x30, 0x30, 0x27},  // 0
    {0x0D, 0x0D, 0x28},  // Enter
    {0x1B, 0x1B, 0x29},  // Esc
    {0x08, 0x09, 0x2A},  // Backspace, Tab
    {0x20, 0x20, 0x2C},  // Space
    {0xBD, 0xBD, 0x2D},  // -
    {0xBB, 0xBB, 0x2E},  // =
    {0xDB, 0xDB, 0x2F},  // [
    {0xDD, 0xDD, 0x30},  // ]
    {0xBA, 0xBA, 0x33},  // ;
    {0xDE, 0xDE, 0x34},  // '
    {0xC0, 0xC0, 0x35},  // `
    {0xBC, 0xBC, 0x36},  // ,
    {0xBE, 0xBE, 0x37},  // .
    {0xBF, 0xBF, 0x38},  // /
    {0x14, 0x14, 0x39},  // Caps Lock
    {0x70, 0x7B, 0x3A},  // F1-F12
    {0x2C, 0x2C, 0x46},  // Print Screen
    {0x91, 0x91, 0x47},  // Scroll Lock
    {0x13, 0x13, 0x48},  // Pause
    {0x2D, 0x2D, 0x49},  // Insert
    {0x24, 0x24, 0x4A},  // Home
    {0x21, 0x21, 0x4B},  // Page Up
    {0x2E, 0x2E, 0x4C},  // Delete
    {0x23, 0x23, 0x4D},  // End
    {0x22, 0x22, 0x4E},  // Page Down
    {0x27, 0x27, 0x4F},  // Right
    {0x25, 0x25, 0x50},  // Left
    {0x28, 0x28, 0x51},  // Down
    {0x26, 0x26, 0x52},  // Up
    {0x90, 0x90, 0x53},  // Num Lock
    {0x6F, 0x6F, 0x54},  // keypad /
    {0x6A, 0x6A, 0x55},  // keypad *
    {0x6D, 0x6D, 0x56},  // keypad -
    {0x6B, 0x6B, 0x57},  // keypad +
    {0x0E, 0x0E, 0x58},  // Keypad Enter
    {0x61, 0x69, 0x59},  // keypad 1-9
    {0x60, 0x60, 0x62},  // keypad 0
    {0x6E, 0x6E, 0x63},  // keypad .
    {0xE2, 0xE2, 0x64},  // Non-US backslash
    {0x5D, 0x5D, 0x65},  // Application
    {0x86, 0x86, 0x72},  // F23
    {0xA2, 0xA2, 0xE0},  // Left Ctrl
    {0xA0, 0xA0, 0xE1},  // Left Shift
    {0xA4, 0xA4, 0xE2},  // Left Alt
    {0x5B, 0x5B, 0xE3},  // Left Windows
    {0xA3, 0xA3, 0xE4},  // Right Ctrl
    {0xA1, 0xA1, 0xE5},  // Right Shift
    {0xA5, 0xA5, 0xE6},  // Right Alt
    // Codes the scan map never produces, kept for completeness of the map.
    {0x5C, 0x5C, 0xE7},  // Right Windows
    {0x7C, 0x85, 0x68},  // F13-F22
    {0x87, 0x87, 0x73},  // F24
    {0xC2, 0xC2, 0x85},
    {0xC1, 0xC1, 0x87},
    {0xEB, 0xEB, 0x8B},
    {0xFF, 0xFF, 0x66},
};

constexpr std::uint8_t VK_BACKSLASH = 0xDC;
constexpr std::uint8_t USAGE_BACKSLASH = 0x31;        // layout flag 0
constexpr std::uint8_t USAGE_NON_US_HASH = 0x32;      // any other layout flag

// Scan codes the hook reports as key combinations rather than keys.
constexpr std::uint32_t SCAN_CTRL_BREAK = 0x46;       // with the extended flag
constexpr std::uint32_t SCAN_ALT_PRINT_SCREEN = 0x54; // while Alt is down
constexpr std::uint8_t VK_PAUSE = 0x13;
constexpr std::uint8_t VK_PRINT_SCREEN = 0x2C;
constexpr std::uint32_t MAX_SCAN_CODE = 0xFF;

struct ButtonRow
{
    std::uint32_t message;
    int code;
    bool isDown;
};

constexpr ButtonRow BUTTON_ROWS[] = {
    {MouseMessage::LeftDown, 0xF0, true},    {MouseMessage::LeftUp, 0xF0, false},
    {MouseMessage::RightDown, 0xF1, true},   {MouseMessage::RightUp, 0xF1, false},
    {MouseMessage::MiddleDown, 0xF2, true},  {MouseMessage::MiddleUp, 0xF2, false},
};

std::uint16_t scanKey(std::uint32_t scanCode, bool extended)
{
    return static_cast<std::uint16_t>((scanCode << 8) | (extended ? 1u : 0u));
}

template <typename Map>
int lookup(const Map& map, typename Map::key_type key)
{
    const auto it = map.find(key);
    return it == map.end() ? 0 : it->second;
}

} // namespace

std::optional<std::string> copyDataNoticeText(const CopyDataMessage& message)
{
    if (message.dwData != COPYDATA_NOTICE_ID || message.lpData == nullptr || message.cbData == 0)
        return std::nullopt;
    // A zero inside the bytes means the sender counted the terminator (or
    // sent something else than the text): the length rule refuses it.
    if (std::memchr(message.lpData, 0, message.cbData) != nullptr)
        return std::nullopt;
    return std::string(static_cast<const char*>(message.lpData), message.cbData);
}

GlobalInputHook::GlobalInputHook(int layoutFlag)
    : m_layoutFlag(layoutFlag)
{
    fillMaps();
    installHooks();
}

GlobalInputHook::~GlobalInputHook()
{
    removeHooks();
}

void GlobalInputHook::fillMaps()
{
    for (const ScanRow& row : SCAN_ROWS)
        m_scanToVirtualKey[scanKey(row.scanCode, row.extended)] = row.virtualKey;
    for (const UsageRun& run : USAGE_RUNS) {
        for (int vk = run.firstVirtualKey; vk <= run.lastVirtualKey; ++vk)
            m_virtualKeyToUsage[static_cast<std::uint8_t>(vk)] =
                static_cast<std::uint8_t>(run.firstUsage + (vk - run.firstVirtualKey));
    }
    m_virtualKeyToUsage[VK_BACKSLASH] = m_layoutFlag == 0 ? USAGE_BACKSLASH : USAGE_NON_US_HASH;
}

bool GlobalInputHook::installHooks()
{
    removePlatformHooks();
    m_installed = installPlatformHooks();
    return m_installed;
}

void GlobalInputHook::removeHooks()
{
    removePlatformHooks();
    stopCopyDataListener();
    m_installed = false;
}

void GlobalInputHook::setKeyboardCallback(KeyboardCallback callback, void* context)
{
    m_keyboard = {callback, context};
}

void GlobalInputHook::setMouseCallback(MouseCallback callback, void* context)
{
    m_mouse = {callback, context};
}

void GlobalInputHook::setCopyDataCallback(CopyDataCallback callback, void* context)
{
    m_copyData = {callback, context};
    startCopyDataListener();
}

int GlobalInputHook::virtualKeyFor(std::uint32_t scanCode, std::uint32_t flags) const
{
    if (scanCode > MAX_SCAN_CODE)
        scanCode = 0;
    const bool extended = (flags & KeyFlag::Extended) != 0;
    if (scanCode == SCAN_CTRL_BREAK && extended)
        return VK_PAUSE;
    if (scanCode == SCAN_ALT_PRINT_SCREEN && (flags & KeyFlag::AltDown) != 0)
        return VK_PRINT_SCREEN;
    return lookup(m_scanToVirtualKey, scanKey(scanCode, extended));
}

int GlobalInputHook::usageFor(std::uint32_t scanCode, std::uint32_t flags) const
{
    const int virtualKey = virtualKeyFor(scanCode, flags);
    return virtualKey == 0 ? 0 : lookup(m_virtualKeyToUsage, static_cast<std::uint8_t>(virtualKey));
}

void GlobalInputHook::keyboardEvent(std::uint32_t scanCode, std::uint32_t flags, bool isDown)
{
    const int usage = usageFor(scanCode, flags);
    if (usage == 0)
        return;
    // Auto-repeat and releases of keys never seen going down stop here.
    std::uint8_t& state = m_keyDownState[static_cast<std::uint8_t>(usage)];
    if ((state != 0) == isDown)
        return;
    state = isDown ? 1 : 0;
    if (m_keyboard.callback)
        m_keyboard.callback(usage, isDown, m_keyboard.context);
}

void GlobalInputHook::mouseEvent(std::uint32_t message, int x, int y)
{
    if (!m_mouse.callback)
        return;
    for (const ButtonRow& row : BUTTON_ROWS) {
        if (row.message == message) {
            m_mouse.callback(row.code, row.isDown, x, y, m_mouse.context);
            return;
        }
    }
}

bool GlobalInputHook::copyDataEvent(const CopyDataMessage& message)
{
    if (!m_copyData.callback)
        return false;
    m_copyData.callback(message, m_copyData.context);
    return true;
}
