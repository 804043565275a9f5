// The pure pieces: readable button actions against the window's byte table,
// the macro encoder's worked examples, the panels' arithmetic, the key table
// and the command line.
#include "cli/buttonaction.h"
#include "cli/cliargs.h"
#include "cli/keytable.h"
#include "cli/macroencoder.h"
#include "cli/panelvalues.h"

#include <QTest>

Q_DECLARE_METATYPE(ButtonEntry)

namespace {

ButtonEntry hexEntry(const char* hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    return {quint8(bytes[0]), quint8(bytes[1]), quint8(bytes[2]), quint8(bytes[3])};
}

QVariantList bytes(const char* hex)
{
    QVariantList list;
    for (char byte : QByteArray::fromHex(hex))
        list.append(int(quint8(byte)));
    return list;
}

} // namespace

class TestCliParsing : public QObject
{
    Q_OBJECT

private slots:
    void actionsGiveTheWindowsBytes_data();
    void actionsGiveTheWindowsBytes();
    void actionRefusals_data();
    void actionRefusals();
    void macroEncoding_data();
    void macroEncoding();
    void storedRepeatCount();
    void keyTable();
    void dpiSliderGrid();
    void systemSpeedIndex();
    void effectsFollowTheFlags();
    void commandLine();
};

void TestCliParsing::actionsGiveTheWindowsBytes_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<ButtonEntry>("entry");
    QTest::addColumn<QString>("shown");  // describeButtonEntry of the entry
    const struct
    {
        const char* action;
        const char* hex;
        const char* shown;
    } rows[] = {
        {"left", "0000F000", "left"},           {"Middle", "0000F200", "middle"},
        {"right", "0000F100", "right"},         {"forward", "0000F400", "forward"},
        {"back", "0000F300", "back"},           {"double", "00F01E02", "double"},
        {"media:player", "03008301", "media:player"}, {"media:next", "0300B500", "media:next"},
        {"media:previous", "0300B600", "media:previous"}, {"media:stop", "0300B700", "media:stop"},
        {"media:mute", "0300E200", "media:mute"}, {"media:play-pause", "0300CD00", "media:play-pause"},
        {"media:volume-up", "0300E900", "media:volume-up"}, {"media:volume-down", "0300EA00", "media:volume-down"},
        {"win:my-pc", "06009401", "win:my-pc"}, {"win:index", "06002302", "win:index"},
        {"win:search", "06002102", "win:search"}, {"win:max", "06042C1B", "win:max"},
        {"win:min", "06042C11", "win:min"},     {"win:desktop", "0600E307", "win:desktop"},
        {"win:run", "0600E315", "win:run"},     {"shortcut:new", "0700E011", "shortcut:new"},
        {"shortcut:cut", "0700E01B", "shortcut:cut"}, {"shortcut:copy", "0700E006", "shortcut:copy"},
        {"shortcut:paste", "0700E019", "shortcut:paste"}, {"shortcut:save", "0700E016", "shortcut:save"},
        {"shortcut:print", "0700E013", "shortcut:print"}, {"shortcut:find", "0700E009", "shortcut:find"},
        {"shortcut:redo", "0700E01C", "shortcut:redo"}, {"shortcut:undo", "0700E01D", "shortcut:undo"},
        {"shortcut:select-all", "0700E004", "shortcut:select-all"},
        {"dpi:+", "05000100", "dpi:+"},         {"dpi:-", "05000200", "dpi:-"},
        {"dpi:loop", "05000300", "dpi:loop"},   {"dpi:sniper", "05000400", "dpi:sniper"},
        {"gun:1", "08000100", "gun:1"},         {"gun:3", "08000300", "gun:3"},
        {"key:A", "02000400", "key:A"},         {"key:f12", "02004500", "key:F12"},
        {"key:LShift", "02020000", "combo:LShift"}, {"combo:LCtrl+C", "02010600", "combo:LCtrl+C"},
        {"combo:RWin+LAlt+Tab+up", "02842B52", "combo:LAlt+RWin+Tab+\u25B2"},
        {"fire:A,10,0", "01040A00", "fire:A,10,0"}, {"fire:Space,80,255", "012C50FF", "fire:Space,80,255"},
        {"macro:Tap", "04000500", "macro:Tap"}, {"macro:Tap,loop", "04010500", "macro:Tap,loop"},
        {"macro:a,b,hold", "04020500", "macro:a,b,hold"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.action) << QString::fromUtf8(row.action) << hexEntry(row.hex) << QString::fromUtf8(row.shown);
}

void TestCliParsing::actionsGiveTheWindowsBytes()
{
    QFETCH(QString, action);
    QFETCH(ButtonEntry, entry);
    QFETCH(QString, shown);
    QString error;
    const auto parsed = parseButtonAction(action, {5, true}, &error);
    QVERIFY2(parsed, qPrintable(error));
    QCOMPARE(parsed->entry, entry);
    const QString macro = parsed->macroName;
    QCOMPARE(describeButtonEntry(entry, macro), shown);
    // What is shown reads back as the same bytes.
    const auto again = parseButtonAction(shown, {5, true}, &error);
    QVERIFY2(again, qPrintable(error));
    QCOMPARE(again->entry, entry);
}

void TestCliParsing::actionRefusals_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("says");
    QTest::newRow("gun without gun functions") << "gun:1" << "no gun functions";
    QTest::newRow("mouse button as key") << "key:MS-L" << "is a mouse button";
    QTest::newRow("empty combo") << "combo:" << "unknown key name";
    QTest::newRow("fire without times") << "fire:A,10" << "KEY,RATE,TIMES";
    QTest::newRow("fire times") << "fire:A,10,256" << "times must be 0..255";
    QTest::newRow("macro mode") << "macro:Tap,twice" << "play mode";
    QTest::newRow("macro without name") << "macro:" << "needs a name";
    QTest::newRow("dpi step") << "dpi:++" << "unknown dpi";
    QTest::newRow("raw") << "raw:00000000" << "unknown action";
}

void TestCliParsing::actionRefusals()
{
    QFETCH(QString, action);
    QFETCH(QString, says);
    QString error;
    QVERIFY(!parseButtonAction(action, {0, false}, &error));
    QVERIFY2(error.contains(says), qPrintable(error));
}

void TestCliParsing::macroEncoding_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("repeat");
    QTest::addColumn<QVariantList>("payload");
    QTest::newRow("press, 50 ms, release") << QStringList{"1,A", "0,50", "2,A"} << 1 << bytes("0001050481040000");
    QTest::newRow("2000 ms in 20 ms units") << QStringList{"1,A", "0,2000", "2,A"} << 1
                                           << bytes("000100040001006481040000");
    QTest::newRow("no pause between") << QStringList{"3,MS-L", "4,MS-L", "1,B"} << 300
                                      << bytes("012C01F081F001050000");
    QTest::newRow("126 units stay") << QStringList{"1,A", "0,1260", "1,B"} << 1 << bytes("00017E0401050000");
    QTest::newRow("127 units extend") << QStringList{"1,A", "0,1270", "1,B"} << 1 << bytes("000100040001003F01050000");
    QTest::newRow("50 ms units") << QStringList{"1,A", "0,1000000", "1,B"} << 1 << bytes("0001000400024E2001050000");
    QTest::newRow("clamped") << QStringList{"1,A", "0,99999999", "1,B"} << 70000 << bytes("FFFF00040003EA5F01050000");
    QTest::newRow("pauses outside dropped") << QStringList{"0,500", "1,A", "0,30", "2,A", "0,900"} << 1
                                            << bytes("0001030481040000");
    QTest::newRow("fractions dropped") << QStringList{"1,A", "0,15", "0,16", "2,A"} << 1 << bytes("0001030481040000");
    QTest::newRow("only pauses") << QStringList{"0,100"} << 1 << bytes("0001");
    QTest::newRow("empty") << QStringList{} << 5 << bytes("0005");
    QTest::newRow("single press keeps its record") << QStringList{"0,100", "1,A"} << 1 << bytes("000101040000");
    QTest::newRow("unknown name is code 0") << QStringList{"1,Nope", "2,Nope"} << 1 << bytes("0001010081000000");
}

void TestCliParsing::macroEncoding()
{
    QFETCH(QStringList, actions);
    QFETCH(int, repeat);
    QFETCH(QVariantList, payload);
    QCOMPARE(encodeMacro(actions, repeat, KeyTable()), payload);
}

void TestCliParsing::storedRepeatCount()
{
    // The editor plays an unreadable count once and holds the rest to 0..65535.
    QCOMPARE(splitStoredMacro({"1,A", "2,A", "x"}).repeat, 1);
    QCOMPARE(splitStoredMacro({"1,A", "70000"}).repeat, 65535);
    QCOMPARE(splitStoredMacro({"1,A", "0"}).repeat, 0);
    QCOMPARE(splitStoredMacro({"1,A", "7"}).actions, QStringList{"1,A"});
}

void TestCliParsing::keyTable()
{
    const KeyTable english;
    QCOMPARE(int(KeyTable::codes().size()), KeyTable::Size);
    QCOMPARE(english.codeOf(QStringLiteral("\\")), 0x31);  // listed twice: the first wins
    QCOMPARE(english.codeOf(QStringLiteral("Intl2")), 0x88);
    QCOMPARE(english.codeOf(QStringLiteral("a")), 0);        // the window matches exactly
    QCOMPARE(english.nameOf(0x32), QStringLiteral("\\"));
    QCOMPARE(english.nameOf(0xE7), QStringLiteral("RWin"));
    QCOMPARE(english.nameOf(0x74), QString());
    QCOMPARE(KeyTable::codeForTypedName(QStringLiteral("kpenter")), 0x58);
    QCOMPARE(KeyTable::codeForTypedName(QStringLiteral("Up")), 0x52);
    QCOMPARE(KeyTable::codeForTypedName(QStringLiteral("ms-b5")), 0xF4);
    QCOMPARE(KeyTable::codeForTypedName(QStringLiteral("Nope")), -1);

    QStringList names;
    for (int i = 0; i < KeyTable::Size; ++i)
        names.append(QStringLiteral("k%1").arg(i));
    const KeyTable other = KeyTable::forLanguage(names);
    QCOMPARE(other.codeOf(QStringLiteral("k0")), 0x04);
    QCOMPARE(other.codeOf(QStringLiteral("A")), 0);
    names.removeLast();  // an incomplete language keeps English
    QCOMPARE(KeyTable::forLanguage(names).codeOf(QStringLiteral("A")), 0x04);
}

void TestCliParsing::dpiSliderGrid()
{
    const DpiLimits defaults;  // 200..6000, step 50
    for (int value : {500, 1000, 1500, 2000, 3000, 4000, 5000, 6000})
        QCOMPARE(dpiShownBySlider(value, defaults), value);
    QCOMPARE(dpiShownBySlider(260, defaults), 250);    // between two knob positions
    QCOMPARE(dpiShownBySlider(99999, defaults), 6000); // the knob stays on its track
    QCOMPARE(dpiShownBySlider(0, defaults), 200);
    QCOMPARE(dpiShownBySlider(500, DpiLimits{500, 500, 50}), 500);
}

void TestCliParsing::systemSpeedIndex()
{
    QCOMPARE(speedIndexForPosition(3), 0);
    QCOMPARE(speedIndexForPosition(4), 1);
    QCOMPARE(speedIndexForPosition(155), 5);
    QCOMPARE(speedIndexForPosition(188), 6);
    QCOMPARE(speedIndexForPosition(337), 10);
}

void TestCliParsing::effectsFollowTheFlags()
{
    QCOMPARE(effectRows({false, false}).size(), 4);
    QCOMPARE(effectRows({true, false}).size(), 11);
    const auto loop = findEffect({false, true}, QStringLiteral("breath-loop"));
    QVERIFY(loop);
    QCOMPARE(loop->row, 4);
    QVERIFY(loop->colours && loop->speed && !loop->brightness);
    QVERIFY(!findEffect({false, false}, QStringLiteral("Wave")));
    const auto wave = findEffect({true, false}, QStringLiteral("5"));
    QVERIFY(wave);
    QCOMPARE(wave->name, QStringLiteral("Wave"));
    QCOMPARE(wave->speedOnChoosing.value_or(-1), 0);
    QCOMPARE(findEffect({true, false}, QStringLiteral("finger moving"))->row, 7);
    QCOMPARE(findEffect({true, false}, QStringLiteral("OFF"))->brightnessOnChoosing.value_or(-1), 0);
}

void TestCliParsing::commandLine()
{
    QString error;
    const auto parsed = parseArguments({"light", "--json", "Wave", "--speed=2", "--color", "1=#ff0000",
                                        "--color", "2=#00ff00", "--demo"}, &error);
    QVERIFY(parsed);
    QCOMPARE(parsed->words, (QStringList{"light", "Wave"}));
    QCOMPARE(parsed->options.value("speed"), QStringList{"2"});
    QCOMPARE(parsed->options.value("color"), (QStringList{"1=#ff0000", "2=#00ff00"}));
    QVERIFY(parsed->json && parsed->demo && !parsed->help);
    QCOMPARE(parseArguments({"button", "1", "dpi:-", "-"}, &error)->words.size(), 4);
    QVERIFY(parseArguments({"-h"}, &error)->help);
    QVERIFY(!parseArguments({"--json=yes"}, &error));
    QVERIFY(!parseArguments({"--brightness"}, &error));
    QVERIFY(error.contains(QStringLiteral("needs a value")));
}

QTEST_GUILESS_MAIN(TestCliParsing)
#include "tst_cli_parsing.moc"
