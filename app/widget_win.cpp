#include "widget.h"

#include "winmessages.h"

bool Widget::isRestoreActivation(QSystemTrayIcon::ActivationReason reason)
{
    return reason == QSystemTrayIcon::DoubleClick;
}

void Widget::postRestoreRequest()
{
    postWinRestoreRequest(reinterpret_cast<void*>(winId()));
}

// Never consumes a message: default processing continues, so a restore
// request also restores a minimised window.
bool Widget::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    if (eventType == "windows_generic_MSG") {
        switch (classifyWinMessage(message)) {
        case WinMessageKind::Restore:
            setVisible(true);
            break;
        case WinMessageKind::DeviceChange:
            deviceChangeNotice();
            break;
        case WinMessageKind::Other:
            break;
        }
    }
    return QWidget::nativeEvent(eventType, message, result);
}
