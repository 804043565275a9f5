#pragma once

#include "control/family.h"
#include "control/mousecontroller.h"
#include "modulessandbox.h"
#include "simrig.h"
#include "store/settingsstore.h"

#include <QByteArray>
#include <QList>

Q_DECLARE_METATYPE(ControllerFamily)

struct RigOptions
{
    ControllerFamily family = ControllerFamily::Hid553;
    bool gun = false;
    bool colourful = true;
    bool is55328 = false;
};

// A controller wired to an emulated mouse in virtual time, with its settings
// in a sandbox copy of modules/: the global flags as the options say, and a
// factory profile whose button n is key n.
class ControllerRig
{
public:
    explicit ControllerRig(const RigOptions& options);
    // Fails the running test when the mouse saw a protocol error.
    ~ControllerRig();
    // For the one operation that sends another family's command on purpose.
    void expectProtocolErrors() { m_protocolErrorsExpected = true; }

    bool isValid() const { return m_valid; }
    MouseController& controller() { return m_controller; }
    SettingsStore& store() { return m_store; }
    EmulatedMouse& mouse() { return *m_sim.mouse; }
    MouseState state() const { return m_sim.mouse->state(); }

    // The plain command blocks the mouse received, their command bytes, and
    // the blocks of one command byte.
    QList<QByteArray> blocks() const { return m_sim.mouse->sentBlocks(); }
    QByteArray commands() const;
    QList<QByteArray> blocksOf(quint8 command) const;
    void clearRecords() { m_sim.mouse->clearRecords(); }

    // Entry `button` of a 64-byte key matrix, or `count` bytes of any array.
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
    ModulesSandbox m_sandbox;
    bool m_settingsWritten;  // before the store reads them
    SimRig m_sim;
    SettingsStore m_store;
    MouseController m_controller;
    bool m_valid = false;
    bool m_protocolErrorsExpected = false;
};

QVariantList variantList(std::initializer_list<int> values);
