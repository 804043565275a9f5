#include "widget.h"

#include <QMetaObject>

// The tray protocol of current desktops reports one activation, whatever the
// click was; older tray hosts still report a double click.
bool Widget::isRestoreActivation(QSystemTrayIcon::ActivationReason reason)
{
    return reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick;
}

// There is no native restore message here: the request is a queued call to
// the window itself, so it too takes effect on a later turn of the loop.
void Widget::postRestoreRequest()
{
    QMetaObject::invokeMethod(this, [this] { restoreFromRequest(); }, Qt::QueuedConnection);
}

// Device changes arrive from the udev watcher instead of a native message.
bool Widget::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    return QWidget::nativeEvent(eventType, message, result);
}
