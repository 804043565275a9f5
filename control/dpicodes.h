#pragma once

#include <QString>
#include <QVariantList>
#include <array>
#include <cstdint>

// Stage values in DPI become one code byte per stage, by sensor.
namespace dpicodes {

constexpr int MaxStages = 8;

enum class Sensor { S3050, S3360, S3389, S4090 };

// Unknown names are encoded like "4090".
Sensor sensorFromName(const QString& name);

struct StageCode
{
    std::uint8_t code = 0;
    bool highBit = false;   // "3389" only: the ninth bit of the code
};

StageCode stageCode(Sensor sensor, int dpi);

struct DpiTable
{
    std::array<std::uint8_t, MaxStages> codes{};
    std::uint8_t highBits = 0;   // bit i = high bit of stage i
};
static_assert(sizeof(std::array<std::uint8_t, MaxStages>) == 8, "one code byte per stage");

// Codes of the first eight values; stages without a value stay 0.
DpiTable encodeStages(Sensor sensor, const QVariantList& dpiValues);

// The 553 family marks the stages beyond the count in use.
constexpr std::uint8_t UnusedStage553 = 0x80;
std::array<std::uint8_t, MaxStages> codesFor553(const DpiTable& table, int stageCount);

// The 560 family's stage mask: bits 0 .. stageCount-1.
std::uint8_t stageMask(int stageCount);

} // namespace dpicodes
