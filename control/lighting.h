#pragma once

#include <QVariantList>
#include <array>
#include <cstdint>

// The scene's lighting choice (effect index, speed step, brightness step) as
// the three bytes the device takes, and the eight colours as 24 bytes.
namespace lighting {

struct Triple
{
    std::uint8_t mode = 0;
    std::uint8_t second = 0;   // brightness (full colour) or value (single colour)
    std::uint8_t third = 0;    // speed (full colour) or the table's third byte (single colour)

    friend bool operator==(const Triple& a, const Triple& b)
    {
        return a.mode == b.mode && a.second == b.second && a.third == b.third;
    }
};

Triple fullColourTriple(std::uint8_t effect, std::uint8_t speedStep, std::uint8_t brightnessStep);
Triple singleColourTriple(std::uint8_t effect, std::uint8_t speedStep, std::uint8_t brightnessStep);

// Third byte that single-colour devices get where the effect's own third
// byte does not apply (553 devices without "Breath Loop", 560 gun devices).
constexpr std::uint8_t SingleColourDefaultThird = 2;
// What image 1 of a single-colour 560 device without gun functions carries
// as its third byte.
constexpr std::uint8_t SingleColourNoGunThird = 3;

constexpr int ColourCount = 8;
constexpr int ColourBytes = ColourCount * 3;
using Colours = std::array<std::uint8_t, ColourBytes>;
static_assert(sizeof(Colours) == 24, "eight colours of three bytes");

// Colour 8 doubles as the "Breath Loop" flag: the scene zeroes it otherwise.
constexpr int EighthColourOffset = (ColourCount - 1) * 3;

// The first 24 numbers as bytes; missing ones count as 0, extra ones are ignored.
Colours coloursFromList(const QVariantList& src24);
bool eighthColourSet(const Colours& colours);

} // namespace lighting
