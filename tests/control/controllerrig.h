#pragma once

#include "control/family.h"
#include "control/mousecontroller.h"
#include "device/hid_thread.h"
#include "sim/emulatedmouse.h"
#include "sim/simbackend.h"
#include "sim/virtualclock.h"
#include "store/settingsstore.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <memory>

Q_DECLARE_METATYPE(ControllerFamily)

// A controller wired to an emulated mouse in virtual time, with its settings
// files in a scratch folder that is the working directory while it lives.
struct RigOptions
{
    ControllerFamily family = ControllerFamily::Hid553;
    bool colourful = true;
    bool gun = false;
    bool is55328 = false;
};

class ControllerRig
{
public:
    explicit ControllerRig(const RigOptions& options);
    ~ControllerRig();
    ControllerRig(const ControllerRig&) = delete;
    ControllerRig& operator=(const ControllerRig&) = delete;

    bool isValid() const { return valid; }
    MouseController& controller() { return *m_controller; }
    SettingsStore& store() { return *m_store; }
    EmulatedMouse& mouse() { return *m_mouse; }
    MouseState state() const { return m_mouse->state(); }

    // The plain command blocks the mouse received, and their command bytes.
    QList<QByteArray> blocks() const { return m_mouse->sentBlocks(); }
    QByteArray commands() const;
    // Blocks of one command byte.
    QList<QByteArray> blocksOf(quint8 command) const;
    void clearRecords() { m_mouse->clearRecords(); }

    // Entry `button` of a 64-byte key matrix or any other byte array.
    static QList<int> entry(const std::array<quint8, 64>& matrix, int button);
    template <std::size_t N>
    static QList<int> bytes(const std::array<quint8, N>& array, int offset, int count)
    {
        QList<int> list;
        for (int i = offset; i < offset + count; ++i)
            list.append(array[std::size_t(i)]);
        return list;
    }

private:
    QString previousFolder;
    QTemporaryDir folder;
    VirtualClock clock;
    SimBackend backend{&clock};
    Hid_Thread hid;
    EmulatedMouse* m_mouse = nullptr;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<MouseController> m_controller;
    bool valid = false;
};

QVariantList variantList(std::initializer_list<int> values);
