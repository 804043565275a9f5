#include "dpicodes.h"

#include <algorithm>

namespace dpicodes {

namespace {

struct Threshold
{
    int upToDpi;
    std::uint8_t code;
};

// "3050": the code of the first threshold at or above the value.
constexpr Threshold thresholds3050[] = {
    {250, 1},     {500, 2},     {750, 3},     {1000, 4},    {1250, 5},    {1500, 6},
    {1750, 7},    {2000, 8},    {2500, 0x45}, {3000, 0x46}, {3500, 0x47}, {4000, 0x48}};
constexpr std::uint8_t Above3050Range = 0;   // sent as computed; the sensor has no such stage

constexpr int LinearStep = 100;        // "3360", and "4090" up to its split
constexpr int Split4090 = 5000;
constexpr int HighStep4090 = 200;
constexpr std::uint8_t HighRangeFlag4090 = 0x40;
constexpr int Step3389 = 50;
constexpr int HighBit3389 = 0x100;

StageCode linearCode(int dpi)
{
    return {static_cast<std::uint8_t>(dpi / LinearStep - 1), false};
}

StageCode code3050(int dpi)
{
    const auto* end = std::end(thresholds3050);
    const auto* hit = std::find_if(std::begin(thresholds3050), end,
                                   [dpi](const Threshold& t) { return t.upToDpi >= dpi; });
    return {hit == end ? Above3050Range : hit->code, false};
}

StageCode code4090(int dpi)
{
    if (dpi <= Split4090)
        return linearCode(dpi);
    return {static_cast<std::uint8_t>((dpi / HighStep4090) | HighRangeFlag4090), false};
}

// Within the sensor's range bit 8 of the code is set from 12800 DPI on.
StageCode code3389(int dpi)
{
    const int units = dpi / Step3389;
    return {static_cast<std::uint8_t>(units), (units & HighBit3389) != 0};
}

struct SensorCoding
{
    const char* name;
    Sensor sensor;
    StageCode (*encode)(int dpi);
};

// Names are matched in this order; any other name is encoded like "4090".
constexpr SensorCoding sensorCodings[] = {
    {"4090", Sensor::S4090, code4090},
    {"3360", Sensor::S3360, linearCode},
    {"3050", Sensor::S3050, code3050},
    {"3389", Sensor::S3389, code3389},
};

} // namespace

Sensor sensorFromName(const QString& name)
{
    for (const SensorCoding& coding : sensorCodings)
        if (name == QLatin1String(coding.name))
            return coding.sensor;
    return Sensor::S4090;
}

StageCode stageCode(Sensor sensor, int dpi)
{
    for (const SensorCoding& coding : sensorCodings)
        if (coding.sensor == sensor)
            return coding.encode(dpi);
    return code4090(dpi);
}

DpiTable encodeStages(Sensor sensor, const QVariantList& dpiValues)
{
    DpiTable table;
    const int count = std::min<int>(MaxStages, dpiValues.size());
    for (int stage = 0; stage < count; ++stage) {
        const StageCode code = stageCode(sensor, dpiValues.at(stage).toInt());
        table.codes[static_cast<std::size_t>(stage)] = code.code;
        if (code.highBit)
            table.highBits |= static_cast<std::uint8_t>(1u << stage);
    }
    return table;
}

std::array<std::uint8_t, MaxStages> codesFor553(const DpiTable& table, int stageCount)
{
    std::array<std::uint8_t, MaxStages> codes = table.codes;
    for (int stage = std::max(stageCount, 0); stage < MaxStages; ++stage)
        codes[static_cast<std::size_t>(stage)] = UnusedStage553;
    return codes;
}

std::uint8_t stageMask(int stageCount)
{
    const int used = std::clamp(stageCount, 0, MaxStages);
    return static_cast<std::uint8_t>((1u << used) - 1u);
}

} // namespace dpicodes
