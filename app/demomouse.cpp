#include "demomouse.h"

#include "myqquickview.h"
#include "widget.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {
constexpr int DPI_STAGES = 4;
}

DemoMouse::DemoMouse() = default;

void DemoMouse::install(Widget& window)
{
    EmulatedMouse::Config config;
    config.family = window.view()->icType == QLatin1String("560") ? EmulatedMouse::Family::F560
                                                                   : EmulatedMouse::Family::F553;
    m_mouse = m_backend.addMouse(config);
    window.device().setBackend(&m_backend);
    window.device().setClock(&m_clock);

    auto* tray = new QSystemTrayIcon(window.tray()->icon(), &window);
    tray->setToolTip(QStringLiteral("Emulated mouse"));
    auto* menu = new QMenu(&window);
    m_dpiButton = menu->addAction(QStringLiteral("Press the DPI button"));
    QObject::connect(m_dpiButton, &QAction::triggered, [this] {
        m_stage = m_stage % DPI_STAGES + 1;
        m_mouse->pressDpiButton(quint8(m_stage));
    });
    QObject::connect(menu->addAction(QStringLiteral("Unplug")), &QAction::triggered, [this] { m_mouse->unplug(); });
    QObject::connect(menu->addAction(QStringLiteral("Plug in")), &QAction::triggered, [this, &window] {
        m_mouse->replug();
        window.deviceChangeNotice(); // what udev says for a real one
    });
    tray->setContextMenu(menu);
    tray->setVisible(true);
}
