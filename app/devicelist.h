#pragma once

#include "device/deviceentry.h"

#include <QList>
#include <QString>

// The device list kept in the global settings file: [common] deviceCount and
// one section per device, numbered from 0.
inline constexpr char DEVICE_LIST_FILE[] = "./modules/setting/apConfig.bin";

// More entries than this are taken for a damaged file: reading stops there
// instead of building (and later enumerating) millions of default entries.
inline constexpr int MAX_DEVICE_ENTRIES = 64;

QList<DeviceEntry> loadDeviceList(const QString& fileName = QString::fromLatin1(DEVICE_LIST_FILE));

// Field parsers, public for their tests: hexadecimal without prefix, anything
// else reads as 0; 16-bit fields keep their low 16 bits.
quint16 parseHex16(const QString& text);
qint32 parseHex32(const QString& text);
