#include "ui_controler.h"

#include "myqquickview.h"
#include "widget.h"

#include "store/inistore.h"

#include <QGuiApplication>
#include <QQmlContext>
#include <QWindow>
#include <QSettings>
#include <QWidget>

namespace {

const char SCENE_URL[] = "qrc:modules/qml/main.qml";

void applyWindowTitle(QWidget* window)
{
    const auto global = openIniStore(QStringLiteral("./modules/setting/apConfig.bin"));
    window->setWindowTitle(global->value(QStringLiteral("common/name")).toString());
}

} // namespace

Ui_Controler::Ui_Controler(QObject* parent)
    : QObject(parent)
{
}

void Ui_Controler::setupView(QWidget* window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("Widget"));
    m_window = window;

    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground, true);
    window->setStyleSheet(QStringLiteral("background:transparent;"));

    m_view = new myQQuickView(window);
    m_view->setObjectName(QStringLiteral("ui_View"));
    m_view->setSource(QUrl(QString::fromLatin1(SCENE_URL)));

    // Published after loading: the scene reaches them only from functions
    // that run later, never while its items are being built.
    QQmlContext* context = m_view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), m_view);
    if (auto* owner = qobject_cast<Widget*>(window))
        context->setContextProperty(QStringLiteral("hid"), &owner->device());
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);

    window->resize(m_view->size());
    applyWindowTitle(window);
}

void Ui_Controler::onMinimize()
{
    if (m_window)
        m_window->showMinimized();
}

void Ui_Controler::onClose()
{
    if (m_window)
        m_window->setVisible(false);
}

bool Ui_Controler::movesThroughSystem(const QString& platformName)
{
    return platformName.startsWith(QLatin1String("wayland"));
}

void Ui_Controler::moveWindowBy(int dx, int dy)
{
    if (!m_window)
        return;
    // A Wayland client cannot place its own window; the compositor moves it
    // for the rest of the drag once asked, so the later steps change nothing.
    if (movesThroughSystem(QGuiApplication::platformName())) {
        if (QWindow* handle = m_window->windowHandle())
            handle->startSystemMove();
        return;
    }
    m_window->move(m_window->x() + dx, m_window->y() + dy);
}

void Ui_Controler::onXChanged(int x)
{
    moveWindowBy(x, 0);
}

void Ui_Controler::onYChanged(int y)
{
    moveWindowBy(0, y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (m_view)
        m_view->setBusy(busyTime);
}

void Ui_Controler::setBusy()
{
    setBusy(0);
}
