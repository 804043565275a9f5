#include "myqquickview.h"

#include "device/hid_thread.h"
#include "rootcall.h"

#include <QFocusEvent>
#include <QQuickItem>
#include <QSettings>
#include <QThread>

myQQuickView::myQQuickView(QWidget* parent)
    : QQuickWidget(parent)
{
    // The window is translucent; the scene paints its own background.
    setClearColor(Qt::transparent);
    setAttribute(Qt::WA_AlwaysStackOnTop);

    const QSettings global(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    isColorful = global.value(QStringLiteral("mouse/isColorful")).toBool();
    isGun = global.value(QStringLiteral("mouse/isGun")).toBool();
    icType = global.value(QStringLiteral("mouse/icType")).toString();
    is55328 = global.value(QStringLiteral("mouse/is55328")).toBool();
}

myQQuickView::~myQQuickView() = default;

void myQQuickView::clearHidBusy()
{
    if (m_device)
        m_device->clearHidBusy();
}

void myQQuickView::initUI()
{
    callRootFunction(rootObject(), "initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    callRootFunction(rootObject(), "run", Qt::QueuedConnection);
}

void myQQuickView::openUpdateExe()
{
}

void myQQuickView::setBusy(int busyTime)
{
    callRootFunction(rootObject(), "setProtectUI", Qt::DirectConnection, {QVariant(busyTime)});
}

void myQQuickView::setCurrentDPI(int dpiValue)
{
    // The notification monitor calls from a pool thread; the scene is only
    // touched on the GUI thread.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, dpiValue] { setCurrentDPI(dpiValue); }, Qt::QueuedConnection);
        return;
    }
    callRootFunction(rootObject(), "setCurrentDPI", Qt::DirectConnection, {QVariant(dpiValue)});
}

void myQQuickView::detectKeyboard(bool isDown, int code)
{
    callRootFunction(rootObject(), "detectKeyboard", Qt::QueuedConnection, {QVariant(isDown), QVariant(code)});
}

void myQQuickView::detectMouse(bool isDown, int code, int x, int y)
{
    callRootFunction(rootObject(), "detectMouse", Qt::QueuedConnection,
                     {QVariant(isDown), QVariant(code), QVariant(x), QVariant(y)});
}

void myQQuickView::focusInEvent(QFocusEvent* event)
{
    repaint();
    event->accept();
}
