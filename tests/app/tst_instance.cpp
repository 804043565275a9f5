// The program started twice: the second copy hands over to the first and
// exits with 1. Both copies run from a folder that is not their own. The
// demo build runs the same start-up and never reaches a real device.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestInstance : public QObject
{
    Q_OBJECT

    QString program() const { return qEnvironmentVariable("K7_OUTPUT_DIR") + QStringLiteral("/k7config-demo"); }

    static QProcessEnvironment environment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("k7.app.debug=true"));
        return env;
    }

    static bool waitForOutput(QProcess& process, const QByteArray& text, QByteArray& seen, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!seen.contains(text) && timer.elapsed() < timeoutMs) {
            process.waitForReadyRead(100);
            seen += process.readAll();
        }
        return seen.contains(text);
    }

private Q_SLOTS:
    void secondCopyHandsOverAndExitsWithOne()
    {
        QVERIFY2(QFile::exists(program()), qPrintable(program()));
        QTemporaryDir elsewhere;

        QProcess first;
        first.setProcessEnvironment(environment());
        first.setWorkingDirectory(elsewhere.path());
        first.setProcessChannelMode(QProcess::MergedChannels);
        first.start(program(), {});
        QVERIFY(first.waitForStarted());

        QByteArray firstOutput;
        QVERIFY2(waitForOutput(first, "Device Connect", firstOutput, 30000), firstOutput.constData());
        QVERIFY2(firstOutput.contains("working directory: \"" + qgetenv("K7_OUTPUT_DIR") + "\""),
                 firstOutput.constData());
        QCOMPARE(first.state(), QProcess::Running); // hidden, in the tray

        QProcess second;
        second.setProcessEnvironment(environment());
        second.setWorkingDirectory(elsewhere.path());
        second.setProcessChannelMode(QProcess::MergedChannels);
        second.start(program(), {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QVERIFY2(!second.readAll().contains("Device Connect"), "the second copy ran a detection pass");

        QVERIFY2(waitForOutput(first, "message from a second instance", firstOutput, 10000), firstOutput.constData());
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        if (!first.waitForFinished(5000))
            first.kill();
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "tst_instance.moc"
