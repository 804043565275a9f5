#include "winmessages.h"

#include <windows.h>

WinMessageKind classifyWinMessage(const void* msg)
{
    const MSG* m = static_cast<const MSG*>(msg);
    if (m->message == WM_SYSCOMMAND && (m->wParam & 0xFFF0) == SC_RESTORE)
        return WinMessageKind::Restore;
    if (m->message == WM_DEVICECHANGE)
        return WinMessageKind::DeviceChange;
    return WinMessageKind::Other;
}

void postWinRestoreRequest(void* hwnd)
{
    PostMessageW(static_cast<HWND>(hwnd), WM_SYSCOMMAND, SC_RESTORE, 0);
}
