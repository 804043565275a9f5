// Pointer settings through the user's Windows profile: every change is saved
// and broadcast to all windows, as the Mouse control panel does.
#include "pointersettings.h"

#include <windows.h>

namespace pointersettings {

namespace {
constexpr UINT SaveAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
static_assert(SaveAndBroadcast == 3, "write the profile and notify every window");
static_assert(SPI_SETMOUSESPEED == 0x71 && SPI_SETDOUBLECLICKTIME == 0x20 && SPI_SETWHEELSCROLLLINES == 0x69,
              "the actions this file relies on");
} // namespace

bool applyPointerSpeed(unsigned speed)
{
    // The speed travels as an integer in the pointer argument.
    return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(speed)),
                                 SaveAndBroadcast) != FALSE;
}

bool applyDoubleClickTime(unsigned milliseconds)
{
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, SaveAndBroadcast) != FALSE;
}

bool applyWheelScrollLines(unsigned lines)
{
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, SaveAndBroadcast) != FALSE;
}

} // namespace pointersettings
