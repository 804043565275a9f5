// Key assignment: the sixteen buttons, and the gun-mode key matrices built
// from the profile's stored base entries.
#include "mousecontroller.h"

#include "keymatrix.h"

#include "device/hid_thread.h"
#include "store/keycatalogue.h"
#include "store/settingsstore.h"

#include "bytevalue.h"

namespace {

keymatrix::Matrix storedBaseMatrix(const SettingsStore& store)
{
    keymatrix::Matrix base{};
    for (int button = 0; button < keymatrix::ButtonCount; ++button)
        keymatrix::setEntry(base, button, store.getDataList(SettingKey::fwKeyMatrixKey(button), false));
    return base;
}

constexpr int NormalMatrix = 1;
constexpr int FirstGunMatrix = 2;   // gun-mode matrices 2..4 follow the normal one
constexpr uchar SelectAfterGunAssignment = 1;

} // namespace

void MouseController::sendKeyMatrix(const uchar* matrix, int slot)
{
    if (is560())
        hid.hid560_0DH_SetKeyMatrix(matrix, static_cast<uchar>(slot));
    else
        hid.hid553_12H_SetKeyMatrix(matrix, static_cast<uchar>(slot));
}

void MouseController::mouseSetKeyMatrix(const QVariantList& src64, bool isSendData,
                                        const QVariantList& otherParam)
{
    for (int button = 0; button < keymatrix::ButtonCount; ++button)
        store.setDataList(SettingKey::keyMatrixKey(button), keymatrix::entryFromFlatList(src64, button));
    if (!isSendData)
        return;

    const keymatrix::Matrix scene = keymatrix::matrixFromFlatList(src64);
    const ControllerFamily fam = family();
    const keymatrix::Matrix device = keymatrix::translateToDevice(scene, fam);
    if (!keymatrix::containsGunEntry(device)) {
        sendKeyMatrix(device.data(), NormalMatrix);
        return;
    }

    std::array<std::uint8_t, keymatrix::GunModeCount> periods{};
    for (int mode = 0; mode < keymatrix::GunModeCount; ++mode)
        periods[static_cast<std::size_t>(mode)] = byteAt(otherParam, mode);
    const keymatrix::GunAssignment guns =
        keymatrix::buildGunAssignment(device, storedBaseMatrix(store), periods, fam);

    if (fam == ControllerFamily::Hid560) {
        if (guns.gunMask)
            images[profileimage::DeviceWide][profileimage::offset::GunMask] = *guns.gunMask;
        sendImage(profileimage::DeviceWide);
    }
    sendKeyMatrix(guns.normal.data(), NormalMatrix);
    for (int mode = 0; mode < keymatrix::GunModeCount; ++mode)
        sendKeyMatrix(guns.modes[static_cast<std::size_t>(mode)].data(), FirstGunMatrix + mode);

    // Both families end with the number 1 on the wire: profile 1 on the 560
    // family, key matrix number 1 (counted from 0) on the 553 family.
    if (fam == ControllerFamily::Hid560)
        hid.hid560_02H_SetCurrentProfile(SelectAfterGunAssignment);
    else
        hid.hid553_02H_SetCurrentKeyMatrix(SelectAfterGunAssignment);
}

QVariantList MouseController::mouseGetKeydefine(const QVariant& index, bool isRecovery) const
{
    return store.getDataList(SettingKey::groupEntry(SettingKey::kKeyMatrixGroup, index.toString()),
                             isRecovery);
}

void MouseController::mouseResetKeyMatrix()
{
    const keymatrix::Matrix base = storedBaseMatrix(store);
    for (int mode = 0; mode < keymatrix::GunModeCount; ++mode)
        sendKeyMatrix(base.data(), FirstGunMatrix + mode);
}

void MouseController::mouseSwitchKeyMatrix(int indexNo)
{
    // The 560 family selects a profile counted from 1, the 553 family a key
    // matrix counted from 0.
    if (is560())
        hid.hid560_02H_SetCurrentProfile(static_cast<uchar>(indexNo));
    else
        hid.hid553_02H_SetCurrentKeyMatrix(static_cast<uchar>(indexNo - 1));
}
