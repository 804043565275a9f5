#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The arithmetic of the window's panels, so that values stored and sent by
// the tool are the ones the window would store and send.

// DPI panel: a stage value shown on its slider (positions 3..161 of a
// 176-long track) comes back floored to the slider's grid, which is also
// what the window saves.
struct DpiLimits
{
    int minDpi = 200;
    int maxDpi = 6000;
    int dpiBase = 50;
};
int dpiShownBySlider(int value, const DpiLimits& limits);

// System-setting dialog: slider position (3..337) to speed index 0..10.
int speedIndexForPosition(int position);
// "mouse/scrollRate" above this means one screen per notch.
inline constexpr int kMaxScrollRows = 100;
inline constexpr int kScrollOneScreen = 1000;

// Lighting panel: the effect rows the mouse offers, and what each shows.
struct LightingFlags
{
    bool isColorful = false;
    bool is55328 = false;
};
struct EffectRow
{
    int row = 0;
    QString name;
    bool speed = false;       // the speed slider is shown
    bool brightness = false;  // the brightness slider is shown
    bool colours = false;     // the colour blocks can be edited
    std::optional<int> speedOnChoosing;
    std::optional<int> brightnessOnChoosing;
};
QList<EffectRow> effectRows(const LightingFlags& flags);
// By row number or by name (any letter case; "-" or "_" may stand for a blank).
std::optional<EffectRow> findEffect(const LightingFlags& flags, const QString& text);
inline constexpr int kLightSteps = 5;  // speed and brightness 0..4

// Report rate rows of the window: Hz shown, interval byte sent.
struct RateRow
{
    int hz;
    int interval;
};
inline constexpr RateRow kRateRows[] = {{125, 8}, {250, 4}, {500, 2}, {1000, 1}};
