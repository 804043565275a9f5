#include "keymatrix.h"

#include "bytevalue.h"

#include <algorithm>

namespace keymatrix {

namespace {

struct KindToType
{
    std::uint8_t kind;
    std::uint8_t type;
};

// Kinds 9 to 0xFE have no device meaning and pass through unchanged.
constexpr KindToType kindTypes[] = {
    {0, 1},      // mouse button
    {1, 10},     // fire (repeated key)
    {2, 0},      // key combination
    {3, 3},      // media
    {4, 9},      // macro
    {5, 7},      // DPI function
    {6, 0},      // Windows function
    {7, 0},      // shortcut
    {8, GunType},
    {0xFF, 4},   // no function
};

enum SceneKind : std::uint8_t { MouseButton = 0, Macro = 4, DpiFunction = 5, WindowsFunction = 6 };

constexpr std::uint8_t RepeatedKeyType = 10;
constexpr std::uint8_t ConsumerType = 3;
constexpr std::uint8_t DpiCycleFunction = 4;   // the DPI function both families encode apart
constexpr std::uint8_t DoubleClickCode = 0x1E;
constexpr std::uint8_t DoubleClickCount = 2;

struct Codes
{
    std::uint8_t code2;
    std::uint8_t code3;
};

// Windows functions that the device sends as consumer usages.
constexpr Codes consumerWindowsFunctions[] = {{0x94, 1}, {0x21, 2}, {0x23, 2}};

using Entry = std::array<std::uint8_t, EntrySize>;

constexpr Entry dpiCycle560 = {11, 0, 1, 1};
constexpr Entry dpiCycle553 = {7, 0, 4, 1};

constexpr std::uint8_t GunModeType = 11;   // entry 0 of a gun-mode matrix carries the period

std::uint8_t typeForKind(std::uint8_t kind)
{
    const auto* end = std::end(kindTypes);
    const auto* rule = std::find_if(std::begin(kindTypes), end,
                                    [kind](const KindToType& r) { return r.kind == kind; });
    return rule == end ? kind : rule->type;
}

bool isConsumerWindowsFunction(std::uint8_t code2, std::uint8_t code3)
{
    return std::any_of(std::begin(consumerWindowsFunctions), std::end(consumerWindowsFunctions),
                       [&](const Codes& c) { return c.code2 == code2 && c.code3 == code3; });
}

Entry translateEntry(const Entry& scene, ControllerFamily family)
{
    const std::uint8_t kind = scene[Kind];
    Entry device = scene;
    device[Type] = typeForKind(kind);
    if (kind == MouseButton && scene[Code2] == DoubleClickCode && scene[Code3] == DoubleClickCount)
        device[Type] = RepeatedKeyType;
    else if (kind == Macro)
        ++device[Code2];   // the scene counts macro slots from 0, the device from 1
    else if (kind == DpiFunction && scene[Code2] == DpiCycleFunction)
        device = family == ControllerFamily::Hid560 ? dpiCycle560 : dpiCycle553;
    else if (kind == WindowsFunction && isConsumerWindowsFunction(scene[Code2], scene[Code3]))
        device[Type] = ConsumerType;
    return device;
}

Entry entryOf(const Matrix& matrix, int button)
{
    Entry entry{};
    std::copy_n(matrix.begin() + button * EntrySize, EntrySize, entry.begin());
    return entry;
}

void putEntry(Matrix& matrix, int button, const Entry& entry)
{
    std::copy(entry.begin(), entry.end(), matrix.begin() + button * EntrySize);
}

// How a gun button's slot 1, 2 or 3 shows in the matrices: which field of the
// entry carries it, its value in the normal matrix, its value in each of the
// three gun-mode matrices, and (560 family) the gun mask of profile image 0.
struct GunSlotCoding
{
    EntryField field;
    std::uint8_t normalValue;
    std::uint8_t modeValues[GunModeCount][GunModeCount];   // [slot - 1][mode]
    std::uint8_t gunMasks[GunModeCount];                   // [slot - 1]
    bool hasGunMask;
};

constexpr GunSlotCoding gunSlots560 = {Code2, 1, {{0, 0, 0}, {3, 0, 0}, {3, 3, 0}}, {7, 15, 31}, true};
constexpr GunSlotCoding gunSlots553 = {Code3, 1, {{0, 0, 0}, {2, 0, 0}, {2, 3, 0}}, {0, 0, 0}, false};

} // namespace

void setEntry(Matrix& matrix, int button, const QVariantList& four)
{
    for (int field = 0; field < EntrySize; ++field)
        entryByte(matrix, button, static_cast<EntryField>(field)) = byteAt(four, field);
}

QVariantList entryFromFlatList(const QVariantList& src64, int button)
{
    QVariantList entry;
    for (int i = button * EntrySize; i < (button + 1) * EntrySize; ++i)
        entry.append(i < src64.size() ? src64.at(i) : QVariant(0));
    return entry;
}

Matrix matrixFromFlatList(const QVariantList& src64)
{
    Matrix matrix{};
    for (int i = 0; i < MatrixSize; ++i)
        matrix[static_cast<std::size_t>(i)] = byteAt(src64, i);
    return matrix;
}

Matrix translateToDevice(const Matrix& scene, ControllerFamily family)
{
    Matrix device{};
    for (int button = 0; button < ButtonCount; ++button)
        putEntry(device, button, translateEntry(entryOf(scene, button), family));
    putEntry(device, MirroredTarget, entryOf(device, MirroredSource));
    return device;
}

bool containsGunEntry(const Matrix& device)
{
    for (int button = 0; button < ButtonCount; ++button)
        if (entryByte(device, button, Type) == GunType)
            return true;
    return false;
}

GunAssignment buildGunAssignment(const Matrix& device, const Matrix& base,
                                 const std::array<std::uint8_t, GunModeCount>& periods,
                                 ControllerFamily family)
{
    const bool is560 = family == ControllerFamily::Hid560;
    const GunSlotCoding& coding = is560 ? gunSlots560 : gunSlots553;

    GunAssignment result;
    result.normal = device;
    result.modes.fill(base);

    for (int button = 0; button < ButtonCount; ++button) {
        if (entryByte(device, button, Type) != GunType)
            continue;
        for (Matrix& mode : result.modes)
            entryByte(mode, button, Type) = GunType;

        const int slot = entryByte(device, button, Code2);
        if (slot >= 1 && slot <= GunModeCount) {
            entryByte(result.normal, button, coding.field) = coding.normalValue;
            for (int m = 0; m < GunModeCount; ++m)
                entryByte(result.modes[m], button, coding.field) = coding.modeValues[slot - 1][m];
            if (coding.hasGunMask)
                result.gunMask = coding.gunMasks[slot - 1];
        }
        if (!is560) {
            // The 553 firmware finds the gun slot in Code3; Code1/Code2 are fixed.
            for (Matrix* m : {&result.normal, &result.modes[0], &result.modes[1], &result.modes[2]}) {
                entryByte(*m, button, Code2) = 1;
                entryByte(*m, button, Code1) = 0;
            }
        }
    }

    for (int m = 0; m < GunModeCount; ++m)
        putEntry(result.modes[m], 0, {GunModeType, static_cast<std::uint8_t>(m), periods[m], 0});
    return result;
}

} // namespace keymatrix
