#include "firstframeprobe.h"

#include <QEvent>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTimer>

#include <cstdio>

namespace {

class FirstFrameProbe : public QObject
{
public:
    explicit FirstFrameProbe(QQuickWidget* view)
        : QObject(view)
        , m_view(view)
    {
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_view && event->type() == QEvent::Paint && m_view->rootObject()
            && m_view->rootObject()->isVisible()) {
            m_view->removeEventFilter(this);
            // After this paint event has been handled and flushed.
            QTimer::singleShot(0, this, [this] {
                std::fputs("first-frame\n", stdout);
                std::fflush(stdout);
                deleteLater();
            });
        }
        return false;
    }

private:
    QQuickWidget* m_view;
};

} // namespace

void reportFirstFrame(QQuickWidget* view)
{
    if (view && qEnvironmentVariableIsSet("K7_REPORT_FIRST_FRAME"))
        new FirstFrameProbe(view);
}
