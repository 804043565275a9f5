#pragma once

// What the fuzz targets share: a private copy of the shipped modules/ folder
// as the working directory, input files written so that QSettings parses
// each one anew, a pacing clock that never sleeps, and quiet logging.
#include "device/hid_thread.h"
#include "device/pacingclock.h"
#include "sim/simbackend.h"
#include "sim/virtualclock.h"
#include "control/mousecontroller.h"
#include "store/filechooser.h"
#include "store/macrolibrary.h"
#include "store/settingsstore.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Once per process: makes the application object, copies modules/ into a
// fresh temporary folder, makes it the working directory and silences Qt's
// messages (K7_FUZZ_VERBOSE=1 keeps them). `folder` names the copy, so a target may keep several.
QString enterScratchModules(const QString &folder = QStringLiteral("main"));

// Writes the input as `path` and gives it a modification time that no earlier
// input had: QSettings serves a file from its cache while size and time stay
// the same, which would hide most inputs behind the first.
void writeInput(const QString &path, const std::uint8_t *data, std::size_t size);

// Puts the shipped content of a modules/ file back (path below modules/).
void restoreShipped(const QString &modulesPath);

// Ends the run as a finding when a promise of the code under test is broken.
[[noreturn]] void broken(const char *what);
inline void require(bool condition, const char *what)
{
    if (!condition)
        broken(what);
}

// Protocol pauses pass in no time at all.
class InstantClock final : public PacingClock
{
public:
    void sleepMs(int ms) override { m_now += ms; }
    qint64 nowMs() override { return m_now; }

private:
    qint64 m_now = 0;
};

// Import dialogs answer with one path, export dialogs with another.
class PresetChooser final : public FileChooser
{
public:
    QString importPath;
    QString exportPath;
    QString openFileName(const QString &, const QString &, const QString &) override { return importPath; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return exportPath; }
};

// A device object connected to an emulated mouse in virtual time, for the
// targets whose input reaches the mouse through the controller.
struct EmulatedDevice
{
    VirtualClock clock;
    SimBackend backend{&clock};
    EmulatedMouse *mouse = nullptr;
    Hid_Thread hid;

    explicit EmulatedDevice(EmulatedMouse::Family family);
    // Forgets what the last run recorded, so that long runs stay flat.
    void clearRecords();
};

// The stores, the macro library and the controller over an emulated 553
// mouse, with import and export dialogs that answer `importPath` and
// `exportPath`.
struct StoreRig
{
    PresetChooser chooser;
    EmulatedDevice device{EmulatedMouse::Family::F553};
    SettingsStore store{&chooser};
    MacroLibrary macros{store, &chooser};
    MouseController controller{device.hid, store};

    StoreRig(const QString &importPath, const QString &exportPath);
};

} // namespace fuzz
