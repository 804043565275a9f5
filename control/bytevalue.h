#pragma once

#include <QVariant>
#include <QVariantList>
#include <cstdint>

// Values reach the controller from QML (numbers) or straight from the INI
// files (decimal text). Both are read as an integer and cut to one byte, the
// way the device takes every field; text that is no number counts as 0.
inline std::uint8_t byteValue(const QVariant& value)
{
    return static_cast<std::uint8_t>(value.toLongLong());
}

// Element `index` of `list` as a byte; missing elements count as 0.
inline std::uint8_t byteAt(const QVariantList& list, int index)
{
    return index >= 0 && index < list.size() ? byteValue(list.at(index)) : 0;
}
