#include "trayfallback.h"

#include "desktopnotifier.h"
#include "widget.h"
#include "widgetevents.h"

#include <QEvent>
#include <QMetaObject>

namespace {
constexpr int NOTICE_MS = 10000;
}

TrayFallback::TrayFallback(Widget& window, std::function<bool()> trayAvailable)
    : QObject(&window)
    , m_window(window)
    , m_trayAvailable(std::move(trayAvailable))
    , m_notifier(new DesktopNotifier(this))
{
    connect(window.events(), &WidgetEvents::noticeShown, this, &TrayFallback::onNotice);
    window.installEventFilter(this);
}

void TrayFallback::onNotice(const QString& title, const QString& text)
{
    if (!m_trayAvailable())
        m_notifier->notify(title, text, NOTICE_MS);
}

bool TrayFallback::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window || m_trayAvailable())
        return false;
    if (event->type() == QEvent::Close) {
        m_window.exitSYS();
        return false;
    }
    // The program hid its window (the scene's close button, no device): on
    // the next turn it comes back minimised, so the task bar keeps it.
    if (event->type() == QEvent::Hide && !event->spontaneous() && !m_window.isMinimized())
        QMetaObject::invokeMethod(&m_window, [this] {
            if (!m_window.isVisible())
                m_window.showMinimized();
        }, Qt::QueuedConnection);
    return false;
}
