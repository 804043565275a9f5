// k7config-minimalwindow: the yardstick of k7config-scenebench. A frameless
// 1024 x 640 widget window whose QQuickWidget shows one rectangle, set up
// like the utility's window (same renderer choice, same first-frame report).
// With --text the rectangle carries one line of text.
#include "app/firstframeprobe.h"
#include "app/scenesetup.h"

#include <QApplication>
#include <QQuickWidget>
#include <QUrl>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareScene();

    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.setAttribute(Qt::WA_TranslucentBackground, true);
    auto* view = new QQuickWidget(&window);
    view->setClearColor(Qt::transparent);
    const bool withText = app.arguments().contains(QStringLiteral("--text"));
    view->setSource(QUrl(withText ? QStringLiteral("qrc:/bench/minimaltext.qml")
                                  : QStringLiteral("qrc:/bench/minimal.qml")));
    window.resize(view->size());
    reportFirstFrame(view);
    window.show();
    return app.exec();
}
