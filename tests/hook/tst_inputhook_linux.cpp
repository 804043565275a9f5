// The Linux sources of the global input hooks: kernel key codes reach the
// one translation table, our own windows report each platform event once,
// and the copy-data notice socket admits only the same user.

#include "inputhook_linux.h"

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
    bool shown;
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
    static_cast<Recorder*>(context)->notices.push_back(
        {message.dwData, bytes, copyDataNoticeText(message).has_value()});
}

QByteArray noticeFrame(quint32 dwData, quint32 cbData, const QByteArray& payload)
{
    QByteArray frame(CopyDataWire::HEADER_SIZE, '\0');
    qToLittleEndian(dwData, frame.data() + CopyDataWire::DW_DATA_OFFSET);
    qToLittleEndian(cbData, frame.data() + CopyDataWire::CB_DATA_OFFSET);
    return frame + payload;
}

// Every key the table reports, by its kernel name, with its usage ID.
struct KernelRow
{
    const char* name;
    int kernelKey;
    int usage;
};

#define ROW(key, usage) {#key, key, usage}
const KernelRow KERNEL_KEYS[] = {
    ROW(KEY_A, 0x04), ROW(KEY_B, 0x05), ROW(KEY_C, 0x06), ROW(KEY_D, 0x07), ROW(KEY_E, 0x08),
    ROW(KEY_F, 0x09), ROW(KEY_G, 0x0A), ROW(KEY_H, 0x0B), ROW(KEY_I, 0x0C), ROW(KEY_J, 0x0D),
    ROW(KEY_K, 0x0E), ROW(KEY_L, 0x0F), ROW(KEY_M, 0x10), ROW(KEY_N, 0x11), ROW(KEY_O, 0x12),
    ROW(KEY_P, 0x13), ROW(KEY_Q, 0x14), ROW(KEY_R, 0x15), ROW(KEY_S, 0x16), ROW(KEY_T, 0x17),
    ROW(KEY_U, 0x18), ROW(KEY_V, 0x19), ROW(KEY_W, 0x1A), ROW(KEY_X, 0x1B), ROW(KEY_Y, 0x1C),
    ROW(KEY_Z, 0x1D),
    ROW(KEY_1, 0x1E), ROW(KEY_2, 0x1F), ROW(KEY_3, 0x20), ROW(KEY_4, 0x21), ROW(KEY_5, 0x22),
    ROW(KEY_6, 0x23), ROW(KEY_7, 0x24), ROW(KEY_8, 0x25), ROW(KEY_9, 0x26), ROW(KEY_0, 0x27),
    ROW(KEY_ENTER, 0x28), ROW(KEY_ESC, 0x29), ROW(KEY_BACKSPACE, 0x2A), ROW(KEY_TAB, 0x2B),
    ROW(KEY_SPACE, 0x2C), ROW(KEY_MINUS, 0x2D), ROW(KEY_EQUAL, 0x2E), ROW(KEY_LEFTBRACE, 0x2F),
    ROW(KEY_RIGHTBRACE, 0x30), ROW(KEY_BACKSLASH, 0x31), ROW(KEY_SEMICOLON, 0x33),
    ROW(KEY_APOSTROPHE, 0x34), ROW(KEY_GRAVE, 0x35), ROW(KEY_COMMA, 0x36), ROW(KEY_DOT, 0x37),
    ROW(KEY_SLASH, 0x38), ROW(KEY_CAPSLOCK, 0x39),
    ROW(KEY_F1, 0x3A), ROW(KEY_F2, 0x3B), ROW(KEY_F3, 0x3C), ROW(KEY_F4, 0x3D), ROW(KEY_F5, 0x3E),
    ROW(KEY_F6, 0x3F), ROW(KEY_F7, 0x40), ROW(KEY_F8, 0x41), ROW(KEY_F9, 0x42), ROW(KEY_F10, 0x43),
    ROW(KEY_F11, 0x44), ROW(KEY_F12, 0x45),
    ROW(KEY_SYSRQ, 0x46), ROW(KEY_SCROLLLOCK, 0x47), ROW(KEY_PAUSE, 0x48),
    ROW(KEY_INSERT, 0x49), ROW(KEY_HOME, 0x4A), ROW(KEY_PAGEUP, 0x4B), ROW(KEY_DELETE, 0x4C),
    ROW(KEY_END, 0x4D), ROW(KEY_PAGEDOWN, 0x4E),
    ROW(KEY_RIGHT, 0x4F), ROW(KEY_LEFT, 0x50), ROW(KEY_DOWN, 0x51), ROW(KEY_UP, 0x52),
    ROW(KEY_NUMLOCK, 0x53), ROW(KEY_KPSLASH, 0x54), ROW(KEY_KPASTERISK, 0x55), ROW(KEY_KPMINUS, 0x56),
    ROW(KEY_KPPLUS, 0x57), ROW(KEY_KPENTER, 0x58),
    ROW(KEY_KP1, 0x59), ROW(KEY_KP2, 0x5A), ROW(KEY_KP3, 0x5B), ROW(KEY_KP4, 0x5C), ROW(KEY_KP5, 0x5D),
    ROW(KEY_KP6, 0x5E), ROW(KEY_KP7, 0x5F), ROW(KEY_KP8, 0x60), ROW(KEY_KP9, 0x61), ROW(KEY_KP0, 0x62),
    ROW(KEY_KPDOT, 0x63),
    ROW(KEY_102ND, 0x64), ROW(KEY_COMPOSE, 0x65), ROW(KEY_F23, 0x72),
    ROW(KEY_LEFTCTRL, 0xE0), ROW(KEY_LEFTSHIFT, 0xE1), ROW(KEY_LEFTALT, 0xE2), ROW(KEY_LEFTMETA, 0xE3),
    ROW(KEY_RIGHTCTRL, 0xE4), ROW(KEY_RIGHTSHIFT, 0xE5), ROW(KEY_RIGHTALT, 0xE6),
    // Known to the kernel, not reported by the table.
    ROW(KEY_RIGHTMETA, 0), ROW(KEY_F13, 0), ROW(KEY_F22, 0), ROW(KEY_F24, 0), ROW(KEY_MUTE, 0),
    ROW(KEY_RESERVED, 0), ROW(KEY_MAX, 0), ROW(-KEY_A, 0),
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
    QTest::addColumn<bool>("shown");

    const QByteArray text = QStringLiteral("Bitte aktualisieren – 更新").toUtf8();
    QTest::newRow("text without its zero") << quint32(9487) << text << true;
    QTest::newRow("length counts the zero") << quint32(9487) << QByteArray(text + '\0') << false;
    QTest::newRow("other identifier") << quint32(1) << text << false;
}

void TestInputHookLinux::notices()
{
    QFETCH(quint32, dwData);
    QFETCH(QByteArray, payload);
    QFETCH(bool, shown);

    sendNotice(noticeFrame(dwData, quint32(payload.size()), payload), true);
    const Notice& notice = m_recorder.notices.front();
    QCOMPARE(notice.dwData, quint64(dwData));
    QCOMPARE(notice.bytes, payload);
    QCOMPARE(notice.shown, shown);
}

void TestInputHookLinux::oversizedNoticeIsRefused()
{
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
