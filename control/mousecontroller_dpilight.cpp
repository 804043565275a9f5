// DPI stages, report rate and lighting. The 553 family has a command per
// setting; the 560 family keeps them in profile images 1..4, so a later send
// of an image repeats whatever DPI or lighting bytes it already carries.
#include "mousecontroller.h"

#include "dpicodes.h"
#include "lighting.h"

#include "device/hid_thread.h"
#include "store/settingsstore.h"

void MouseController::mouseSetDpi(int dpiCount, const QString& sensorType, const QVariantList& dpiValueArray)
{
    const dpicodes::Sensor sensor = dpicodes::sensorFromName(sensorType);
    const dpicodes::DpiTable table = dpicodes::encodeStages(sensor, dpiValueArray);

    if (!is560()) {
        // The 553 family has no place for the "3389" high bits.
        const auto codes = dpicodes::codesFor553(table, dpiCount);
        hid.hid553_11H_SetDPISet(static_cast<uchar>(dpiCount), codes.data());
        return;
    }

    namespace off = profileimage::offset;
    patchProfileImages(off::DpiCodesX, table.codes.data(), dpicodes::MaxStages);
    patchProfileImages(off::DpiCodesY, table.codes.data(), dpicodes::MaxStages);
    patchProfileImages(off::StageMask, dpicodes::stageMask(dpiCount));
    if (sensor == dpicodes::Sensor::S3389) {
        patchProfileImages(off::DpiHighBitsX, table.highBits);
        patchProfileImages(off::DpiHighBitsY, table.highBits);
    }
    sendProfileImages();
}

void MouseController::mouseSetCurrentDPI(uchar currentDPI)
{
    if (is560())
        hid.hid560_04H_SetCurrentDPI(currentDPI);
    else
        hid.hid553_0BH_SetCurrentDPI(currentDPI);
}

QVariant MouseController::mouseGetCurrentDPI()
{
    uchar stage = 0;   // what an unanswered read hands back
    if (is560()) {
        uchar profile = 1;   // the stage of device profile 1
        hid.hid560_84H_GetCurrentDPI(profile, stage);
    } else {
        hid.hid553_8BH_GetCurrentDPI(stage);
    }
    return int(stage);
}

void MouseController::mouseSetReportRate(uchar rate)
{
    if (is560())
        hid.hid560_03H_SetReportRate(rate);
    else
        hid.hid553_01H_SetReportRate(rate);
}

void MouseController::mouseSetRGBEffect(uchar effect, uchar option1, uchar option2)
{
    if (is560())
        applyRGBEffect560(effect, option1, option2);
    else
        applyRGBEffect553(effect, option1, option2);
}

void MouseController::applyRGBEffect553(uchar effect, uchar option1, uchar option2)
{
    if (store.isColorful()) {
        const lighting::Triple t = lighting::fullColourTriple(effect, option1, option2);
        hid.hid553_0DH_SetRGBLedEffect(t.mode, t.second, t.third);
        return;
    }
    const lighting::Triple t = lighting::singleColourTriple(effect, option1, option2);
    const uchar third = store.is55328() ? t.third : lighting::SingleColourDefaultThird;
    hid.hid553_0DH_SetRGBLedEffect(t.mode, t.second, third);
}

void MouseController::applyRGBEffect560(uchar effect, uchar option1, uchar option2)
{
    namespace off = profileimage::offset;
    const bool colourful = store.isColorful();
    lighting::Triple t = colourful ? lighting::fullColourTriple(effect, option1, option2)
                                   : lighting::singleColourTriple(effect, option1, option2);
    if (!colourful)
        t.third = lighting::SingleColourDefaultThird;

    patchProfileImages(off::LightMode, t.mode);
    patchProfileImages(off::LightSecond, t.second);
    patchProfileImages(off::LightThird, t.third);
    if (!colourful && !store.isGun())
        images[profileimage::Normal][off::LightThird] = lighting::SingleColourNoGunThird;
    sendProfileImages();
}

void MouseController::mouseSetRGBColor(uchar type, const QVariantList& src24)
{
    const lighting::Colours colours = lighting::coloursFromList(src24);

    if (is560()) {
        const bool colourful = store.isColorful();
        const int number = colourful ? profileimage::DeviceWide : profileimage::Normal;
        const int offset = colourful ? profileimage::offset::FullColours : profileimage::offset::SingleColours;
        std::copy(colours.begin(), colours.end(), images[number].begin() + offset);
        sendImage(number);
        return;
    }

    if (store.is55328()) {
        // Colour 8 is only set for "Breath Loop", which needs the whole table;
        // every other effect shows colour 1 alone.
        if (lighting::eighthColourSet(colours))
            hid.hid553_10H_SetLED8StageColor(0, colours.data());
        else
            hid.hid553_0CH_SetFixLEDColor(colours.data());
        return;
    }
    // These devices have always been sent the table twice in a row.
    hid.hid553_10H_SetLED8StageColor(type, colours.data());
    hid.hid553_10H_SetLED8StageColor(type, colours.data());
}
