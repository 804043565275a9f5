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

// Every key of the translation table, written out key by key: name, scan
// code, extended flag, virtual-key code, USB usage ID.
struct TableRow
{
    const char* name;
    std::uint32_t scan;
    std::uint32_t flags;
    int virtualKey;
    int usage;
};

const TableRow TABLE[] = {
    {"A", 0x1E, 0, 0x41, 0x04}, {"B", 0x30, 0, 0x42, 0x05}, {"C", 0x2E, 0, 0x43, 0x06},
    {"D", 0x20, 0, 0x44, 0x07}, {"E", 0x12, 0, 0x45, 0x08}, {"F", 0x21, 0, 0x46, 0x09},
    {"G", 0x22, 0, 0x47, 0x0A}, {"H", 0x23, 0, 0x48, 0x0B}, {"I", 0x17, 0, 0x49, 0x0C},
    {"J", 0x24, 0, 0x4A, 0x0D}, {"K", 0x25, 0, 0x4B, 0x0E}, {"L", 0x26, 0, 0x4C, 0x0F},
    {"M", 0x32, 0, 0x4D, 0x10}, {"N", 0x31, 0, 0x4E, 0x11}, {"O", 0x18, 0, 0x4F, 0x12},
    {"P", 0x19, 0, 0x50, 0x13}, {"Q", 0x10, 0, 0x51, 0x14}, {"R", 0x13, 0, 0x52, 0x15},
    {"S", 0x1F, 0, 0x53, 0x16}, {"T", 0x14, 0, 0x54, 0x17}, {"U", 0x16, 0, 0x55, 0x18},
    {"V", 0x2F, 0, 0x56, 0x19}, {"W", 0x11, 0, 0x57, 0x1A}, {"X", 0x2D, 0, 0x58, 0x1B},
    {"Y", 0x15, 0, 0x59, 0x1C}, {"Z", 0x2C, 0, 0x5A, 0x1D},
    {"1", 0x02, 0, 0x31, 0x1E}, {"2", 0x03, 0, 0x32, 0x1F}, {"3", 0x04, 0, 0x33, 0x20},
    {"4", 0x05, 0, 0x34, 0x21}, {"5", 0x06, 0, 0x35, 0x22}, {"6", 0x07, 0, 0x36, 0x23},
    {"7", 0x08, 0, 0x37, 0x24}, {"8", 0x09, 0, 0x38, 0x25}, {"9", 0x0A, 0, 0x39, 0x26},
    {"0", 0x0B, 0, 0x30, 0x27},
    {"Enter", 0x1C, 0, 0x0D, 0x28}, {"Esc", 0x01, 0, 0x1B, 0x29}, {"Backspace", 0x0E, 0, 0x08, 0x2A},
    {"Tab", 0x0F, 0, 0x09, 0x2B}, {"Space", 0x39, 0, 0x20, 0x2C},
    {"minus", 0x0C, 0, 0xBD, 0x2D}, {"equals", 0x0D, 0, 0xBB, 0x2E}, {"left bracket", 0x1A, 0, 0xDB, 0x2F},
    {"right bracket", 0x1B, 0, 0xDD, 0x30}, {"backslash", 0x2B, 0, 0xDC, 0x31},
    {"semicolon", 0x27, 0, 0xBA, 0x33}, {"apostrophe", 0x28, 0, 0xDE, 0x34}, {"grave", 0x29, 0, 0xC0, 0x35},
    {"comma", 0x33, 0, 0xBC, 0x36}, {"period", 0x34, 0, 0xBE, 0x37}, {"slash", 0x35, 0, 0xBF, 0x38},
    {"Caps Lock", 0x3A, 0, 0x14, 0x39},
    {"F1", 0x3B, 0, 0x70, 0x3A}, {"F2", 0x3C, 0, 0x71, 0x3B}, {"F3", 0x3D, 0, 0x72, 0x3C},
    {"F4", 0x3E, 0, 0x73, 0x3D}, {"F5", 0x3F, 0, 0x74, 0x3E}, {"F6", 0x40, 0, 0x75, 0x3F},
    {"F7", 0x41, 0, 0x76, 0x40}, {"F8", 0x42, 0, 0x77, 0x41}, {"F9", 0x43, 0, 0x78, 0x42},
    {"F10", 0x44, 0, 0x79, 0x43}, {"F11", 0x57, 0, 0x7A, 0x44}, {"F12", 0x58, 0, 0x7B, 0x45},
    {"Print Screen", 0x37, EXT, 0x2C, 0x46}, {"Scroll Lock", 0x46, 0, 0x91, 0x47}, {"Pause", 0x45, 0, 0x13, 0x48},
    {"Insert", 0x52, EXT, 0x2D, 0x49}, {"Home", 0x47, EXT, 0x24, 0x4A}, {"Page Up", 0x49, EXT, 0x21, 0x4B},
    {"Delete", 0x53, EXT, 0x2E, 0x4C}, {"End", 0x4F, EXT, 0x23, 0x4D}, {"Page Down", 0x51, EXT, 0x22, 0x4E},
    {"Right", 0x4D, EXT, 0x27, 0x4F}, {"Left", 0x4B, EXT, 0x25, 0x50}, {"Down", 0x50, EXT, 0x28, 0x51},
    {"Up", 0x48, EXT, 0x26, 0x52},
    {"Num Lock", 0x45, EXT, 0x90, 0x53}, {"keypad /", 0x35, EXT, 0x6F, 0x54}, {"keypad *", 0x37, 0, 0x6A, 0x55},
    {"keypad -", 0x4A, 0, 0x6D, 0x56}, {"keypad +", 0x4E, 0, 0x6B, 0x57}, {"Keypad Enter", 0x1C, EXT, 0x0E, 0x58},
    {"keypad 1", 0x4F, 0, 0x61, 0x59}, {"keypad 2", 0x50, 0, 0x62, 0x5A}, {"keypad 3", 0x51, 0, 0x63, 0x5B},
    {"keypad 4", 0x4B, 0, 0x64, 0x5C}, {"keypad 5", 0x4C, 0, 0x65, 0x5D}, {"keypad 6", 0x4D, 0, 0x66, 0x5E},
    {"keypad 7", 0x47, 0, 0x67, 0x5F}, {"keypad 8", 0x48, 0, 0x68, 0x60}, {"keypad 9", 0x49, 0, 0x69, 0x61},
    {"keypad 0", 0x52, 0, 0x60, 0x62}, {"keypad .", 0x53, 0, 0x6E, 0x63},
    {"Non-US backslash", 0x56, 0, 0xE2, 0x64}, {"Application", 0x5D, EXT, 0x5D, 0x65}, {"F23", 0x6E, 0, 0x86, 0x72},
    {"Left Ctrl", 0x1D, 0, 0xA2, 0xE0}, {"Left Shift", 0x2A, 0, 0xA0, 0xE1}, {"Left Alt", 0x38, 0, 0xA4, 0xE2},
    {"Left Windows", 0x5B, EXT, 0x5B, 0xE3}, {"Right Ctrl", 0x1D, EXT, 0xA3, 0xE4},
    {"Right Shift", 0x36, EXT, 0xA1, 0xE5}, {"Right Alt", 0x38, EXT, 0xA5, 0xE6},
};

} // namespace

class TestInputHookCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyTableKeyIsReportedOnceDownOnceUp_data();
    void everyTableKeyIsReportedOnceDownOnceUp();
    void scanMapHoldsExactlyTheTable();
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

void TestInputHookCore::everyTableKeyIsReportedOnceDownOnceUp_data()
{
    QTest::addColumn<uint>("scan");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<int>("usage");
    for (const TableRow& row : TABLE)
        QTest::newRow(row.name) << uint(row.scan) << uint(row.flags) << row.virtualKey << row.usage;
}

void TestInputHookCore::everyTableKeyIsReportedOnceDownOnceUp()
{
    QFETCH(uint, scan);
    QFETCH(uint, flags);
    QFETCH(int, virtualKey);
    QFETCH(int, usage);

    QCOMPARE(GlobalInputHook(0).virtualKeyFor(scan, flags), virtualKey);
    QCOMPARE(pressAndRelease(scan, flags), reportsOf(usage));
}

void TestInputHookCore::scanMapHoldsExactlyTheTable()
{
    // Nothing outside the table may translate: an extra entry would report
    // a key the recorders do not expect.
    GlobalInputHook hook(0);
    QCOMPARE(hook.scanToVirtualKey().size(), std::size(TABLE));
    for (const TableRow& row : TABLE) {
        const auto key = static_cast<std::uint16_t>((row.scan << 8) | (row.flags & EXT));
        QVERIFY2(hook.scanToVirtualKey().count(key) == 1, row.name);
    }
}

void TestInputHookCore::specialKeys_data()
{
    QTest::addColumn<uint>("scan");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<int>("usage");   // 0: not reported

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
    QTest::newRow("right up") << 0x0205u << 0xF1 << false;
    QTest::newRow("middle down") << 0x0207u << 0xF2 << true;
    QTest::newRow("middle up") << 0x0208u << 0xF2 << false;
    QTest::newRow("move") << 0x0200u << 0 << false;
    QTest::newRow("left double click") << 0x0203u << 0 << false;
    QTest::newRow("wheel") << 0x020Au << 0 << false;
    QTest::newRow("X button down") << 0x020Bu << 0 << false;
    QTest::newRow("X button up") << 0x020Cu << 0 << false;
    QTest::newRow("horizontal wheel") << 0x020Eu << 0 << false;
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
