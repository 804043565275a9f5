#include "lighting.h"

#include "bytevalue.h"

#include <algorithm>
#include <iterator>

namespace lighting {

namespace {

constexpr int StepCount = 5;
using StepBytes = std::array<std::uint8_t, StepCount>;

// A step outside 0..4 selects nothing and gives 0.
std::uint8_t stepByte(const StepBytes& bytes, std::uint8_t step)
{
    return step < StepCount ? bytes[step] : 0;
}

constexpr StepBytes fullBrightness = {0, 64, 128, 192, 255};
constexpr StepBytes noSpeed = {0, 0, 0, 0, 0};
constexpr StepBytes commonSpeeds = {10, 7, 5, 3, 1};

struct FullColourEffect
{
    std::uint8_t mode;
    bool usesBrightness;
    StepBytes speeds;
};

// Indexed by the scene's effect; later effects are "other" and switch the light off.
constexpr FullColourEffect fullColourEffects[] = {
    {1, true, noSpeed},                   // Static
    {3, false, commonSpeeds},             // Breath
    {4, false, commonSpeeds},             // Neon
    {0, false, noSpeed},                  // OFF
    {2, true, noSpeed},                   // Twinkling
    {5, true, commonSpeeds},              // Wave
    {6, false, noSpeed},                  // Gliding
    {7, true, noSpeed},                   // Finger Moving
    {8, true, {20, 17, 15, 13, 11}},      // Vertical Flipping
    {9, true, {15, 13, 10, 7, 5}},        // YO-YO
    {10, true, {30, 27, 24, 22, 20}},     // Spotlight
};

constexpr StepBytes singleBrightness = {1, 3, 5, 7, 10};
constexpr StepBytes neonPeriods = {30, 24, 18, 12, 6};

std::uint8_t noValue(std::uint8_t, std::uint8_t) { return 0; }
std::uint8_t staticValue(std::uint8_t, std::uint8_t brightness) { return stepByte(singleBrightness, brightness); }
std::uint8_t breathValue(std::uint8_t speed, std::uint8_t) { return static_cast<std::uint8_t>(speed + 1); }
std::uint8_t neonValue(std::uint8_t speed, std::uint8_t) { return stepByte(neonPeriods, speed); }

struct SingleColourEffect
{
    std::uint8_t mode;
    std::uint8_t (*value)(std::uint8_t speedStep, std::uint8_t brightnessStep);
    std::uint8_t third;
};

constexpr SingleColourEffect singleColourOff = {0, noValue, 0};

constexpr SingleColourEffect singleColourEffects[] = {
    {1, staticValue, 1},   // Static
    {2, breathValue, 1},   // Breath
    {3, neonValue, 1},     // Neon
    singleColourOff,       // OFF
    {2, breathValue, 3},   // Breath Loop
};

} // namespace

Triple fullColourTriple(std::uint8_t effect, std::uint8_t speedStep, std::uint8_t brightnessStep)
{
    if (effect >= std::size(fullColourEffects))
        return {};
    const FullColourEffect& e = fullColourEffects[effect];
    const std::uint8_t brightness = e.usesBrightness ? stepByte(fullBrightness, brightnessStep) : 0;
    return {e.mode, brightness, stepByte(e.speeds, speedStep)};
}

Triple singleColourTriple(std::uint8_t effect, std::uint8_t speedStep, std::uint8_t brightnessStep)
{
    const SingleColourEffect& e =
        effect < std::size(singleColourEffects) ? singleColourEffects[effect] : singleColourOff;
    return {e.mode, e.value(speedStep, brightnessStep), e.third};
}

Colours coloursFromList(const QVariantList& src24)
{
    Colours colours{};
    for (int i = 0; i < ColourBytes; ++i)
        colours[static_cast<std::size_t>(i)] = byteAt(src24, i);
    return colours;
}

bool eighthColourSet(const Colours& colours)
{
    return std::any_of(colours.begin() + EighthColourOffset, colours.end(),
                       [](std::uint8_t b) { return b != 0; });
}

} // namespace lighting
