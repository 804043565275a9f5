#pragma once

#include "exitcode.h"
#include "watchingbackend.h"

#include "control/mousecontroller.h"
#include "device/hid_thread.h"
#include "store/filechooser.h"
#include "store/gunlibrary.h"
#include "store/macrolibrary.h"
#include "store/settingsstore.h"

#include <QList>

#include <utility>

class PacingClock;

// Import and export take the file named on the command line instead of
// asking with a dialog.
class NamedFileChooser final : public FileChooser
{
public:
    void setAnswer(const QString& path) { m_answer = path; }
    QString openFileName(const QString&, const QString&, const QString&) override { return take(); }
    QString saveFileName(const QString&, const QString&, const QString&) override { return take(); }

private:
    QString take() { return std::exchange(m_answer, QString()); }
    QString m_answer;
};

// The objects the window holds, built the same way: the settings store with
// its libraries, the device object and the controller. The working directory
// must hold ./modules/ when it is made.
class Session
{
public:
    Session(HidBackend& backend, PacingClock& clock);

    SettingsStore& store() { return m_store; }
    const SettingsStore& store() const { return m_store; }
    MacroLibrary& macros() { return m_macros; }
    GunLibrary& guns() { return m_guns; }
    MouseController& controller() { return m_controller; }
    Hid_Thread& hid() { return m_hid; }
    NamedFileChooser& chooser() { return m_chooser; }

    // The profiles a user reaches (0..5), and the active one
    // ("mouse/profileNo"; 0 when it holds no such number).
    static constexpr int kUserProfiles = 6;
    int activeProfile() const;

    // The device list with the paths of the interfaces present; no exchange.
    QList<DeviceEntry> findDevices();
    // The handshake with entry `index` of the list last found.
    bool answers(int index);

    // Detection as the window does it: the first listed mouse that answers
    // the handshake; for the 560 family its on-board profiles are read back,
    // since every later change sends them whole.
    CliError connect();
    int deviceIndex() const { return m_hid.currentDevice; }
    bool is560() const;

    // A failed transfer since connect() is a device error.
    CliError deviceFailure(const QString& what) const;
    // Writes every settings file now; a file error when one cannot be written.
    CliError flush();

private:
    NamedFileChooser m_chooser;
    WatchingBackend m_backend;
    SettingsStore m_store;
    MacroLibrary m_macros;
    GunLibrary m_guns;
    Hid_Thread m_hid;
    MouseController m_controller;
};
