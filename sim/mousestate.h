#pragma once

#include <QtGlobal>

#include <array>

// Everything the emulated mouse keeps, for both command families.
struct MouseState
{
    static constexpr int KeyMatrixCount = 4;   // numbered 1..4 on the wire
    static constexpr int KeyMatrixSize = 64;
    static constexpr int MacroCount = 12;      // numbered 1..12 on the wire
    static constexpr int MacroSize = 128;
    static constexpr int ProfileCount = 5;     // numbered 0..4 on the wire
    static constexpr int ProfileSize = 128;
    static constexpr int DpiStages = 8;
    static constexpr int GunSlots = 3;
    static constexpr int StageColorBytes = 24;

    struct Lighting
    {
        quint8 effect = 0;
        quint8 option1 = 0;
        quint8 option2 = 0;
        std::array<quint8, 3> fixedColor{};
        quint8 stageColorType = 0;
        std::array<quint8, StageColorBytes> stageColors{};
    };
    struct GunSetting
    {
        quint8 times = 0;
        quint8 x = 0;
        quint8 y = 0;
    };

    std::array<std::array<quint8, KeyMatrixSize>, KeyMatrixCount> keyMatrix{};
    quint8 currentKeyMatrix = 0;  // 0-based, as command 0x02 carries it
    std::array<std::array<quint8, MacroSize>, MacroCount> macros{};
    quint8 dpiStageCount = 0;
    std::array<quint8, DpiStages> dpiTable{};
    // Per profile; commands without a profile number use currentProfile.
    std::array<quint8, ProfileCount> currentDpi{};
    std::array<quint8, ProfileCount> reportRate{};
    Lighting lighting;
    // The 553 family uses all four bytes, the 560 family the first two.
    std::array<quint8, 4> keyboardOption{};
    std::array<GunSetting, GunSlots> gun{};
    std::array<std::array<quint8, ProfileSize>, ProfileCount> profiles{};
    quint8 currentProfile = 1;
};
