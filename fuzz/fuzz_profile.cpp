// A profile (.pf) from elsewhere, imported over profile 1 and then used the
// way the scene uses a profile: every key read, the buttons, DPI stages,
// report rate and lighting sent to the mouse, the macro repairs run over it,
// copied to another profile and exported again.
#include "fuzzsupport.h"

#include "store/keycatalogue.h"

#include <QFile>

namespace {

uchar byteOf(const QVariant &value)
{
    return uchar(value.toInt());
}

QVariant at(const QVariantList &list, int index)
{
    return index < list.size() ? list[index] : QVariant();
}

using ProfileRig = fuzz::StoreRig;

void sendLikeTheScene(ProfileRig &rig)
{
    SettingsStore &store = rig.store;
    MouseController &controller = rig.controller;

    QVariantList flat;
    for (int button = 0; button < SettingKey::kButtonCount; ++button) {
        const QVariantList entry = controller.mouseGetKeydefine(button, false);
        for (int i = 0; i < SettingKey::kButtonEntrySize; ++i)
            flat.append(at(entry, i));
    }
    QVariantList periods;
    for (int slot = 0; slot < SettingKey::kGunSlotCount; ++slot)
        periods.append(store.getData(SettingKey::selectGunKey(QString::number(slot)), false));
    controller.mouseSetKeyMatrix(flat, true, periods);

    controller.mouseSetDpi(store.getData(SettingKey::kCurrentDpiCount, false).toInt(),
                           store.getGlobalData(SettingKey::kSensorType).toString(),
                           store.getDataList(SettingKey::kDpiValueArray, false));
    controller.mouseSetReportRate(byteOf(store.getData(SettingKey::kReportRate, false)));
    const QVariantList light = store.getDataList(SettingKey::kLightValue, false);
    controller.mouseSetRGBEffect(byteOf(at(light, 0)), byteOf(at(light, 1)), byteOf(at(light, 2)));
    controller.mouseSetRGBColor(1, store.getDataList(SettingKey::kColorValue, false));
    fuzz::require(!rig.device.hid.hidBusy, "busy flag left set");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static ProfileRig &rig = *[] {
        fuzz::enterScratchModules();
        auto *made = new ProfileRig(QStringLiteral("./import.pf"), QStringLiteral("./export.pf"));
        made->macros.createMacroIni(QStringLiteral("Macro_1"), 0);
        return made;
    }();
    rig.device.clearRecords();

    fuzz::writeInput(rig.chooser.importPath, data, size);
    if (!rig.store.loadProfile(0))
        return 0;  // refused as a whole (too large): nothing else to check
    rig.store.setCurrentProfile(0);

    for (const SettingKey::ProfileKeyForm &form : SettingKey::profileKeyCatalogue()) {
        rig.store.getData(form.key, false);
        rig.store.getDataList(form.key, false);
    }
    sendLikeTheScene(rig);

    rig.macros.deleteMacroUpdateProfile(QStringLiteral("Macro_1"));
    fuzz::require(rig.macros.modifyMacroNameUpdateProfile(QStringLiteral("Macro_1"), QStringLiteral("Macro_2")),
                  "macro rename failed");
    fuzz::require(rig.macros.modifyMacroNameUpdateProfile(QStringLiteral("Macro_2"), QStringLiteral("Macro_1")),
                  "macro rename back failed");

    fuzz::require(rig.store.copyProfile(1, 0), "profile copy failed");
    fuzz::require(rig.store.saveProfile(0), "profile export failed");
    QFile exported(rig.chooser.exportPath);
    QFile profile(QStringLiteral("./modules/setting/p1.bin"));
    fuzz::require(exported.open(QIODevice::ReadOnly) && profile.open(QIODevice::ReadOnly)
                      && exported.readAll() == profile.readAll(),
                  "exported profile differs from the profile file");
    return 0;
}
