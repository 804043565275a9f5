// Macro and gun payloads from the macro editor and the gun page.
#include "mousecontroller.h"

#include "gunpayload.h"
#include "macropayload.h"

#include "device/hid_thread.h"
#include "store/settingsstore.h"

#include <QDebug>

QVariant MouseController::mouseSendMacroData(const QVariantList& macroData, const QVariant& macroIndex)
{
    // The editor learns nothing either way: a refused macro also answers true.
    bool isNumber = false;
    const uint index = macroIndex.toUInt(&isNumber);
    const std::optional<std::uint8_t> macroId = macropayload::macroIdForIndex(index);
    if (!isNumber || !macroId) {
        qDebug() << "mouseSendMacroData: no macro slot for index" << macroIndex;
        return true;
    }
    const std::optional<macropayload::Buffer> buffer = macropayload::bufferFromList(macroData);
    if (!buffer) {
        qDebug() << "mouseSendMacroData: payload of" << macroData.size() << "bytes exceeds"
                 << macropayload::PayloadSize << ", not sent";
        return true;
    }
    if (is560())
        hid.hid560_0FH_SetMacroKey(*macroId, buffer->data());
    else
        hid.hid553_13H_SetMacroKey(*macroId, buffer->data());
    return true;
}

void MouseController::mouseSendGundata(int slot, const QVariantList& values)
{
    if (!store.isGun())
        return;
    const std::optional<gunpayload::GunValues> gun = gunpayload::valuesFromList(values);
    if (!gunpayload::isValidSlot(slot) || !gun) {
        qDebug() << "mouseSendGundata: refused slot" << slot << "with" << values.size() << "values";
        return;
    }

    if (is560()) {
        namespace off = profileimage::offset;
        const int number = gunpayload::profileForSlot(slot);
        profileimage::Image& image = images[number];
        image[off::GunMarker] = profileimage::GunMarkerValue;
        image[off::GunTimes] = gun->times;
        image[off::GunX] = gun->x;
        image[off::GunY] = gun->y;
        image[off::GunOptions] &= static_cast<std::uint8_t>(~profileimage::GunOptionsClearedBit);
        sendImage(number);
        return;
    }

    // An unanswered read leaves the options at zero: Y is then sent as it is.
    uchar options[4] = {0, 0, 0, 0};
    hid.hid553_83H_GetKeyboardoption(options[0], options[1], options[2], options[3]);
    hid.hid553_04H_SetGunData(gun->times, gun->x, gunpayload::yForDevice553(gun->y, options[2]),
                              gunpayload::deviceSlot553(slot));
}
