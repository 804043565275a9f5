#pragma once

#include <QString>
#include <cstdint>

// One listed device, as read from the [N] sections of apConfig.bin.
// path/path2 are filled by device detection: the hidapi paths of the command
// and notification interfaces, empty while the interface is not present.
struct DeviceEntry
{
    qint32 type = -1;          // 0 keyboard, 1 mouse; informational only
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;     // command interface
    quint16 usage = 0;
    quint16 usagePage2 = 0;    // notification interface
    quint16 usage2 = 0;
    qint32 reportLength = 32;  // data bytes per report of a data phase
    bool isEncode = false;     // command and reply blocks are scrambled
    QString sCode = QStringLiteral("5A0C3E");
    QString path;
    QString path2;
};
