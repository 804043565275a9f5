#pragma once

#include "device/deviceentry.h"

#include <QList>

class HidBackend;

// Fills path and path2 of every entry from the HID interfaces present: the
// interface whose usage page and usage match the command pair becomes path,
// the one matching the notification pair path2. When several match, the last
// one enumerated wins.
void assignInterfacePaths(QList<DeviceEntry>& entries, HidBackend& backend);
