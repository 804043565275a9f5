#include "firstframeprobe.h"

#include <QEvent>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

namespace {

// A paint of the view only shows what its scene last rendered: the first
// frame is the first paint after a render made with the root item visible.
// Paints before that show an older, empty image.
class FirstFrameProbe : public QObject
{
public:
    explicit FirstFrameProbe(QQuickWidget* view)
        : QObject(view)
        , m_view(view)
    {
        view->installEventFilter(this);
        connect(view->quickWindow(), &QQuickWindow::afterRendering, this, [this] {
            if (m_view->rootObject() && m_view->rootObject()->isVisible())
                m_rendered = true;
        }, Qt::DirectConnection);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_view && event->type() == QEvent::Paint && m_rendered) {
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
    bool m_rendered = false;
};

} // namespace

void reportFirstFrame(QQuickWidget* view)
{
    if (view && qEnvironmentVariableIsSet("K7_REPORT_FIRST_FRAME"))
        new FirstFrameProbe(view);
}
