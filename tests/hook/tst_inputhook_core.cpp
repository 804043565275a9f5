// The portable core of the global input hooks: what a key event or a button
// message becomes, and which copy-data notices are shown.

#include "inputhook.h"

#include <QtTest>

#include <cstring>
#include <vector>

namespace {

struct KeyReport
{
    int code;
    bool isDown;
    bool operator==(const KeyReport& other) const { return code == other.code && isDown == other.isDown; }
};

struct ButtonReport
{
    int code;
    bool isDown;
    int x;
    int y;
    bool operator==(const ButtonReport& other) const
    {
        return code == other.code && isDown == other.isDown && x == other.x && y == other.y;
    }
};

void recordKey(int code, bool isDown, void* context)
{
    static_cast<std::vector<KeyReport>*>(context)->push_back({code, isDown});
}

void recordButton(int code, bool isDown, int x, int y, void* context)
{
    static_cast<std::vector<ButtonReport>*>(context)->push_back({code, isDown, x, y});
}

// What one press and release of a key reports.
std::vector<KeyReport> pressAndRelease(std::uint32_t scan, std::uint32_t flags)
{
    GlobalInputHook hook(0);
    std::vector<KeyReport> reports;
    hook.setKeyboardCallback(recordKey, &reports);
    hook.keyboardEvent(scan, flags, true);
    hook.keyboardEvent(scan, flags, false);
    return reports;
}

std::vector<KeyReport> reportsOf(int usage)
{
    if (usage == 0)
        return {};
    return {{usage, true}, {usage, false}};
}

constexpr std::uint32_t EXT = KeyFlag::Extended;
constexpr std::uint32_t ALT = KeyFlag::AltDown;

} // namespace

class TestInputHookCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void specialKeys_data();
    void specialKeys();
    void heldKeyIsReportedOnce();
    void stateIsKeptBeforeRegistration();
    void backslashFollowsTheLayoutFlag_data();
    void backslashFollowsTheLayoutFlag();
    void mouseMessages_data();
    void mouseMessages();
    void copyDataRule_data();
    void copyDataRule();
    void copyDataNeedsACallback();

private:
    QTemporaryDir m_runtimeDir;
};

void TestInputHookCore::initTestCase()
{
    // Registering the copy-data callback opens the notice socket in the
    // runtime folder: keep it away from a running program and other tests.
    QVERIFY(m_runtimeDir.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtimeDir.path()));
}

void TestInputHookCore::specialKeys_data()
{
    QTest::addColumn<uint>("scan");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<int>("usage");   // 0: not reported

    // The extended flag tells apart keys that share a scan code.
    QTest::newRow("A") << 0x1Eu << 0u << 0x04;
    QTest::newRow("Enter") << 0x1Cu << 0u << 0x28;
    QTest::newRow("Keypad Enter") << 0x1Cu << EXT << 0x58;
    QTest::newRow("Left Ctrl") << 0x1Du << 0u << 0xE0;
    QTest::newRow("Right Ctrl") << 0x1Du << EXT << 0xE4;
    QTest::newRow("keypad 0") << 0x52u << 0u << 0x62;
    QTest::newRow("Insert") << 0x52u << EXT << 0x49;
    QTest::newRow("Pause") << 0x45u << 0u << 0x48;
    QTest::newRow("Num Lock") << 0x45u << EXT << 0x53;
    QTest::newRow("F23") << 0x6Eu << 0u << 0x72;
    QTest::newRow("Ctrl+Break is Pause") << 0x46u << EXT << 0x48;
    QTest::newRow("Scroll Lock stays itself") << 0x46u << 0u << 0x47;
    QTest::newRow("Alt+Print Screen") << 0x54u << ALT << 0x46;
    QTest::newRow("Alt+Print Screen, extended") << 0x54u << (ALT | EXT) << 0x46;
    QTest::newRow("0x54 without Alt") << 0x54u << 0u << 0;
    QTest::newRow("Right Windows") << 0x5Cu << EXT << 0;
    QTest::newRow("Right Shift unflagged") << 0x36u << 0u << 0;
    QTest::newRow("Left Shift with Alt down") << 0x2Au << ALT << 0xE1;
    QTest::newRow("scan code above 0xFF") << 0x11Eu << 0u << 0;
    QTest::newRow("F13 scan code") << 0x64u << 0u << 0;
    QTest::newRow("no scan code") << 0u << 0u << 0;
}

void TestInputHookCore::specialKeys()
{
    QFETCH(uint, scan);
    QFETCH(uint, flags);
    QFETCH(int, usage);

    QCOMPARE(pressAndRelease(scan, flags), reportsOf(usage));
}

void TestInputHookCore::heldKeyIsReportedOnce()
{
    GlobalInputHook hook(0);
    std::vector<KeyReport> reports;
    hook.setKeyboardCallback(recordKey, &reports);

    hook.keyboardEvent(0x1F, 0, false);            // release never seen going down
    for (int repeat = 0; repeat < 30; ++repeat)
        hook.keyboardEvent(0x1E, 0, true);         // A, auto-repeating
    QVERIFY(hook.isKeyDown(0x04));
    QCOMPARE(hook.virtualKeyFor(0x1E, 0), 0x41);
    QCOMPARE(hook.virtualKeyFor(0x1D, EXT), 0xA3);
    hook.keyboardEvent(0x1E, 0, false);
    hook.keyboardEvent(0x1E, 0, false);
    QCOMPARE(reports, (std::vector<KeyReport>{{0x04, true}, {0x04, false}}));
}

void TestInputHookCore::stateIsKeptBeforeRegistration()
{
    // A key already down when the recorder registers reports its release,
    // but not the auto-repeat of the press.
    GlobalInputHook hook(0);
    hook.keyboardEvent(0x39, 0, true);
    std::vector<KeyReport> reports;
    hook.setKeyboardCallback(recordKey, &reports);
    hook.keyboardEvent(0x39, 0, true);
    hook.keyboardEvent(0x39, 0, false);
    QCOMPARE(reports, (std::vector<KeyReport>{{0x2C, false}}));
}

void TestInputHookCore::backslashFollowsTheLayoutFlag_data()
{
    QTest::addColumn<int>("layoutFlag");
    QTest::addColumn<int>("usage");
    QTest::newRow("flag 0") << 0 << 0x31;
    QTest::newRow("flag 1") << 1 << 0x32;
    QTest::newRow("flag -1") << -1 << 0x32;
}

void TestInputHookCore::backslashFollowsTheLayoutFlag()
{
    QFETCH(int, layoutFlag);
    QFETCH(int, usage);

    GlobalInputHook hook(layoutFlag);
    QCOMPARE(hook.layoutFlag(), layoutFlag);
    QCOMPARE(hook.usageFor(0x2B, 0), usage);
    // The 102nd key keeps its own usage whatever the flag.
    QCOMPARE(hook.usageFor(0x56, 0), 0x64);
}

void TestInputHookCore::mouseMessages_data()
{
    QTest::addColumn<uint>("message");
    QTest::addColumn<int>("code");   // 0: not reported
    QTest::addColumn<bool>("isDown");

    QTest::newRow("left down") << 0x0201u << 0xF0 << true;
    QTest::newRow("left up") << 0x0202u << 0xF0 << false;
    QTest::newRow("right down") << 0x0204u << 0xF1 << true;
    QTest::newRow("middle down") << 0x0207u << 0xF2 << true;
    QTest::newRow("move") << 0x0200u << 0 << false;
    QTest::newRow("left double click") << 0x0203u << 0 << false;
    QTest::newRow("wheel") << 0x020Au << 0 << false;
    QTest::newRow("X button down") << 0x020Bu << 0 << false;
}

void TestInputHookCore::mouseMessages()
{
    QFETCH(uint, message);
    QFETCH(int, code);
    QFETCH(bool, isDown);

    GlobalInputHook hook(0);
    std::vector<ButtonReport> reports;
    hook.setMouseCallback(recordButton, &reports);
    hook.mouseEvent(message, -12, 900);

    if (code == 0)
        QVERIFY(reports.empty());
    else
        QCOMPARE(reports, (std::vector<ButtonReport>{{code, isDown, -12, 900}}));
}

void TestInputHookCore::copyDataRule_data()
{
    QTest::addColumn<qulonglong>("dwData");
    QTest::addColumn<QByteArray>("bytes");     // what lpData points to
    QTest::addColumn<uint>("cbData");
    QTest::addColumn<bool>("shown");

    const QByteArray hello("Firmware is out of date");
    const QByteArray utf8 = QStringLiteral("設定 ✓").toUtf8();
    QTest::newRow("text without its zero") << qulonglong(9487) << hello << uint(hello.size()) << true;
    QTest::newRow("UTF-8 text") << qulonglong(9487) << utf8 << uint(utf8.size()) << true;
    QTest::newRow("length counts the zero")
        << qulonglong(9487) << QByteArray(hello + '\0') << uint(hello.size() + 1) << false;
    QTest::newRow("zero in the middle") << qulonglong(9487) << QByteArray("ab\0cd", 5) << 5u << false;
    QTest::newRow("other identifier") << qulonglong(9486) << hello << uint(hello.size()) << false;
    QTest::newRow("identifier in high bits") << qulonglong(0x1'0000'250F) << hello << uint(hello.size()) << false;
    QTest::newRow("empty") << qulonglong(9487) << QByteArray() << 0u << false;
}

void TestInputHookCore::copyDataRule()
{
    QFETCH(qulonglong, dwData);
    QFETCH(QByteArray, bytes);
    QFETCH(uint, cbData);
    QFETCH(bool, shown);

    // Exactly cbData bytes on the heap, so a read past them trips the
    // address sanitizer.
    std::vector<char> buffer(bytes.begin(), bytes.end());
    const CopyDataMessage message{static_cast<std::uintptr_t>(dwData), cbData,
                                  buffer.empty() ? nullptr : buffer.data()};
    const auto text = copyDataNoticeText(message);
    QCOMPARE(text.has_value(), shown);
    if (shown)
        QCOMPARE(QByteArray::fromStdString(*text), bytes);
}

void TestInputHookCore::copyDataNeedsACallback()
{
    GlobalInputHook hook(0);
    const char text[] = "x";
    const CopyDataMessage message{COPYDATA_NOTICE_ID, 1, text};
    QVERIFY(!hook.copyDataEvent(message));   // left to normal processing

    std::vector<CopyDataMessage> received;
    hook.setCopyDataCallback(
        [](const CopyDataMessage& m, void* context) {
            static_cast<std::vector<CopyDataMessage>*>(context)->push_back(m);
        },
        &received);
    QVERIFY(hook.copyDataEvent(message));
    QCOMPARE(received.size(), std::size_t(1));
    QCOMPARE(received.front().lpData, static_cast<const void*>(text));
    QCOMPARE(received.front().cbData, 1u);
}

QTEST_GUILESS_MAIN(TestInputHookCore)
#include "tst_inputhook_core.moc"
