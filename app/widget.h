#pragma once

#include "device/hid_thread.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

class DeviceChangeWatcher;
class WidgetEvents;
class Ui_Controler;
class myQQuickView;

// Set while a listed device answers; read by the two restore paths.
extern bool deviceConnected;

inline constexpr int DETECT_INTERVAL_MS = 2048;

// The exact look of the tray menu.
extern const char TRAY_MENU_STYLE[];

// The program's only top-level window. It owns the device object, the
// window controller with the QML view, the detection timer and the tray icon.
class Widget : public QWidget
{
    Q_OBJECT
public:
    explicit Widget(QWidget* parent = nullptr);
    ~Widget() override;

    Hid_Thread& device() { return m_device; }
    Ui_Controler* controller() const { return m_controller; }
    myQQuickView* view() const;
    QSystemTrayIcon* tray() const { return trayIcon; }
    QTimer& detectionTimer() { return detectTimer; }
    WidgetEvents* events() const { return m_events; }

    void startUi();

    // Which tray activation restores the window (per platform).
    static bool isRestoreActivation(QSystemTrayIcon::ActivationReason reason);

    // A device came or went (WM_DEVICECHANGE, or udev on Linux).
    void deviceChangeNotice();

public Q_SLOTS:
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void checkDevice();
    void exitSYS();
    void receiveMessage(QString message);

protected:
    void customEvent(QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void createTrayIcon();
    void postRestoreRequest();
    void restoreFromRequest();
    void runConnectSequence();
    void runDisconnectSequence();
    void onDeviceRemoved();
    void detectAfterChange();
    bool connectedDeviceUnchanged(const QList<DeviceEntry>& entries);
    void showDpiNotice(int stage);
    void showNotice(const QString& text);

    QTimer detectTimer;
    Ui_Controler* m_controller = nullptr;
    Hid_Thread m_device;
    QSystemTrayIcon* trayIcon = nullptr;
    DeviceChangeWatcher* m_watcher = nullptr;
    WidgetEvents* m_events = nullptr;
    bool m_changedWhileMonitored = false;
};
