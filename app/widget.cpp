#include "widget.h"

#include "devicechangewatcher.h"
#include "devicedetection.h"
#include "devicelist.h"
#include "dpinotice.h"
#include "myqquickview.h"
#include "trayimage.h"
#include "ui_controler.h"
#include "userevent.h"
#include "widgetevents.h"

#include <QAction>
#include <QCoreApplication>
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
constexpr int NOTICE_MS = 10000;
const char TRAY_TOOL_TIP[] = "TELVARI OSKEN MOUSE K7";
const char TRAY_ICON_FILE[] = "./modules/img/logo.ico";
constexpr int TRAY_ICON_LARGEST_SIDE = 64;
} // namespace

Widget::Widget(QWidget* parent)
    : QWidget(parent)
    , m_events(new WidgetEvents(this))
{
    m_device.owner = this;

    m_controller = new Ui_Controler;
    m_controller->setupView(this);
    view()->setDevice(&m_device);
    m_device.setIsGunSource([this] { return view()->isGun; });
    m_device.setFamilySource([this] { return view()->icType == QLatin1String("560"); });

    // The monitor runs on a pool thread; what it finds reaches the view and
    // the tray on this thread, in the order it was found.
    connect(&m_device, &Hid_Thread::deviceRemoved, this, &Widget::onDeviceRemoved, Qt::QueuedConnection);
    connect(&m_device, &Hid_Thread::dpiStageNotified, this, &Widget::showDpiNotice, Qt::QueuedConnection);
    connect(&m_device, &Hid_Thread::deviceStillPresent, this, &Widget::detectAfterChange, Qt::QueuedConnection);

    detectTimer.setInterval(DETECT_INTERVAL_MS);
    detectTimer.setSingleShot(true);
    connect(&detectTimer, &QTimer::timeout, this, &Widget::checkDevice);

    createTrayIcon();

    m_watcher = new DeviceChangeWatcher(this);
    connect(m_watcher, &DeviceChangeWatcher::deviceChanged, this, &Widget::deviceChangeNotice);
}

Widget::~Widget()
{
    // The monitor ends within one read time-out; the device object must not
    // go away under it.
    m_device.stopMonitor();
    // Deleted at once rather than scheduled: the event loop has ended by now,
    // so a deferred deletion would never happen.
    delete m_controller;
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
    trayIcon->setIcon(trayIconFrom(QString::fromLatin1(TRAY_ICON_FILE), TRAY_ICON_LARGEST_SIDE));
    connect(trayIcon, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
    trayIcon->setVisible(true);
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (isRestoreActivation(reason) && deviceConnected)
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
    if (!m_device.monitorRunning) {
        detectTimer.start();
        return;
    }
    // The monitor may still hold a handle from before the change, and after
    // a quick unplug and replug the system reuses the node, so its reads go
    // on as if nothing happened while the mouse has forgotten its settings.
    // Once the monitor's next open has found the device or noticed its
    // removal, a pass looks again.
    m_changedWhileMonitored = true;
    m_device.requestPresenceCheck();
}

void Widget::detectAfterChange()
{
    if (!m_changedWhileMonitored)
        return;
    m_changedWhileMonitored = false;
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
    // The timer can fire inside the event processing of a running exchange.
    // A pass then would take over the channel mid-command (the handshake
    // counts a busy channel as an answer, and the connect step sends its own
    // blocks), so it waits for the exchange to end.
    if (m_device.hidBusy) {
        detectTimer.start();
        return;
    }
    Q_EMIT m_events->detectionPassStarted();
    m_changedWhileMonitored = false;  // this pass looks anyway

    // A command of the scene started now would run inside one of the pass's
    // exchanges, while that exchange waits for events to be processed; it
    // could not wait for the channel and would fail. The view takes no
    // input until the pass is over.
    const bool wasEnabled = view()->isEnabled();
    view()->setEnabled(false);

    QList<DeviceEntry> entries = loadDeviceList();
    assignInterfacePaths(entries, *m_device.backend());
    if (wasEnabled && deviceConnected && connectedDeviceUnchanged(entries)) {
        view()->setEnabled(true);
        Q_EMIT m_events->detectionPassFinished(true);
        return;
    }

    // The list about to be replaced is what a running monitor reads from.
    m_device.stopMonitor();
    m_device.setDeviceList(entries);

    for (int j = 0; j < entries.size(); ++j) {
        if (m_device.entry(j)->path.isEmpty())
            continue;
        if (m_device.chkDeviceIsEnCode(j)) {
            runConnectSequence();
            Q_EMIT m_events->detectionPassFinished(true);
            return;
        }
    }
    view()->setEnabled(wasEnabled);
    runDisconnectSequence();
    Q_EMIT m_events->detectionPassFinished(false);
}

bool Widget::connectedDeviceUnchanged(const QList<DeviceEntry>& entries)
{
    // The device in use is still the first listed one present, at the same
    // interfaces, answers, and has kept the notification switch of its
    // connect sequence: nothing to redo for a change somewhere else.
    const int index = m_device.currentDevice;
    const DeviceEntry* current = m_device.entry(index);
    if (!current || index >= entries.size())
        return false;
    for (int j = 0; j < index; ++j)
        if (!entries[j].path.isEmpty())
            return false;
    const DeviceEntry& found = entries[index];
    if (found.path.isEmpty() || found.path != current->path || found.path2 != current->path2
        || found.vid != current->vid || found.pid != current->pid || found.sCode != current->sCode
        || found.isEncode != current->isEncode)
        return false;
    return m_device.chkDeviceIsEnCode(index) && m_device.notificationsSwitchedOn();
}

void Widget::runConnectSequence()
{
    qDebug("Device Connect");
    view()->clearHidBusy();
    deviceConnected = true;
    showNotice(QStringLiteral("Detect Device"));
    m_device.startMonitor(uint(m_device.currentDevice));

    if (view()->icType == QLatin1String("560")) {
        // The 560 family keeps its settings in on-board profiles; the gun
        // profiles 2 to 4 matter only on a mouse with gun functions.
        const uint last = view()->isGun ? 4 : 1;
        for (uint profile = 0; profile <= last; ++profile)
            view()->mouseReadProfile(profile);
    }
    view()->setEnabled(true);
    startUi();
}

void Widget::onDeviceRemoved()
{
    view()->setEnabled(false);
    detectAfterChange();
}

void Widget::showDpiNotice(int stage)
{
    view()->setCurrentDPI(stage);
    showNotice(dpiNoticeText(stage));
}

void Widget::showNotice(const QString& text)
{
    const QString title = QStringLiteral("Info");
    trayIcon->showMessage(title, text, QSystemTrayIcon::Information, NOTICE_MS);
    qCDebug(lcWidget) << "notice:" << title << text;
    Q_EMIT m_events->noticeShown(title, text);
}

void Widget::runDisconnectSequence()
{
    qDebug("Device DisConnect");
    deviceConnected = false;
    setVisible(false);
}
