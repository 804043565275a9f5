// Keys and clicks made while another window has the focus reach the
// scene's "detectKeyboard" and "detectMouse", on a real X server (Xvfb)
// driven by xdotool. Skipped when either is missing.

#include "inputcallbacks.h"
#include "inputhook.h"
#include "myqquickview.h"
#include "otherwindow.h"
#include "sim/simbackend.h"
#include "sim/virtualclock.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QQuickItem>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

constexpr int SERVER_START_MS = 10000;
constexpr int XDOTOOL_MS = 5000;

// Starts Xvfb on a free display and returns its number, or -1.
int startXvfb(QProcess& server)
{
    // -displayfd: the server picks a free display and writes its number.
    server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                          QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                          QStringLiteral("-screen"), QStringLiteral("0"),
                                          QStringLiteral("800x600x24")});
    if (!server.waitForStarted(SERVER_START_MS))
        return -1;
    QByteArray number;
    while (!number.contains('\n') && server.waitForReadyRead(SERVER_START_MS))
        number += server.readAllStandardOutput();
    bool ok = false;
    const int display = number.trimmed().toInt(&ok);
    return ok ? display : -1;
}

bool xdotool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    return tool.waitForFinished(XDOTOOL_MS) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

} // namespace

class TestInputHookXvfb : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void keyTypedInAnotherWindow_data();
    void keyTypedInAnotherWindow();
    void clicksInAnotherWindow();

private:
    QObject* scene() const { return m_widget->view()->rootObject(); }

    QProcess m_server;
    // A device change on the machine may start a pass: it finds no mouse here.
    VirtualClock m_clock;
    SimBackend m_noDevices{&m_clock};
    std::unique_ptr<Widget> m_widget;
    std::unique_ptr<GlobalInputHook> m_hook;
    std::unique_ptr<OtherWindow> m_other;
};

void TestInputHookXvfb::initTestCase()
{
    const int display = startXvfb(m_server);
    QVERIFY2(display >= 0, "Xvfb did not start");
    qputenv("DISPLAY", QByteArray(":") + QByteArray::number(display));

    // The window reads its settings from the modules folder beside the program.
    const QByteArray outputDir = qgetenv("K7_OUTPUT_DIR");
    if (!outputDir.isEmpty())
        QDir::setCurrent(QFile::decodeName(outputDir));
    m_widget = std::make_unique<Widget>();
    m_widget->device().setBackend(&m_noDevices);
    m_widget->device().setClock(&m_clock);
    QVERIFY(scene() != nullptr);

    m_other = std::make_unique<OtherWindow>();
    QVERIFY(m_other->isOpen());
    QVERIFY(m_other->hasFocus());
}

void TestInputHookXvfb::init()
{
    // As start-up does it: hooks, then the three callbacks with the window.
    m_hook = std::make_unique<GlobalInputHook>(0);
    QVERIFY(m_hook->installed());
    m_hook->setKeyboardCallback(onGlobalKey, m_widget.get());
    m_hook->setMouseCallback(onGlobalMouseButton, m_widget.get());
}

void TestInputHookXvfb::cleanup()
{
    m_hook->removeHooks();
    m_hook.reset();
}

void TestInputHookXvfb::cleanupTestCase()
{
    m_other.reset();
    m_widget.reset();
    m_server.terminate();
    m_server.waitForFinished(SERVER_START_MS);
}

void TestInputHookXvfb::keyTypedInAnotherWindow_data()
{
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<int>("usage");
    // Keys xdotool types alone: for right-hand modifiers it would press a
    // left-hand one with them.
    QTest::newRow("a") << QStringLiteral("a") << 0x04;
    QTest::newRow("Return") << QStringLiteral("Return") << 0x28;
    QTest::newRow("Keypad Enter") << QStringLiteral("KP_Enter") << 0x58;
    QTest::newRow("Pause") << QStringLiteral("Pause") << 0x48;
    QTest::newRow("Print Screen") << QStringLiteral("Print") << 0x46;
}

void TestInputHookXvfb::keyTypedInAnotherWindow()
{
    QFETCH(QString, keyName);
    QFETCH(int, usage);

    QSignalSpy keys(scene(), SIGNAL(msg_KB(bool, int)));
    QVERIFY(keys.isValid());
    QVERIFY(xdotool({QStringLiteral("key"), keyName}));
    QTRY_COMPARE(keys.count(), 2);
    QCOMPARE(keys.at(0), (QVariantList{true, usage}));
    QCOMPARE(keys.at(1), (QVariantList{false, usage}));
    QVERIFY(m_other->hasFocus());
}

void TestInputHookXvfb::clicksInAnotherWindow()
{
    QSignalSpy buttons(scene(), SIGNAL(msg_MS(bool, int, int, int)));
    QVERIFY(buttons.isValid());
    // The X button (8) goes first: if it were reported, it would lead the list.
    QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("120"), QStringLiteral("90"),
                     QStringLiteral("click"), QStringLiteral("8"),
                     QStringLiteral("click"), QStringLiteral("3"),
                     QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("1")}));
    QTRY_COMPARE(buttons.count(), 6);
    const QList<QVariantList> expected = {
        {true, 0xF1, 120, 90}, {false, 0xF1, 120, 90},
        {true, 0xF0, 120, 90}, {false, 0xF0, 120, 90}, {true, 0xF0, 120, 90}, {false, 0xF0, 120, 90},
    };
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(buttons.at(i), expected.at(i));
}

int main(int argc, char** argv)
{
    for (const char* tool : {"Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            std::printf("SKIP: %s is not installed (packages xvfb and xdotool)\n", tool);
            return 77;
        }
    }
    QApplication app(argc, argv);
    TestInputHookXvfb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_inputhook_xvfb.moc"
