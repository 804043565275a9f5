#include "trayfallback.h"

#include <QSystemTrayIcon>

void attachTrayFallback(Widget& window)
{
    new TrayFallback(window, [] { return QSystemTrayIcon::isSystemTrayAvailable(); });
}
