#include "controllerrig.h"

#include "store/keycatalogue.h"

#include <QDir>
#include <QSettings>

namespace {

void writeGlobalFile(const RigOptions& options)
{
    QSettings global(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
    global.setValue(SettingKey::kIsColorful, options.colourful);
    global.setValue(SettingKey::kIsGun, options.gun);
    global.setValue(SettingKey::kIcType, options.family == ControllerFamily::Hid560 ? "560" : "553");
    global.setValue(SettingKey::kIs55328, options.is55328);
}

// Factory entries that differ from anything a test stores: button n is key n.
void writeFactoryProfile()
{
    QSettings factory(QStringLiteral("modules/setting/pD.bin"), QSettings::IniFormat);
    for (int button = 0; button < SettingKey::kButtonCount; ++button)
        factory.setValue(SettingKey::keyMatrixKey(button), variantList({2, 0, 0x04 + button, 0}));
}

} // namespace

QVariantList variantList(std::initializer_list<int> values)
{
    QVariantList list;
    for (int v : values)
        list.append(v);
    return list;
}

ControllerRig::ControllerRig(const RigOptions& options)
    : previousFolder(QDir::currentPath())
{
    if (!folder.isValid() || !QDir::setCurrent(folder.path()) || !QDir().mkpath("modules/setting"))
        return;
    writeGlobalFile(options);
    writeFactoryProfile();

    EmulatedMouse::Config config;
    config.family = options.family == ControllerFamily::Hid560 ? EmulatedMouse::Family::F560
                                                                : EmulatedMouse::Family::F553;
    m_mouse = backend.addMouse(config);

    DeviceEntry entry;
    entry.vid = config.vendorId;
    entry.pid = config.productId;
    entry.path = SimBackend::commandPath(0);
    entry.path2 = SimBackend::notificationPath(0);
    hid.setBackend(&backend);
    hid.setClock(&clock);
    hid.setDeviceList({entry});
    hid.currentDevice = 0;
    hid.setIsGunSource([gun = options.gun] { return gun; });

    m_store = std::make_unique<SettingsStore>();
    m_controller = std::make_unique<MouseController>(hid, *m_store);
    valid = m_store->icType() == (options.family == ControllerFamily::Hid560 ? "560" : "553");
}

ControllerRig::~ControllerRig()
{
    m_controller.reset();
    m_store.reset();
    QDir::setCurrent(previousFolder);
}

QByteArray ControllerRig::commands() const
{
    QByteArray bytes;
    for (const QByteArray& block : blocks())
        bytes.append(block.at(0));
    return bytes;
}

QList<QByteArray> ControllerRig::blocksOf(quint8 command) const
{
    QList<QByteArray> result;
    for (const QByteArray& block : blocks())
        if (quint8(block.at(0)) == command)
            result.append(block);
    return result;
}

QList<int> ControllerRig::entry(const std::array<quint8, 64>& matrix, int button)
{
    return bytes(matrix, button * 4, 4);
}
