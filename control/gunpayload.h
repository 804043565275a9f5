#pragma once

#include <QVariantList>
#include <cstdint>
#include <optional>

// One gun (recoil) setting as the gun page hands it over: a slot 1..3 and
// the times, X and Y of the gun chosen for it.
namespace gunpayload {

constexpr int SlotCount = 3;

struct GunValues
{
    std::uint8_t times = 0;
    std::uint8_t x = 0;
    std::uint8_t y = 0;
};

// The three values, each taken modulo 256; fewer than three is no gun.
std::optional<GunValues> valuesFromList(const QVariantList& values);

bool isValidSlot(int slot);

// 560 family: gun slots 1..3 live in device profiles 2..4.
inline int profileForSlot(int slot) { return slot + 1; }
// 553 family: the gun command counts slots from 0.
inline std::uint8_t deviceSlot553(int slot) { return static_cast<std::uint8_t>(slot - 1); }

// The 553 device wants Y negated (two's complement) when its third
// keyboard-option byte is set.
std::uint8_t yForDevice553(std::uint8_t y, std::uint8_t thirdOption);

} // namespace gunpayload
