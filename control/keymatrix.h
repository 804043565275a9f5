#pragma once

#include "family.h"

#include <QVariantList>
#include <array>
#include <cstdint>
#include <optional>

// Button assignments in the two forms they take: the scene's form (kind and
// three codes per button, as stored under "mouseKeyMatrix/<n>") and the
// device's key matrix (type and three parameters per button).
namespace keymatrix {

constexpr int ButtonCount = 16;
constexpr int EntrySize = 4;
constexpr int MatrixSize = ButtonCount * EntrySize;
constexpr int GunModeCount = 3;   // device key matrices 2, 3 and 4

// Byte positions inside one four-byte entry. The scene calls the first byte
// the kind, the device calls it the type.
enum EntryField { Kind = 0, Type = 0, Code1 = 1, Code2 = 2, Code3 = 3 };

using Matrix = std::array<std::uint8_t, MatrixSize>;
static_assert(sizeof(Matrix) == 64, "a key matrix is sixteen four-byte entries");

// The button that always mirrors its neighbour on the device.
constexpr int MirroredSource = 6;
constexpr int MirroredTarget = 7;

constexpr std::uint8_t GunType = 8;

inline std::uint8_t& entryByte(Matrix& matrix, int button, EntryField field)
{
    return matrix[static_cast<std::size_t>(button * EntrySize + field)];
}
inline std::uint8_t entryByte(const Matrix& matrix, int button, EntryField field)
{
    return matrix[static_cast<std::size_t>(button * EntrySize + field)];
}

// Fills entry `button` from a list of four numbers (missing ones count as 0).
void setEntry(Matrix& matrix, int button, const QVariantList& four);
// The four numbers of button `button` in a flat list of 64, as given, for
// storing; missing numbers count as 0.
QVariantList entryFromFlatList(const QVariantList& src64, int button);
// A flat list of 64 numbers as sixteen entries; missing numbers count as 0.
Matrix matrixFromFlatList(const QVariantList& src64);

// Scene form to device form, including the mirrored eighth button.
Matrix translateToDevice(const Matrix& scene, ControllerFamily family);

bool containsGunEntry(const Matrix& device);

// What a matrix with gun buttons turns into: the normal matrix adjusted for
// the gun buttons, the three gun-mode matrices built on the stored base, and
// (560 family) the gun mask for byte 2 of profile image 0 when a gun button
// names slot 1, 2 or 3.
struct GunAssignment
{
    Matrix normal{};
    std::array<Matrix, GunModeCount> modes{};
    std::optional<std::uint8_t> gunMask;
};

GunAssignment buildGunAssignment(const Matrix& device, const Matrix& base,
                                 const std::array<std::uint8_t, GunModeCount>& periods,
                                 ControllerFamily family);

} // namespace keymatrix
