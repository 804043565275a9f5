#pragma once

// The two native window messages the main window reacts to on Windows, and
// the restore request it posts to itself. Kept free of Qt so that the Win32
// side compiles on its own.

enum class WinMessageKind { Other, Restore, DeviceChange };

// msg points to a Win32 MSG.
WinMessageKind classifyWinMessage(const void* msg);

// Posts WM_SYSCOMMAND / SC_RESTORE to the window; hwnd is its HWND.
void postWinRestoreRequest(void* hwnd);
