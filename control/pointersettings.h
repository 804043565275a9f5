#pragma once

#include <cstdint>

// The desktop's pointer settings that the system settings page changes. The
// page speaks in indexes 0..10; the conversions below give the values the
// Windows pointer settings use, and each platform file applies them. Kept
// free of Qt so that the Windows file builds on its own.
namespace pointersettings {

// Windows pointer speed 1..20: index 0 gives 1, index n gives 2n.
inline unsigned pointerSpeedForIndex(unsigned index)
{
    return index == 0 ? 1u : 2u * index;
}

// Double-click time in ms: 900 at index 0 down to 200 at index 10, in steps
// of 70. Indexes above 12 give a negative time, which no platform accepts.
inline std::int64_t doubleClickMsForIndex(unsigned index)
{
    return 900 - 70 * static_cast<std::int64_t>(index);
}

// Each returns whether the desktop took the value.
bool applyPointerSpeed(unsigned speed);          // 1..20
bool applyDoubleClickTime(unsigned milliseconds);
bool applyWheelScrollLines(unsigned lines);      // 1000 means one screen per notch

} // namespace pointersettings
