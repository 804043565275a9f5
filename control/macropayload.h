#pragma once

#include <QVariantList>
#include <array>
#include <cstdint>
#include <optional>

// What a macro payload from the editor may be before it goes to the device.
namespace macropayload {

constexpr int PayloadSize = 128;    // the device's macro block
constexpr int MacroSlotCount = 12;  // device macros 1 to 12

using Buffer = std::array<std::uint8_t, PayloadSize>;
static_assert(sizeof(Buffer) == 128, "one macro block");

// Device macro number (1-based) for the editor's index, judged by its low
// byte: 0..11 give 1..12, anything else has no macro slot.
std::optional<std::uint8_t> macroIdForIndex(std::uint32_t index);

// The payload as the 128-byte block, zero-padded. A payload longer than the
// block is refused whole: a cut macro would play a different sequence and
// lose its terminator.
std::optional<Buffer> bufferFromList(const QVariantList& payload);

} // namespace macropayload
