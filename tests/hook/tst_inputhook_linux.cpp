// The Linux sources of the global input hooks: kernel key codes reach the
// one translation table, our own windows report each platform event once,
// and the copy-data notice socket admits only the same user.

#include "inputhook_linux.h"
#include "localpeer.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QWindow>
#include <QtEndian>
#include <QtTest>

#include <linux/input-event-codes.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace {

struct Report
{
    int code;
    bool isDown;
    bool operator==(const Report& other) const { return code == other.code && isDown == other.isDown; }
};

struct Notice
{
    quint64 dwData;
    QByteArray bytes;
};

struct Recorder
{
    std::vector<Report> keys;
    std::vector<Report> buttons;
    std::vector<QPoint> buttonPositions;
    std::vector<Notice> notices;
};

void recordKey(int code, bool isDown, void* context)
{
    static_cast<Recorder*>(context)->keys.push_back({code, isDown});
}

void recordButton(int code, bool isDown, int x, int y, void* context)
{
    auto* recorder = static_cast<Recorder*>(context);
    recorder->buttons.push_back({code, isDown});
    recorder->buttonPositions.emplace_back(x, y);
}

void recordNotice(const CopyDataMessage& message, void* context)
{
    // lpData lives only for the call.
    const QByteArray bytes(static_cast<const char*>(message.lpData), qsizetype(message.cbData));
    static_cast<Recorder*>(context)->notices.push_back({message.dwData, bytes});
}

QByteArray noticeFrame(quint32 dwData, quint32 cbData, const QByteArray& payload)
{
    QByteArray frame(CopyDataWire::HEADER_SIZE, '\0');
    qToLittleEndian(dwData, frame.data() + CopyDataWire::DW_DATA_OFFSET);
    qToLittleEndian(cbData, frame.data() + CopyDataWire::CB_DATA_OFFSET);
    return frame + payload;
}

// The kernel numbers keys in runs that map onto scan codes one to one: the
// first and last key of every run, with the usage ID the table reports for
// it, pin the runs.
struct KernelRow
{
    const char* name;
    int kernelKey;
    int usage;
};

#define ROW(key, usage) {#key, key, usage}
const KernelRow KERNEL_KEYS[] = {
    ROW(KEY_ESC, 0x29), ROW(KEY_A, 0x04), ROW(KEY_SLASH, 0x38), ROW(KEY_RIGHTSHIFT, 0xE5),
    ROW(KEY_KPASTERISK, 0x55), ROW(KEY_F10, 0x43), ROW(KEY_NUMLOCK, 0x53), ROW(KEY_SCROLLLOCK, 0x47),
    ROW(KEY_KPDOT, 0x63), ROW(KEY_102ND, 0x64), ROW(KEY_F12, 0x45), ROW(KEY_KPENTER, 0x58),
    ROW(KEY_RIGHTCTRL, 0xE4), ROW(KEY_KPSLASH, 0x54), ROW(KEY_SYSRQ, 0x46), ROW(KEY_RIGHTALT, 0xE6),
    ROW(KEY_HOME, 0x4A), ROW(KEY_PAGEUP, 0x4B), ROW(KEY_LEFT, 0x50), ROW(KEY_RIGHT, 0x4F),
    ROW(KEY_END, 0x4D), ROW(KEY_PAGEDOWN, 0x4E), ROW(KEY_INSERT, 0x49), ROW(KEY_DELETE, 0x4C),
    ROW(KEY_PAUSE, 0x48), ROW(KEY_LEFTMETA, 0xE3), ROW(KEY_COMPOSE, 0x65), ROW(KEY_F23, 0x72),
    // Known to the kernel, not reported by the table.
    ROW(KEY_RIGHTMETA, 0), ROW(KEY_F13, 0), ROW(KEY_F22, 0), ROW(KEY_F24, 0), ROW(KEY_MUTE, 0),
    ROW(KEY_ZENKAKUHANKAKU, 0), ROW(KEY_RESERVED, 0), ROW(KEY_MAX, 0), ROW(-KEY_A, 0),
};
#undef ROW

constexpr uid_t NOBODY = 65534;

enum ChildExit { HungUpOn = 0, ConnectFailed = 2, Answered = 3 };
constexpr unsigned CHILD_TIME_LIMIT_S = 5;

// Runs in a forked child as another user: connects, sends a notice, and
// waits for the server to hang up. Only async-signal-safe calls.
[[noreturn]] void sendNoticeAsNobody(const char* socketPath, const QByteArray& frame)
{
    alarm(CHILD_TIME_LIMIT_S);   // a server that never hangs up must not leave us behind
    if (setgid(NOBODY) != 0 || setuid(NOBODY) != 0)
        _exit(ConnectFailed);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    strncpy(address.sun_path, socketPath, sizeof address.sun_path - 1);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        _exit(ConnectFailed);
    if (write(fd, frame.constData(), size_t(frame.size())) < 0) {
        // The server may already have hung up: that is the refusal.
    }
    char reply = 0;
    _exit(read(fd, &reply, 1) <= 0 ? HungUpOn : Answered);
}

} // namespace

class TestInputHookLinux : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void kernelKeys_data();
    void kernelKeys();
    void ownWindowKeys_data();
    void ownWindowKeys();
    void ownWindowButtons_data();
    void ownWindowButtons();
    void ownWindowDoubleClick();
    void notices_data();
    void notices();
    void oversizedNoticeIsRefused();
    void noticeOfAnotherUserIsRefused();

private:
    void sendNotice(const QByteArray& frame, bool expectReceived);

    QTemporaryDir m_runtimeDir;
    std::unique_ptr<GlobalInputHook> m_hook;
    Recorder m_recorder;
    QWindow m_window;
};

void TestInputHookLinux::initTestCase()
{
    // Without an X display only our own windows are watched, through the
    // event filter this test drives; the notice socket goes to a folder of
    // its own.
    qunsetenv("DISPLAY");
    QVERIFY(m_runtimeDir.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtimeDir.path()));

    m_window.setGeometry(40, 50, 200, 100);
    m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
}

void TestInputHookLinux::init()
{
    m_recorder = {};
    m_hook = std::make_unique<GlobalInputHook>(0);
    QVERIFY(m_hook->installed());
    m_hook->setKeyboardCallback(recordKey, &m_recorder);
    m_hook->setMouseCallback(recordButton, &m_recorder);
    m_hook->setCopyDataCallback(recordNotice, &m_recorder);
}

void TestInputHookLinux::cleanup()
{
    m_hook->removeHooks();
    m_hook.reset();
}

void TestInputHookLinux::kernelKeys_data()
{
    QTest::addColumn<int>("kernelKey");
    QTest::addColumn<int>("usage");
    for (const KernelRow& row : KERNEL_KEYS)
        QTest::newRow(row.name) << row.kernelKey << row.usage;
}

void TestInputHookLinux::kernelKeys()
{
    QFETCH(int, kernelKey);
    QFETCH(int, usage);

    const auto scan = scanCodeForKernelKey(kernelKey);
    const int translated = scan ? m_hook->usageFor(scan->scanCode, scan->flags) : 0;
    QCOMPARE(translated, usage);
}

void TestInputHookLinux::ownWindowKeys_data()
{
    QTest::addColumn<int>("xKeycode");
    QTest::addColumn<bool>("spontaneous");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<int>("usage");   // 0: not reported

    QTest::newRow("A") << KEY_A + X_KEYCODE_OFFSET << true << false << 0x04;
    QTest::newRow("Keypad Enter") << KEY_KPENTER + X_KEYCODE_OFFSET << true << false << 0x58;
    QTest::newRow("Right Windows") << KEY_RIGHTMETA + X_KEYCODE_OFFSET << true << false << 0;
    QTest::newRow("sent by the program") << KEY_A + X_KEYCODE_OFFSET << false << false << 0;
    QTest::newRow("auto-repeat") << KEY_A + X_KEYCODE_OFFSET << true << true << 0;
    QTest::newRow("no native code") << 0 << true << false << 0;
}

void TestInputHookLinux::ownWindowKeys()
{
    QFETCH(int, xKeycode);
    QFETCH(bool, spontaneous);
    QFETCH(bool, autoRepeat);
    QFETCH(int, usage);

    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, quint32(xKeycode), 0, 0, QString(), autoRepeat);
        if (spontaneous)
            QSpontaneKeyEvent::setSpontaneous(&event);
        // notify() keeps the spontaneous mark that sendEvent() would clear.
        qApp->notify(&m_window, &event);
    }
    if (usage == 0)
        QVERIFY(m_recorder.keys.empty());
    else
        QCOMPARE(m_recorder.keys, (std::vector<Report>{{usage, true}, {usage, false}}));
}

void TestInputHookLinux::ownWindowButtons_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("code");   // 0: not reported
    QTest::newRow("left") << Qt::LeftButton << 0xF0;
    QTest::newRow("right") << Qt::RightButton << 0xF1;
    QTest::newRow("middle") << Qt::MiddleButton << 0xF2;
    QTest::newRow("X button 1") << Qt::BackButton << 0;
    QTest::newRow("X button 2") << Qt::ForwardButton << 0;
}

void TestInputHookLinux::ownWindowButtons()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, code);

    const QPoint local(7, 9);
    QTest::mouseClick(&m_window, button, Qt::NoModifier, local);
    QTest::mouseMove(&m_window, QPoint(20, 30));
    if (code == 0) {
        QVERIFY(m_recorder.buttons.empty());
        return;
    }
    QCOMPARE(m_recorder.buttons, (std::vector<Report>{{code, true}, {code, false}}));
    QCOMPARE(m_recorder.buttonPositions.front(), m_window.mapToGlobal(local));
}

void TestInputHookLinux::ownWindowDoubleClick()
{
    QTest::mouseDClick(&m_window, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(m_recorder.buttons, (std::vector<Report>{{0xF0, true}, {0xF0, false}, {0xF0, true}, {0xF0, false}}));
}

void TestInputHookLinux::sendNotice(const QByteArray& frame, bool expectReceived)
{
    QLocalSocket socket;
    socket.connectToServer(copyDataSocketPath());
    QVERIFY(socket.waitForConnected(2000));
    // In two pieces: the server must wait for the whole notice.
    const qsizetype half = frame.size() / 2;
    socket.write(frame.left(half));
    QVERIFY(socket.waitForBytesWritten(2000));
    QTest::qWait(20);
    QVERIFY(m_recorder.notices.empty());
    socket.write(frame.mid(half));
    QVERIFY(socket.waitForBytesWritten(2000));
    if (expectReceived)
        QTRY_COMPARE(m_recorder.notices.size(), std::size_t(1));
    QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
}

void TestInputHookLinux::notices_data()
{
    QTest::addColumn<quint32>("dwData");
    QTest::addColumn<QByteArray>("payload");
    // Delivered as sent: which notices are shown is the core's rule.
    const QByteArray text = QStringLiteral("Bitte aktualisieren – 更新").toUtf8();
    QTest::newRow("text") << quint32(9487) << text;
    QTest::newRow("other identifier, with a zero") << quint32(1) << QByteArray(text + '\0');
}

void TestInputHookLinux::notices()
{
    QFETCH(quint32, dwData);
    QFETCH(QByteArray, payload);

    sendNotice(noticeFrame(dwData, quint32(payload.size()), payload), true);
    const Notice& notice = m_recorder.notices.front();
    QCOMPARE(notice.dwData, quint64(dwData));
    QCOMPARE(notice.bytes, payload);
}

void TestInputHookLinux::oversizedNoticeIsRefused()
{
    // The program and the demo each keep their own notice socket.
    QVERIFY(copyDataSocketPath().contains(LocalPeer::identityFor(QCoreApplication::applicationFilePath())));

    sendNotice(noticeFrame(9487, CopyDataWire::MAX_PAYLOAD + 1, "abc"), false);
    QTest::qWait(50);
    QVERIFY(m_recorder.notices.empty());
}

void TestInputHookLinux::noticeOfAnotherUserIsRefused()
{
    if (geteuid() != 0)
        QSKIP("needs root to send as another user");
    // Open the socket's file to everyone, so that only the peer check can
    // keep the other user out.
    const QByteArray path = QFile::encodeName(copyDataSocketPath());
    QCOMPARE(chmod(QFile::encodeName(m_runtimeDir.path()).constData(), 0755), 0);
    QCOMPARE(chmod(path.constData(), 0777), 0);

    const QByteArray frame = noticeFrame(9487, 5, "hello");
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0)
        sendNoticeAsNobody(path.constData(), frame);

    int status = 0;
    pid_t reaped = 0;
    // The event loop must run meanwhile: the server answers from it.
    QTRY_VERIFY_WITH_TIMEOUT(reaped == child || (reaped = waitpid(child, &status, WNOHANG)) == child, 5000);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), int(HungUpOn));
    QVERIFY(m_recorder.notices.empty());
    QCOMPARE(chmod(QFile::encodeName(m_runtimeDir.path()).constData(), 0700), 0);
}

QTEST_MAIN(TestInputHookLinux)
#include "tst_inputhook_linux.moc"
