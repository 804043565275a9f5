#include "session.h"

#include "devicedetection.h"
#include "devicelist.h"

#include "device/pacingclock.h"
#include "store/keycatalogue.h"

Session::Session(HidBackend& backend, PacingClock& clock)
    : m_backend(backend)
    , m_store(&m_chooser)
    , m_macros(m_store, &m_chooser)
    , m_guns(m_store)
    , m_controller(m_hid, m_store)
{
    m_hid.setBackend(&m_backend);
    m_hid.setClock(&clock);
    m_hid.setIsGunSource([this] { return m_store.isGun(); });
    m_hid.setFamilySource([this] { return m_store.is560Family(); });
    // As the window's start-up: every profile read and write addresses the
    // active profile.
    m_store.setCurrentProfile(activeProfile());
}

int Session::activeProfile() const
{
    bool ok = false;
    const int profile = m_store.getGlobalData(SettingKey::kProfileNo).toInt(&ok);
    return ok && profile >= 0 && profile < kUserProfiles ? profile : 0;
}

bool Session::is560() const
{
    return m_store.is560Family();
}

QList<DeviceEntry> Session::findDevices()
{
    QList<DeviceEntry> entries = loadDeviceList();
    assignInterfacePaths(entries, m_backend);
    m_hid.setDeviceList(entries);
    return entries;
}

bool Session::answers(int index)
{
    const DeviceEntry* entry = m_hid.entry(index);
    return entry && !entry->path.isEmpty() && m_hid.chkDeviceIsEnCode(index);
}

CliError Session::connect()
{
    const QList<DeviceEntry> entries = findDevices();
    int found = -1;
    for (int index = 0; index < entries.size() && found < 0; ++index)
        if (answers(index))
            found = index;
    if (found < 0)
        return {ExitCode::NoDevice, QStringLiteral("no listed mouse answers (is it plugged in, and may this user open its hidraw nodes?)")};

    m_hid.currentDevice = found;
    m_backend.resetFailures();
    if (is560()) {
        const int last = m_store.isGun() ? profileimage::LastGunMode : profileimage::Normal;
        for (int image = 0; image <= last; ++image)
            m_controller.mouseReadProfile(uint(image));
        if (CliError error = deviceFailure(QStringLiteral("reading the on-board profiles; nothing was changed")))
            return error;
    }
    return {};
}

CliError Session::deviceFailure(const QString& what) const
{
    if (m_backend.failures() == 0)
        return {};
    return CliError::device(QStringLiteral("the mouse failed %1 transfer(s) while %2").arg(m_backend.failures()).arg(what));
}

CliError Session::flush()
{
    QList<QSettings*> stores{&m_store.globalSettings()};
    for (int profile = 0; profile < SettingsStore::kProfileCount; ++profile)
        stores.append(m_store.profileSettings(profile));
    for (QSettings* settings : stores) {
        if (!settings)
            continue;
        settings->sync();
        if (settings->status() != QSettings::NoError)
            return CliError::file(QStringLiteral("cannot write %1").arg(settings->fileName()));
    }
    return {};
}
