#pragma once

// Two worlds that start alike: a sandbox copy of modules/ with the given
// device flags and a second profile that differs from the first, and an
// emulated mouse whose on-board profiles hold recognisable bytes. In one the
// tool runs; in the other the test makes the window's controller calls.
#include "fakefilechooser.h"
#include "modulessandbox.h"

#include "cli/commands.h"
#include "control/mousecontroller.h"
#include "device/hid_thread.h"
#include "sim/simbackend.h"
#include "sim/virtualclock.h"
#include "store/gunlibrary.h"
#include "store/macrolibrary.h"
#include "store/settingsstore.h"

#include <QByteArray>
#include <QMap>

struct Flags
{
    bool is560 = false;
    bool gun = true;
};
Q_DECLARE_METATYPE(Flags)

using Files = QMap<QString, QByteArray>;

class World
{
public:
    explicit World(const Flags& flags);

    bool isValid() const { return m_prepared; }
    QString folder() const { return m_sandbox.path(); }
    EmulatedMouse& mouse() { return *m_mouse; }
    // Settings files by path below the sandbox.
    Files files() const;
    // Everything the mouse keeps, as bytes.
    QByteArray state() const;
    // Command blocks the mouse received, less the handshake and profile reads.
    QList<QByteArray> blocks() const;

protected:
    ModulesSandbox m_sandbox;
    bool m_prepared;
    VirtualClock m_clock;
    SimBackend m_backend{&m_clock};
    EmulatedMouse* m_mouse = nullptr;
};

class ToolWorld : public World
{
public:
    explicit ToolWorld(const Flags& flags) : World(flags) {}
    int run(const QStringList& arguments);
    QString out;
    QString err;
};

// The window after its start-up: stores open on the active profile, the
// mouse detected and, for the 560 family, its profiles read back.
class WindowWorld : public World
{
public:
    explicit WindowWorld(const Flags& flags);

    Hid_Thread hid;
    FakeFileChooser chooser;
    SettingsStore store{&chooser};
    MacroLibrary macros{store, &chooser};
    GunLibrary guns{store};
    MouseController controller{hid, store};
    // Writes the stores back, as the window's stores do on their own.
    void sync();
};

QVariantList ints(std::initializer_list<int> values);
// The sixteen stored button entries of the active profile as one flat list.
QVariantList storedKeyMatrix(SettingsStore& store);
