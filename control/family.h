#pragma once

#include <QString>

// The two command sets the controller speaks. The choice is made again for
// every operation, so a changed "mouse/icType" takes effect on the next call.
enum class ControllerFamily { Hid553, Hid560 };

inline ControllerFamily familyFromIcType(const QString& icType)
{
    return icType == QLatin1String("560") ? ControllerFamily::Hid560 : ControllerFamily::Hid553;
}
