// Every command of both families, the answer test and the controller's reads
// against a mouse whose every reply is fuzzer bytes: failed, short, empty or
// full reads, failed opens and sends, any report length and scrambling. After
// each exchange the busy flag must be free and no handle left open.
#include "fuzzbackend.h"
#include "fuzzsupport.h"

#include "control/mousecontroller.h"
#include "store/keycatalogue.h"
#include "store/settingsstore.h"

#include <QSettings>

#include <array>
#include <functional>

namespace {

using Bytes128 = std::array<uchar, 128>;

// The controller takes its family from the global file once, so each family
// gets its own copy of modules/.
SettingsStore *storeFor(const QString &icType)
{
    fuzz::enterScratchModules(icType);
    {
        QSettings global(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
        global.setValue(SettingKey::kIcType, icType);
        global.setValue(SettingKey::kIsGun, true);
    }
    return new SettingsStore(nullptr);
}

struct Run
{
    FuzzedDataProvider &in;
    Hid_Thread &hid;
    MouseController &controller;

    uchar byte() { return in.ConsumeIntegral<uchar>(); }
    Bytes128 block()
    {
        Bytes128 bytes{};
        const std::vector<uchar> drawn = in.ConsumeBytes<uchar>(bytes.size());
        std::copy(drawn.begin(), drawn.end(), bytes.begin());
        return bytes;
    }
    QVariantList numbers(int most)
    {
        QVariantList list;
        const int count = in.ConsumeIntegralInRange(0, most);
        for (int i = 0; i < count; ++i)
            list.append(in.ConsumeIntegralInRange(-70000, 70000));
        return list;
    }
};

void newEntry(Run &r)
{
    DeviceEntry entry;
    entry.reportLength = r.in.ConsumeIntegralInRange(-2, 300);
    entry.isEncode = r.in.ConsumeBool();
    entry.sCode = QString::fromStdString(r.in.ConsumeRandomLengthString(8));
    entry.path = QString::fromLatin1(FuzzBackend::kCommandPath);
    entry.path2 = QString::fromLatin1(FuzzBackend::kNotificationPath);
    r.hid.setDeviceList({entry});
    r.hid.currentDevice = 0;
}

const std::vector<std::function<void(Run &)>> &operations()
{
    static const std::vector<std::function<void(Run &)>> ops = {
        newEntry,
        [](Run &r) { r.hid.chkDeviceIsEnCode(r.in.ConsumeIntegralInRange(-1, 1)); },
        [](Run &r) { uchar a = r.byte(), b = r.byte(), c = r.byte(), d = r.byte(); r.hid.hid553_83H_GetKeyboardoption(a, b, c, d); },
        [](Run &r) { uchar a = r.byte(), b = r.byte(); r.hid.hid560_81H_GetKeyboardoption(a, b); },
        [](Run &r) { uchar a = r.byte(); r.hid.hid560_82H_GetCurrentProfile(a); },
        [](Run &r) { uchar a = r.byte(), b = r.byte(); r.hid.hid560_84H_GetCurrentDPI(a, b); },
        [](Run &r) { uchar a = r.byte(); r.hid.hid553_8BH_GetCurrentDPI(a); },
        [](Run &r) { r.hid.hid553_03H_SetKeyboardoption(r.byte(), r.byte(), r.byte(), r.byte()); },
        [](Run &r) { r.hid.hid553_04H_SetGunData(r.byte(), r.byte(), r.byte(), r.byte()); },
        [](Run &r) { r.hid.hid560_01H_SetKeyboardoption(r.byte(), r.byte()); },
        [](Run &r) { r.hid.hid553_01H_SetReportRate(r.byte()); },
        [](Run &r) { r.hid.hid560_03H_SetReportRate(r.byte()); },
        [](Run &r) { r.hid.hid560_04H_SetCurrentDPI(r.byte()); },
        [](Run &r) { r.hid.hid553_0BH_SetCurrentDPI(r.byte()); },
        [](Run &r) { const Bytes128 b = r.block(); r.hid.hid553_12H_SetKeyMatrix(b.data(), r.byte()); },
        [](Run &r) { const Bytes128 b = r.block(); r.hid.hid560_0DH_SetKeyMatrix(b.data(), r.byte()); },
        [](Run &r) { const Bytes128 b = r.block(); r.hid.hid560_0CH_setProfile(b.data(), r.byte()); },
        [](Run &r) { Bytes128 b = r.block(); r.hid.hid560_8CH_readProfile(b.data(), r.byte()); },
        [](Run &r) { r.hid.hid560_02H_SetCurrentProfile(r.byte()); },
        [](Run &r) { const Bytes128 b = r.block(); r.hid.hid553_13H_SetMacroKey(r.byte(), b.data()); },
        [](Run &r) { const Bytes128 b = r.block(); r.hid.hid560_0FH_SetMacroKey(r.byte(), b.data()); },
        [](Run &r) { const Bytes128 b = r.block(); r.hid.hid553_11H_SetDPISet(r.byte(), b.data()); },
        [](Run &r) { r.hid.hid553_02H_SetCurrentKeyMatrix(r.byte()); },
        [](Run &r) { r.hid.hid553_0DH_SetRGBLedEffect(r.byte(), r.byte(), r.byte()); },
        [](Run &r) { const Bytes128 b = r.block(); r.hid.hid553_0CH_SetFixLEDColor(b.data()); },
        [](Run &r) { const Bytes128 b = r.block(); r.hid.hid553_10H_SetLED8StageColor(r.byte(), b.data()); },
        [](Run &r) { r.controller.mouseReadProfile(r.in.ConsumeIntegralInRange(0u, 6u)); },
        [](Run &r) { r.controller.mouseSetProfile(r.in.ConsumeIntegralInRange(0u, 6u)); },
        [](Run &r) { r.controller.mouseGetCurrentDPI(); },
        [](Run &r) { r.controller.mouseReadCurrentProfile(); },
        [](Run &r) { r.controller.GetKeyboardoption(); },
        [](Run &r) { r.controller.mouseSetCurrentDPI(r.byte()); },
        [](Run &r) { r.controller.mouseSetDpi(r.in.ConsumeIntegralInRange(-1, 9), QStringLiteral("3360"), r.numbers(10)); },
        [](Run &r) { r.controller.mouseSendGundata(r.in.ConsumeIntegralInRange(-1, 3), r.numbers(7)); },
        [](Run &r) { r.controller.mouseSwitchKeyMatrix(r.in.ConsumeIntegralInRange(-1, 5)); },
        [](Run &r) { r.controller.mouseSetRGBEffect(r.byte(), r.byte(), r.byte()); },
        [](Run &r) { r.controller.mouseSetRGBColor(r.byte(), r.numbers(25)); },
        [](Run &r) { r.controller.mouseSendMacroData(r.numbers(130), r.in.ConsumeIntegralInRange(-1, 13)); },
        [](Run &r) { quint8 stage = 0; r.hid.readNotification(0, &stage); },
    };
    return ops;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Hid_Thread &hid = *new Hid_Thread;
    static std::array<MouseController *, 2> controllers = {
        new MouseController(hid, *storeFor(QStringLiteral("553"))),
        new MouseController(hid, *storeFor(QStringLiteral("560"))),
    };

    FuzzedDataProvider in(data, size);
    FuzzBackend backend(in);
    fuzz::InstantClock clock;
    hid.setBackend(&backend);
    hid.setClock(&clock);
    hid.clearHidBusy();
    Run run{in, hid, *controllers[in.ConsumeBool() ? 1 : 0]};
    newEntry(run);

    const auto &ops = operations();
    while (in.remaining_bytes() > 0) {
        ops[in.ConsumeIntegralInRange<std::size_t>(0, ops.size() - 1)](run);
        fuzz::require(!hid.hidBusy, "busy flag left set after an exchange");
        fuzz::require(backend.openHandles() == 0, "handle left open after an exchange");
    }
    hid.setBackend(nullptr);
    return 0;
}
