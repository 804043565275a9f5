#include "panelvalues.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int DpiTravel = 158;  // knob positions of the DPI sliders, less one
constexpr int SpeedSteps[] = {4, 37, 70, 104, 138, 172, 205, 239, 272, 305, 338};

struct EffectSpec
{
    const char* name;
    bool speed;
    bool brightness;
    int speedOnChoosing;       // -1: left as it was
    int brightnessOnChoosing;  // -1: left as it was
};

const EffectSpec kBasic[] = {
    {"Static", false, true, -1, 4},
    {"Breath", true, false, 0, -1},
    {"Neon", true, false, 0, -1},
    {"OFF", false, false, -1, 0},
};
const EffectSpec kColourful[] = {
    {"Twinkling", false, true, -1, 4},
    {"Wave", true, true, 0, 4},
    {"Gliding", false, false, 0, 4},
    {"Finger Moving", false, true, -1, 4},
    {"Vertical Flipping", true, true, 0, 4},
    {"YO-YO", true, true, 0, 4},
    {"Spotlight", true, true, 0, 4},
};
const EffectSpec kBreathLoop = {"Breath Loop", true, false, 0, -1};

std::optional<int> chosen(int value)
{
    return value < 0 ? std::nullopt : std::optional<int>(value);
}

EffectRow rowFrom(int row, const EffectSpec& spec)
{
    // The colour blocks are usable for rows 0, 1, 4, 9 and 10.
    const bool colours = row == 0 || row == 1 || row == 4 || row == 9 || row == 10;
    return {row, QLatin1String(spec.name), spec.speed, spec.brightness, colours,
            chosen(spec.speedOnChoosing), chosen(spec.brightnessOnChoosing)};
}

QString normalised(QString text)
{
    text.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    return text.simplified().toLower();
}

} // namespace

int dpiShownBySlider(int value, const DpiLimits& limits)
{
    const double span = double(limits.maxDpi - limits.minDpi);
    const double ratio = span > 0 ? std::clamp((value - limits.minDpi) / span, 0.0, 1.0) : 0.0;
    const int position = int(std::floor(DpiTravel * ratio)) + 4;
    const double dpi = (position - 3) * span / DpiTravel + limits.minDpi;
    const int base = std::max(limits.dpiBase, 1);
    return int(std::floor(dpi / base)) * base;
}

int speedIndexForPosition(int position)
{
    int index = 0;
    for (int step : SpeedSteps) {
        if (position < step)
            return index;
        ++index;
    }
    return index - 1;
}

QList<EffectRow> effectRows(const LightingFlags& flags)
{
    QList<EffectRow> rows;
    for (const EffectSpec& spec : kBasic)
        rows.append(rowFrom(int(rows.size()), spec));
    if (flags.isColorful)
        for (const EffectSpec& spec : kColourful)
            rows.append(rowFrom(int(rows.size()), spec));
    if (flags.is55328) {
        EffectRow loop = rowFrom(int(rows.size()), kBreathLoop);
        // Only as row 4 does "Breath Loop" own colour blocks.
        loop.colours = loop.row == 4;
        rows.append(loop);
    }
    return rows;
}

std::optional<EffectRow> findEffect(const LightingFlags& flags, const QString& text)
{
    const QList<EffectRow> rows = effectRows(flags);
    bool isNumber = false;
    const int row = text.toInt(&isNumber);
    for (const EffectRow& effect : rows)
        if ((isNumber && effect.row == row) || (!isNumber && normalised(effect.name) == normalised(text)))
            return effect;
    return std::nullopt;
}
