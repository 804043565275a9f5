// The desktop's pointer settings from the system settings page.
#include "mousecontroller.h"

#include "pointersettings.h"

#include <QDebug>

void MouseController::mouseSetCursorSpeed(uint cursorSpeed)
{
    if (!pointersettings::applyPointerSpeed(pointersettings::pointerSpeedForIndex(cursorSpeed)))
        qDebug() << "setCursorSpeed Failed";
}

void MouseController::mouseSetDoubleClickSpeed(uint speed)
{
    // Indexes past 12 give a negative time; the desktop is not asked to take one.
    const std::int64_t milliseconds = pointersettings::doubleClickMsForIndex(speed);
    if (milliseconds < 0 || !pointersettings::applyDoubleClickTime(static_cast<unsigned>(milliseconds)))
        qDebug() << "setDoubleClickSpeed Failed";
}

void MouseController::mouseSetVerticalScrollLines(uint lines)
{
    if (!pointersettings::applyWheelScrollLines(lines))
        qDebug() << "setVerticalScrollLines Failed";
}
