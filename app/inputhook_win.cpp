// The Windows low-level keyboard and mouse hooks. Free of Qt: the hook
// procedures only read the event, feed the portable core and pass the event
// on, so they return at once (Windows skips hooks that keep it waiting).

#include "inputhook.h"

#include <windows.h>

namespace {

// The procedures are plain functions: they reach their owner through
// process-wide state, set while the hooks are installed.
GlobalInputHook* hookOwner = nullptr;
HHOOK keyboardHook = nullptr;
HHOOK mouseHook = nullptr;

LRESULT CALLBACK keyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // Anything but HC_ACTION must go on untouched; lParam is not ours then.
    if (nCode == HC_ACTION && hookOwner != nullptr) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool isDown = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        hookOwner->keyboardEvent(event->scanCode, event->flags, isDown);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK mouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && hookOwner != nullptr) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        hookOwner->mouseEvent(static_cast<std::uint32_t>(wParam), event->pt.x, event->pt.y);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void unhook(HHOOK& hook)
{
    if (hook != nullptr)
        UnhookWindowsHookEx(hook);
    hook = nullptr;
}

} // namespace

bool GlobalInputHook::installPlatformHooks()
{
    hookOwner = this;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0);
    mouseHook = SetWindowsHookExW(WH_MOUSE_LL, mouseProc, module, 0);
    if (keyboardHook != nullptr && mouseHook != nullptr)
        return true;
    // A lone hook would keep delivering half the input with no handle left
    // to remove it by; take it out instead.
    removePlatformHooks();
    return false;
}

void GlobalInputHook::removePlatformHooks()
{
    if (hookOwner != this && hookOwner != nullptr)
        return;
    unhook(keyboardHook);
    unhook(mouseHook);
    hookOwner = nullptr;
}
