#include "scenesetup.h"

#include <QFont>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QStringList>
#include <QtGlobal>

void prepareScene()
{
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") && qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    QFont::insertSubstitutions(QStringLiteral("微软雅黑"),
        {QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"),
         QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback")});
}
