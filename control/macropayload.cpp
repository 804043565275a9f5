#include "macropayload.h"

#include "bytevalue.h"

namespace macropayload {

std::optional<std::uint8_t> macroIdForIndex(std::uint32_t index)
{
    const std::uint8_t slot = static_cast<std::uint8_t>(index);
    if (slot >= MacroSlotCount)
        return std::nullopt;
    return static_cast<std::uint8_t>(slot + 1);
}

std::optional<Buffer> bufferFromList(const QVariantList& payload)
{
    if (payload.size() > PayloadSize)
        return std::nullopt;
    Buffer buffer{};
    for (int i = 0; i < payload.size(); ++i)
        buffer[static_cast<std::size_t>(i)] = byteValue(payload.at(i));
    return buffer;
}

} // namespace macropayload
