#include "controllerrig.h"

#include "store/keycatalogue.h"
#include "store/storepaths.h"

#include <QSettings>
#include <QTest>

namespace {

QString icType(ControllerFamily family)
{
    return family == ControllerFamily::Hid560 ? QStringLiteral("560") : QStringLiteral("553");
}

bool writeSettings(bool sandboxValid, const RigOptions& options)
{
    QSettings global(StorePath::kGlobal, QSettings::IniFormat);
    global.setValue(SettingKey::kIsColorful, options.colourful);
    global.setValue(SettingKey::kIsGun, options.gun);
    global.setValue(SettingKey::kIcType, icType(options.family));
    global.setValue(SettingKey::kIs55328, options.is55328);
    // Factory entries that differ from anything a test stores.
    QSettings factory(StorePath::kFactoryProfile, QSettings::IniFormat);
    for (int button = 0; button < SettingKey::kButtonCount; ++button)
        factory.setValue(SettingKey::keyMatrixKey(button), variantList({2, 0, 0x04 + button, 0}));
    return sandboxValid;
}

EmulatedMouse::Config mouseFor(const RigOptions& options)
{
    return SimRig::config(options.family == ControllerFamily::Hid560 ? EmulatedMouse::Family::F560
                                                                     : EmulatedMouse::Family::F553);
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
    : m_settingsWritten(writeSettings(m_sandbox.isValid(), options))
    , m_sim(mouseFor(options))
    , m_controller(m_sim.hid, m_store)
{
    m_sim.gun = options.gun;
    m_valid = m_settingsWritten && m_store.icType() == icType(options.family);
}

ControllerRig::~ControllerRig()
{
    // Every command a test sends must be one the mouse's family takes, and
    // well formed: a family mix-up in the controller fails here.
    const QStringList errors = m_sim.mouse->protocolErrors();
    if (!m_protocolErrorsExpected)
        QTest::qVerify(errors.isEmpty(), "protocolErrors().isEmpty()", qPrintable(errors.join(QLatin1Char('\n'))),
                       __FILE__, __LINE__);
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
