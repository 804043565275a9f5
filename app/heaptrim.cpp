#include "heaptrim.h"

#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Late enough that the first frames after the start-up lock are drawn.
constexpr int settleMs = 300;

// Waits for the root item's isStarted to turn true, once.
class StartWatch : public QObject
{
    Q_OBJECT
public:
    StartWatch(QQuickItem* root, QObject* parent)
        : QObject(parent)
        , m_started(root, QStringLiteral("isStarted"))
    {
        m_started.connectNotifySignal(this, SLOT(check()));
    }

private slots:
    void check()
    {
        if (!m_started.read().toBool())
            return;
        QTimer::singleShot(settleMs, &releaseFreedHeap);
        deleteLater();
    }

private:
    QQmlProperty m_started;
};

} // namespace

void releaseFreedHeap()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void releaseFreedHeapOnceStarted(QQuickWidget* view)
{
    QQuickItem* root = view ? view->rootObject() : nullptr;
    if (root && QQmlProperty(root, QStringLiteral("isStarted")).hasNotifySignal())
        new StartWatch(root, view);
}

#include "heaptrim.moc"
