#include "mousecontroller.h"

#include "device/hid_thread.h"
#include "store/settingsstore.h"

#include <QDebug>

#include <algorithm>

MouseController::MouseController(Hid_Thread& hid, SettingsStore& store)
    : hid(hid), store(store)
{
}

ControllerFamily MouseController::family() const
{
    return familyFromIcType(store.icType());
}

void MouseController::sendImage(int number)
{
    hid.hid560_0CH_setProfile(images[number].data(), static_cast<uchar>(number));
}

void MouseController::sendProfileImages()
{
    sendImage(profileimage::Normal);
    if (!store.isGun())
        return;
    for (int number = profileimage::FirstGunMode; number <= profileimage::LastGunMode; ++number)
        sendImage(number);
}

void MouseController::patchProfileImages(int offset, const std::uint8_t* bytes, int count)
{
    for (int number = profileimage::Normal; number <= profileimage::LastGunMode; ++number)
        std::copy_n(bytes, count, images[number].begin() + offset);
}

// The profile slots use the 560 commands whatever the family: only the
// connect sequence and the scene of a 560 device call them.

void MouseController::mouseSetProfile(uint profileNo)
{
    if (!ProfileImages::isValidNumber(profileNo)) {
        qDebug() << "mouseSetProfile: no profile image" << profileNo;
        return;
    }
    sendImage(static_cast<int>(profileNo));
}

void MouseController::mouseReadProfile(uint profileNo)
{
    if (!ProfileImages::isValidNumber(profileNo)) {
        qDebug() << "mouseReadProfile: no profile image" << profileNo;
        return;
    }
    hid.hid560_8CH_readProfile(images[static_cast<int>(profileNo)].data(), static_cast<uchar>(profileNo));
}

QVariant MouseController::mouseReadCurrentProfile()
{
    uchar profile = 0;   // what an unanswered read hands back
    hid.hid560_82H_GetCurrentProfile(profile);
    return int(profile);
}

// The keyboard options use the 553 commands for both families.

void MouseController::mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    hid.hid553_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

QVariantList MouseController::GetKeyboardoption()
{
    uchar bytes[4] = {0, 0, 0, 0};   // what an unanswered read hands back
    hid.hid553_83H_GetKeyboardoption(bytes[0], bytes[1], bytes[2], bytes[3]);
    return {int(bytes[0]), int(bytes[1]), int(bytes[2]), int(bytes[3])};
}
