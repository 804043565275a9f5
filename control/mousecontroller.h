#pragma once

#include "family.h"
#include "profileimages.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

class Hid_Thread;
class SettingsStore;

// The device operations the scene calls on its host view: each turns stored
// or passed settings into commands of the mouse's family, chosen again on
// every call from the store's "mouse/icType". A 560-family mouse takes most
// settings as whole on-board profile blocks, so the controller keeps the five
// profile images and patches them. Failures stay inside the command set (and
// its debug lines); bad arguments are refused with one debug line.
class MouseController
{
public:
    MouseController(Hid_Thread& hid, SettingsStore& store);

    // Key assignment.
    void mouseSetKeyMatrix(const QVariantList& src64, bool isSendData, const QVariantList& otherParam);
    QVariantList mouseGetKeydefine(const QVariant& index, bool isRecovery) const;
    void mouseResetKeyMatrix();
    void mouseSwitchKeyMatrix(int indexNo);

    // DPI, report rate and lighting.
    void mouseSetDpi(int dpiCount, const QString& sensorType, const QVariantList& dpiValueArray);
    void mouseSetCurrentDPI(uchar currentDPI);
    QVariant mouseGetCurrentDPI();
    void mouseSetReportRate(uchar rate);
    void mouseSetRGBEffect(uchar effect, uchar option1, uchar option2);
    void mouseSetRGBColor(uchar type, const QVariantList& src24);

    // On-board profiles and keyboard options.
    void mouseSetProfile(uint profileNo);
    void mouseReadProfile(uint profileNo);
    QVariant mouseReadCurrentProfile();
    void mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    QVariantList GetKeyboardoption();

    // Macro and gun payloads.
    QVariant mouseSendMacroData(const QVariantList& macroData, const QVariant& macroIndex);
    void mouseSendGundata(int slot, const QVariantList& values);

    // The desktop's pointer settings; nothing goes to the mouse.
    void mouseSetCursorSpeed(uint cursorSpeed);
    void mouseSetDoubleClickSpeed(uint speed);
    void mouseSetVerticalScrollLines(uint lines);

    const ProfileImages& profileImages() const { return images; }

private:
    ControllerFamily family() const;
    bool is560() const { return family() == ControllerFamily::Hid560; }

    // Sends image `number` as device profile `number`.
    void sendImage(int number);
    // Image 1, then the gun-mode images 2..4 when the mouse has gun functions.
    void sendProfileImages();
    // Writes `count` bytes at `offset` of images 1..4.
    void patchProfileImages(int offset, const std::uint8_t* bytes, int count);
    void patchProfileImages(int offset, std::uint8_t byte) { patchProfileImages(offset, &byte, 1); }

    void sendKeyMatrix(const uchar* matrix, int slot);
    void applyRGBEffect553(uchar effect, uchar option1, uchar option2);
    void applyRGBEffect560(uchar effect, uchar option1, uchar option2);

    Hid_Thread& hid;
    SettingsStore& store;
    ProfileImages images;
};
