#pragma once

// A window whose device object talks to emulated mice in virtual time, in a
// private copy of the shipped data folder.
#include "app/myqquickview.h"
#include "app/widget.h"
#include "app/widgetevents.h"
#include "modulessandbox.h"
#include "sim/emulatedmouse.h"
#include "sim/simbackend.h"
#include "sim/virtualclock.h"

#include <QQuickItem>
#include <QSettings>

#include <memory>

struct ListedDevice
{
    quint16 pid = 0xA1EE;
    bool isEncode = false;
    QString sCode = QStringLiteral("5A0C3E");
};

class DetectionRig
{
public:
    DetectionRig() { backend.setNotificationWaitMs(5); }

    EmulatedMouse* addMouse(const EmulatedMouse::Config& config = {}) { return backend.addMouse(config); }
    // A mouse of the family an icType setting names, with its own keyboard
    // options (the connect sequence must keep all but its switch).
    static constexpr std::array<quint8, 4> OwnOptions{0x11, 0x22, 0x33, 0x04};
    EmulatedMouse* addMouse(const QString& icType)
    {
        EmulatedMouse::Config config;
        config.family = icType == QLatin1String("560") ? EmulatedMouse::Family::F560 : EmulatedMouse::Family::F553;
        EmulatedMouse* mouse = addMouse(config);
        MouseState state = mouse->state();
        state.keyboardOption = OwnOptions;
        mouse->setState(state);
        return mouse;
    }

    // Rewrites the device list and the device flags of apConfig.bin.
    void configure(const QList<ListedDevice>& devices, const QString& icType = QStringLiteral("553"),
                   bool isGun = true)
    {
        QSettings global(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
        global.remove(QStringLiteral("0"));
        global.setValue(QStringLiteral("common/deviceCount"), devices.size());
        for (int i = 0; i < devices.size(); ++i) {
            const QString s = QString::number(i) + QLatin1Char('/');
            global.setValue(s + QStringLiteral("vid"), QStringLiteral("04d9"));
            global.setValue(s + QStringLiteral("pid"), QString::number(devices[i].pid, 16));
            global.setValue(s + QStringLiteral("usagePage"), QStringLiteral("ff00"));
            global.setValue(s + QStringLiteral("usage"), QStringLiteral("ff00"));
            global.setValue(s + QStringLiteral("usagePage2"), QStringLiteral("ff01"));
            global.setValue(s + QStringLiteral("usage2"), QStringLiteral("ff01"));
            global.setValue(s + QStringLiteral("isEncode"), devices[i].isEncode);
            global.setValue(s + QStringLiteral("sCode"), devices[i].sCode);
        }
        global.setValue(QStringLiteral("mouse/icType"), icType);
        global.setValue(QStringLiteral("mouse/isGun"), isGun);
    }

    Widget& window()
    {
        if (!m_window) {
            m_window = std::make_unique<Widget>();
            m_window->device().setBackend(&backend);
            m_window->device().setClock(&clock);
            m_window->view()->setSource(QUrl::fromLocalFile(qEnvironmentVariable("K7_SOURCE_DIR")
                                                            + QStringLiteral("/tests/app/recorder.qml")));
        }
        return *m_window;
    }

    // One listed, answering mouse, connected by a first detection pass.
    EmulatedMouse* connectMouse(const EmulatedMouse::Config& config = {})
    {
        EmulatedMouse* mouse = addMouse(config);
        configure({ListedDevice{}});
        window().checkDevice();
        return mouse;
    }

    QStringList sceneCalls() { return window().view()->rootObject()->property("calls").toStringList(); }

    // Command bytes of the blocks a mouse received, as hex ("00 83 03").
    static QString commands(const EmulatedMouse* mouse)
    {
        QStringList bytes;
        for (const QByteArray& block : mouse->sentBlocks())
            bytes << QString::fromLatin1(block.left(1).toHex());
        return bytes.join(QLatin1Char(' '));
    }

    ModulesSandbox sandbox;
    VirtualClock clock;
    SimBackend backend{&clock};

private:
    std::unique_ptr<Widget> m_window;
};
