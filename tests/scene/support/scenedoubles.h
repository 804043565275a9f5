#pragma once

// Setup for the scene's Qt Quick tests: every QML engine the test runner
// creates gets recording doubles of the three context objects the scene
// uses ("ui_View", "ui_Ctl", "hid") and their shared call log ("callLog").

#include <QObject>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QVariantMap>
#include <QtGlobal>

class SceneDoubles : public QObject
{
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        QObject* log = create(engine, QStringLiteral("CallLog.qml"), {});
        const QVariantMap withLog{{QStringLiteral("log"), QVariant::fromValue(log)}};
        QQmlContext* context = engine->rootContext();
        context->setContextProperty(QStringLiteral("callLog"), log);
        context->setContextProperty(QStringLiteral("ui_View"), create(engine, QStringLiteral("ViewDouble.qml"), withLog));
        context->setContextProperty(QStringLiteral("ui_Ctl"), create(engine, QStringLiteral("CtlDouble.qml"), withLog));
        context->setContextProperty(QStringLiteral("hid"), create(engine, QStringLiteral("HidDouble.qml"), withLog));
    }

private:
    static QObject* create(QQmlEngine* engine, const QString& file, const QVariantMap& properties)
    {
        QQmlComponent component(engine, QUrl::fromLocalFile(QStringLiteral(K7_SCENE_SUPPORT_DIR "/") + file));
        if (component.isError())
            qFatal("scene double %s: %s", qPrintable(file), qPrintable(component.errorString()));
        QObject* object = component.createWithInitialProperties(properties);
        if (!object)
            qFatal("scene double %s: %s", qPrintable(file), qPrintable(component.errorString()));
        object->setParent(engine);
        return object;
    }
};
