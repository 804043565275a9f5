#include "cliworld.h"

#include "store/keycatalogue.h"
#include "store/storepaths.h"

#include <QFile>
#include <QSettings>
#include <QTextStream>

namespace {

bool prepare(bool sandboxValid, const Flags& flags)
{
    QSettings global(StorePath::kGlobal, QSettings::IniFormat);
    global.setValue(SettingKey::kIcType, flags.is560 ? QStringLiteral("560") : QStringLiteral("553"));
    global.setValue(SettingKey::kIsGun, flags.gun);
    // The second profile is the active one.
    global.setValue(SettingKey::kProfileNo, 1);
    // Profile 2 differs from profile 1 in every panel.
    QSettings second(StorePath::profileFile(1), QSettings::IniFormat);
    second.setValue(SettingKey::kReportRate, 1);
    second.setValue(SettingKey::kCurrentDpiCount, 3);
    second.setValue(SettingKey::kDpiValueArray, ints({400, 800, 1600, 3200, 3000, 4000, 5000, 6000}));
    second.setValue(SettingKey::kLightValue, ints({5, 1, 2}));
    second.setValue(SettingKey::kMouseRate, 40);
    second.setValue(SettingKey::kScrollRate, 1000);
    second.setValue(SettingKey::keyMatrixKey(3), ints({2, 0, 0x04, 0}));
    QSettings third(StorePath::profileFile(2), QSettings::IniFormat);
    third.setValue(SettingKey::kReportRate, 0);
    // One macro: A pressed, 50 ms, A released, played twice.
    QSettings macro(StorePath::macroFile(QStringLiteral("Tap")), QSettings::IniFormat);
    macro.setValue(SettingKey::kMacroIndex, 0);
    macro.setValue(SettingKey::kMacroTotal, 3);
    macro.setValue(SettingKey::kMacroRepeat, 2);
    macro.setValue(SettingKey::macroStepKey(0), QStringLiteral("1,A"));
    macro.setValue(SettingKey::macroStepKey(1), QStringLiteral("0,50"));
    macro.setValue(SettingKey::macroStepKey(2), QStringLiteral("2,A"));
    QSettings names(StorePath::kNameLists, QSettings::IniFormat);
    names.setValue(SettingKey::kNameListKeys[0], QStringList{QStringLiteral("Tap"), SettingKey::kNameListFiller});
    // Files to import, in the folder the tool is started from.
    second.sync();
    macro.sync();
    QFile::copy(StorePath::profileFile(1), QStringLiteral("import.pf"));
    QFile::copy(StorePath::macroFile(QStringLiteral("Tap")), QStringLiteral("import.mc"));
    return sandboxValid && global.status() == QSettings::NoError;
}

EmulatedMouse::Config configFor(const Flags& flags)
{
    EmulatedMouse::Config config;
    config.family = flags.is560 ? EmulatedMouse::Family::F560 : EmulatedMouse::Family::F553;
    return config;
}

} // namespace

QVariantList ints(std::initializer_list<int> values)
{
    QVariantList list;
    for (int v : values)
        list.append(v);
    return list;
}

QVariantList storedKeyMatrix(SettingsStore& store)
{
    QVariantList flat;
    for (int button = 0; button < SettingKey::kButtonCount; ++button)
        for (const QVariant& byte : store.getDataList(SettingKey::keyMatrixKey(button), false))
            flat.append(byte.toInt());
    return flat;
}

World::World(const Flags& flags)
    : m_prepared(prepare(m_sandbox.isValid(), flags))
{
    m_mouse = m_backend.addMouse(configFor(flags));
    MouseState state = m_mouse->state();
    for (int profile = 0; profile < MouseState::ProfileCount; ++profile)
        for (int i = 0; i < MouseState::ProfileSize; ++i)
            state.profiles[std::size_t(profile)][std::size_t(i)] = quint8(profile * 40 + i);
    m_mouse->setState(state);
}

Files World::files() const
{
    Files files;
    for (const auto& [path, bytes] : m_sandbox.snapshot())
        files.insert(path.mid(m_sandbox.path().size()), bytes);
    return files;
}

QByteArray World::state() const
{
    const MouseState s = m_mouse->state();
    QByteArray bytes;
    auto add = [&bytes](const auto& array) {
        bytes.append(reinterpret_cast<const char*>(array.data()), qsizetype(array.size()));
    };
    for (const auto& matrix : s.keyMatrix)
        add(matrix);
    for (const auto& macro : s.macros)
        add(macro);
    for (const auto& profile : s.profiles)
        add(profile);
    add(s.dpiTable);
    add(s.currentDpi);
    add(s.reportRate);
    add(s.keyboardOption);
    add(s.lighting.fixedColor);
    add(s.lighting.stageColors);
    for (const MouseState::GunSetting& gun : s.gun)
        bytes.append(char(gun.times)).append(char(gun.x)).append(char(gun.y));
    bytes.append(char(s.currentKeyMatrix)).append(char(s.dpiStageCount)).append(char(s.currentProfile));
    bytes.append(char(s.lighting.effect)).append(char(s.lighting.option1)).append(char(s.lighting.option2));
    bytes.append(char(s.lighting.stageColorType));
    return bytes;
}

QList<QByteArray> World::blocks() const
{
    QList<QByteArray> blocks = m_mouse->sentBlocks();
    // The window reads the 560 family's profiles when it connects, the tool
    // when it starts a change: neither is part of the change.
    blocks.removeIf([](const QByteArray& block) { return block.at(0) == 0x00 || quint8(block.at(0)) == 0x8C; });
    return blocks;
}

int ToolWorld::run(const QStringList& arguments)
{
    out.clear();
    err.clear();
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    Environment environment{&m_backend, &m_clock, m_sandbox.path()};
    return runK7ctl(arguments, environment, outStream, errStream);
}

WindowWorld::WindowWorld(const Flags& flags)
    : World(flags)
{
    DeviceEntry entry;
    entry.vid = 0x04D9;
    entry.pid = 0xA1EE;
    entry.path = SimBackend::commandPath(0);
    entry.path2 = SimBackend::notificationPath(0);
    hid.setBackend(&m_backend);
    hid.setClock(&m_clock);
    hid.setIsGunSource([this] { return store.isGun(); });
    hid.setDeviceList({entry});
    hid.chkDeviceIsEnCode(0);
    store.setCurrentProfile(store.getGlobalData(SettingKey::kProfileNo).toInt());
    if (flags.is560)
        for (uint image = 0; image <= (flags.gun ? 4u : 1u); ++image)
            controller.mouseReadProfile(image);
}

void WindowWorld::sync()
{
    store.globalSettings().sync();
    for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile)
        store.profileSettings(profile)->sync();
}
