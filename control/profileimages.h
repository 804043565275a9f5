#pragma once

#include <array>
#include <cstdint>

// The controller's copies of a 560-family mouse's five on-board profile
// blocks. Operations patch single bytes and send a block whole, so every byte
// not listed below travels back as it was read from the device.
namespace profileimage {

constexpr int Size = 128;
constexpr int Count = 5;

using Image = std::array<std::uint8_t, Size>;
static_assert(sizeof(Image) == 128, "one on-board profile block");

// Image numbers with a fixed role.
constexpr int DeviceWide = 0;      // colours of full-colour devices, gun mask
constexpr int Normal = 1;          // the profile in everyday use
constexpr int FirstGunMode = 2;    // images 2..4: gun slots 1..3
constexpr int LastGunMode = 4;

// Byte offsets (0-based).
namespace offset {
constexpr int GunMask = 2;            // image 0: 7, 15 or 31
constexpr int FullColours = 24;       // image 0: eight colours R, G, B (to 47)
constexpr int GunOptions = 65;        // images 2..4: bit 2 cleared with gun data
constexpr int LightMode = 71;         // images 1..4
constexpr int LightSecond = 72;
constexpr int LightThird = 73;
constexpr int GunMarker = 78;         // images 2..4: 0xF0 when gun data is present
constexpr int GunTimes = 79;
constexpr int GunX = 80;
constexpr int GunY = 81;
constexpr int DpiHighBitsX = 82;      // images 1..4, sensor "3389" only
constexpr int DpiHighBitsY = 83;
constexpr int DpiCodesX = 84;         // eight codes (to 91)
constexpr int DpiCodesY = 92;         // eight codes (to 99)
constexpr int StageMask = 100;
constexpr int SingleColours = 104;    // image 1: eight colours R, G, B (to 127)
} // namespace offset

constexpr std::uint8_t GunMarkerValue = 0xF0;
constexpr std::uint8_t GunOptionsClearedBit = 0x04;

static_assert(offset::FullColours + 24 <= offset::GunOptions, "colours end before the gun options");
static_assert(offset::DpiCodesY + 8 <= offset::StageMask, "Y codes end before the stage mask");
static_assert(offset::SingleColours + 24 == Size, "single colours fill the end of the block");

} // namespace profileimage

// Zero-filled until the first read from the device.
class ProfileImages
{
public:
    static bool isValidNumber(unsigned number) { return number < unsigned(profileimage::Count); }

    profileimage::Image& operator[](int number) { return images[static_cast<std::size_t>(number)]; }
    const profileimage::Image& operator[](int number) const
    {
        return images[static_cast<std::size_t>(number)];
    }

private:
    std::array<profileimage::Image, profileimage::Count> images{};
};
