#pragma once

// The callbacks start-up registers with GlobalInputHook. Each takes the
// Widget as its context and does nothing without one.

struct CopyDataMessage;

// Hands a key transition (USB usage ID) to the scene's "detectKeyboard".
void onGlobalKey(int code, bool isDown, void* context);

// Hands a button press or release (0xF0-0xF2) to the scene's "detectMouse".
void onGlobalMouseButton(int code, bool isDown, int x, int y, void* context);

// Shows the text of a qualifying copy-data notice in a warning box titled
// with the window title.
void onCopyData(const CopyDataMessage& message, void* context);
