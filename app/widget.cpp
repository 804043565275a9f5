#include "widget.h"

#include "devicechangewatcher.h"
#include "myqquickview.h"
#include "ui_controler.h"
#include "userevent.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QLoggingCategory>
#include <QMenu>

Q_LOGGING_CATEGORY(lcWidget, "k7.app")

bool deviceConnected = false;

const char TRAY_MENU_STYLE[] =
    "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
    "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
    "QMenu::item:enabled { color: rgb(225, 225, 225); } "
    "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
    "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, 40); } "
    "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
    "QMenu::indicator { width: 13px; height: 13px; } "
    "QMenu::icon { padding-left: 2px; padding-right: 2px; } ";

namespace {
const char TRAY_TOOL_TIP[] = "TELVARI OSKEN MOUSE K7";
const char TRAY_ICON_FILE[] = "./modules/img/logo.ico";
} // namespace

Widget::Widget(QWidget* parent)
    : QWidget(parent)
{
    m_device.owner = this;

    m_controller = new Ui_Controler;
    m_controller->setupView(this);
    view()->setDevice(&m_device);
    m_device.setIsGunSource([this] { return view()->isGun; });

    detectTimer.setInterval(DETECT_INTERVAL_MS);
    detectTimer.setSingleShot(true);
    connect(&detectTimer, &QTimer::timeout, this, &Widget::checkDevice);

    createTrayIcon();

    m_watcher = new DeviceChangeWatcher(this);
    connect(m_watcher, &DeviceChangeWatcher::deviceChanged, this, &Widget::deviceChangeNotice);
}

Widget::~Widget()
{
    m_device.monitorRunning = false;
    // The monitor ends within one read time-out; the device object must not
    // go away under it.
    m_device.monitorFuture.waitForFinished();
    m_controller->deleteLater();
}

myQQuickView* Widget::view() const
{
    return m_controller->view();
}

void Widget::createTrayIcon()
{
    trayIcon = new QSystemTrayIcon(this);

    auto* quitAction = new QAction(tr("Quit (&Q)"), this);
    connect(quitAction, &QAction::triggered, this, &Widget::exitSYS);

    auto* menu = new QMenu(this);
    menu->addAction(quitAction);
    menu->setStyleSheet(QString::fromLatin1(TRAY_MENU_STYLE));

    trayIcon->setContextMenu(menu);
    trayIcon->setToolTip(QString::fromLatin1(TRAY_TOOL_TIP));
    trayIcon->setIcon(QIcon(QString::fromLatin1(TRAY_ICON_FILE)));
    connect(trayIcon, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
    trayIcon->setVisible(true);
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick && deviceConnected)
        postRestoreRequest();
}

void Widget::receiveMessage(QString message)
{
    qCDebug(lcWidget) << "message from a second instance:" << message;
    if (deviceConnected)
        postRestoreRequest();
}

void Widget::exitSYS()
{
    m_device.monitorRunning = false;
    QCoreApplication::exit(0);
}

void Widget::deviceChangeNotice()
{
    if (!m_device.monitorRunning)
        detectTimer.start();
}

void Widget::restoreFromRequest()
{
    // Like SC_RESTORE: show the window and bring it back from minimised.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    setVisible(true);
}

void Widget::startUi()
{
    view()->initUI();
    QCoreApplication::postEvent(this, new UserEvent(RUN_UI_CODE));
}

void Widget::customEvent(QEvent* event)
{
    if (event->type() == QEvent::User && static_cast<UserEvent*>(event)->code() == RUN_UI_CODE)
        view()->runUI();
}

void Widget::checkDevice()
{
    Q_EMIT detectionPassStarted();
    runDisconnectSequence();
    Q_EMIT detectionPassFinished(false);
}

void Widget::runDisconnectSequence()
{
    qDebug("Device DisConnect");
    deviceConnected = false;
    setVisible(false);
}
