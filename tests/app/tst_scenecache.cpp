// The scene is compiled ahead of time; this checks that the engine really
// takes the compiled units instead of parsing the sources at start-up.
//
// The engine asks every registered unit lookup in turn for each file it
// loads. A lookup registered here, after the scene's own, is only asked
// about a file the scene's lookup had no unit for.
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlprivate.h>

namespace {

QStringList g_unanswered;

const QQmlPrivate::CachedQmlUnit *recordLookup(const QUrl &url)
{
    g_unanswered << url.toString();
    return nullptr;
}

} // namespace

class TestSceneCache : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QQmlPrivate::RegisterQmlUnitCacheHook hook = {0, &recordLookup};
        QQmlPrivate::qmlregister(QQmlPrivate::QmlUnitCacheHookRegistration, &hook);
    }

    void sceneLoadsFromCompiledUnits()
    {
        QQmlEngine engine;
        // A file outside the scene: the lookups are asked at all.
        QTemporaryDir folder;
        const QString plain = folder.filePath(QStringLiteral("Plain.qml"));
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("import QtQuick\nItem {}\n");
        file.close();
        QQmlComponent outside(&engine, QUrl::fromLocalFile(plain));
        QVERIFY2(outside.isReady(), qPrintable(outside.errorString()));
        QVERIFY(g_unanswered.contains(QUrl::fromLocalFile(plain).toString()));

        for (const char *address : {"qrc:modules/qml/main.qml", "qrc:modules/qml/screen/MainScreen.qml"}) {
            QQmlComponent scene(&engine, QUrl(QString::fromLatin1(address)));
            QVERIFY2(scene.isReady(), qPrintable(scene.errorString()));
        }
        const QStringList parsed = g_unanswered.filter(QStringLiteral("modules/qml"));
        QVERIFY2(parsed.isEmpty(), qPrintable(parsed.join(QLatin1Char(' '))));
    }
};

QTEST_MAIN(TestSceneCache)
#include "tst_scenecache.moc"
