#include "gunpayload.h"

#include "bytevalue.h"

namespace gunpayload {

namespace {
enum ValueIndex { Times = 0, X = 1, Y = 2, ValueCount = 3 };
}

std::optional<GunValues> valuesFromList(const QVariantList& values)
{
    if (values.size() < ValueCount)
        return std::nullopt;
    return GunValues{byteAt(values, Times), byteAt(values, X), byteAt(values, Y)};
}

bool isValidSlot(int slot)
{
    return slot >= 1 && slot <= SlotCount;
}

std::uint8_t yForDevice553(std::uint8_t y, std::uint8_t thirdOption)
{
    return thirdOption != 0 ? static_cast<std::uint8_t>(-y) : y;
}

} // namespace gunpayload
