// Read commands and their --json output, refusals of bad input (exit code,
// one line, nothing changed), a missing or failing mouse, and the guard
// against a running window.
#include "cliworld.h"

#include "cli/instanceguard.h"
#include "app/localpeer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QJsonObject json(const QString& text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

const Flags k553{false, true};
const Flags k560{true, true};

} // namespace

class TestCliReads : public QObject
{
    Q_OBJECT

private slots:
    void info_data();
    void info();
    void list();
    void profileShow();
    void macroListAndShow();
    void refusals_data();
    void refusals();
    void noDevice();
    void deviceErrors();
    void windowHoldsTheMouse();
    void theProgram();
};

void TestCliReads::info_data()
{
    QTest::addColumn<Flags>("flags");
    QTest::newRow("553") << k553;
    QTest::newRow("560") << k560;
}

void TestCliReads::info()
{
    QFETCH(Flags, flags);
    ToolWorld t(flags);
    MouseState state = t.mouse().state();
    state.currentDpi.fill(3);
    state.keyboardOption = {0x11, 0x22, 0x33, 0x44};
    state.currentProfile = 1;
    t.mouse().setState(state);
    const Files before = t.files();

    QCOMPARE(t.run({"--json", "info"}), 0);
    const QJsonObject info = json(t.out);
    QCOMPARE(info.value("schema").toInt(), 1);
    QCOMPARE(info.value("command").toString(), QStringLiteral("info"));
    QCOMPARE(info.value("family").toString(), flags.is560 ? QStringLiteral("560") : QStringLiteral("553"));
    QCOMPARE(info.value("activeProfile").toInt(), 2);
    QCOMPARE(info.value("dpiStage").toInt(), 3);
    if (flags.is560) {
        QCOMPARE(info.value("onboardProfile").toInt(), 1);
        QCOMPARE(info.value("keyboardOptions").toArray(), (QJsonArray{0x11, 0x22}));
    } else {
        QVERIFY(info.value("onboardProfile").isNull());
        QCOMPARE(info.value("keyboardOptions").toArray(), (QJsonArray{0x11, 0x22, 0x33, 0x44}));
    }
    QCOMPARE(t.files(), before);
    QCOMPARE(t.mouse().state().keyboardOption, state.keyboardOption);
}

void TestCliReads::list()
{
    ToolWorld t(k553);
    QCOMPARE(t.run({"list", "--json"}), 0);
    const QJsonArray devices = json(t.out).value("devices").toArray();
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices[0].toObject().value("vid").toString(), QStringLiteral("04d9"));
    QVERIFY(devices[0].toObject().value("answers").toBool());

    t.mouse().setAnswerMode(EmulatedMouse::AnswerMode::Garbage);
    QCOMPARE(t.run({"list", "--json"}), 2);
    const QJsonObject entry = json(t.out).value("devices").toArray().at(0).toObject();
    QVERIFY(entry.value("present").toBool());
    QVERIFY(!entry.value("answers").toBool());
}

void TestCliReads::profileShow()
{
    ToolWorld t(k553);
    QCOMPARE(t.run({"--json", "profile", "show"}), 0);
    const QJsonObject shown = json(t.out);
    QCOMPARE(shown.value("profile").toInt(), 2);
    QCOMPARE(shown.value("reportRate").toInt(), 250);
    QCOMPARE(shown.value("dpi").toObject().value("count").toInt(), 3);
    QCOMPARE(shown.value("dpi").toObject().value("stages").toArray().at(2).toInt(), 1600);
    QCOMPARE(shown.value("light").toObject().value("effect").toString(), QStringLiteral("Wave"));
    QCOMPARE(shown.value("light").toObject().value("colors").toArray().at(0).toString(), QStringLiteral("#ff0000"));
    const QJsonArray buttons = shown.value("buttons").toArray();
    QCOMPARE(buttons.size(), 16);
    QCOMPARE(buttons[3].toObject().value("action").toString(), QStringLiteral("key:A"));
    QCOMPARE(buttons[7].toObject().value("action").toString(), QStringLiteral("double"));
    QCOMPARE(buttons[14].toObject().value("action").toString(), QStringLiteral("none"));

    // Another profile, as text; showing it does not make it the active one.
    QCOMPARE(t.run({"profile", "show", "1"}), 0);
    QVERIFY(t.out.contains(QStringLiteral("name: Standard")));
    QVERIFY(t.out.contains(QStringLiteral("active: no")));
    QCOMPARE(t.run({"--json", "info"}), 0);
    QCOMPARE(json(t.out).value("activeProfile").toInt(), 2);
}

void TestCliReads::macroListAndShow()
{
    ToolWorld t(k560);
    QCOMPARE(t.run({"--json", "macro", "list"}), 0);
    const QJsonArray macros = json(t.out).value("macros").toArray();
    QCOMPARE(macros.size(), 1);
    QCOMPARE(macros[0].toObject().value("name").toString(), QStringLiteral("Tap"));
    QCOMPARE(macros[0].toObject().value("actions").toInt(), 3);

    QCOMPARE(t.run({"button", "6", "macro:Tap"}), 0);
    QCOMPARE(t.run({"--json", "macro", "show", "Tap"}), 0);
    const QJsonObject tap = json(t.out);
    QCOMPARE(tap.value("repeat").toInt(), 2);
    QCOMPARE(tap.value("bytes").toInt(), 8);
    QCOMPARE(tap.value("buttons").toArray(), QJsonArray{6});
    QCOMPARE(tap.value("actions").toArray().at(1).toObject().value("ms").toInt(), 50);
    QCOMPARE(tap.value("actions").toArray().at(2).toObject().value("action").toString(), QStringLiteral("release"));
}

void TestCliReads::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");
    QTest::newRow("no command") << QStringList{"--json"} << 1 << "no command given";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 1 << "unknown command";
    QTest::newRow("unknown option") << QStringList{"--frob", "info"} << 1 << "unknown option --frob";
    QTest::newRow("short option") << QStringList{"info", "-x"} << 1 << "unknown option -x";
    QTest::newRow("option of another command") << QStringList{"rate", "500", "--speed", "2"} << 1 << "does not apply";
    QTest::newRow("option without value") << QStringList{"light", "Wave", "--speed"} << 1 << "needs a value";
    QTest::newRow("missing operand") << QStringList{"profile", "use"} << 1 << "usage: k7ctl profile use N";
    QTest::newRow("extra operand") << QStringList{"rate", "500", "1000"} << 1 << "usage:";
    QTest::newRow("profile 0") << QStringList{"profile", "use", "0"} << 1 << "profile must be 1..6";
    QTest::newRow("dpi above max") << QStringList{"dpi", "set", "2=99999"} << 1 << "DPI must be 200..12000";
    QTest::newRow("dpi off grid") << QStringList{"dpi", "set", "1=400", "2=1650"} << 1 << "multiple of 100";
    QTest::newRow("dpi stage") << QStringList{"dpi", "set", "5=800"} << 1 << "DPI stage must be 1..4";
    QTest::newRow("dpi not a pair") << QStringList{"dpi", "set", "800"} << 1 << "STAGE=VALUE";
    QTest::newRow("stage count") << QStringList{"dpi", "stages", "5"} << 1 << "stage count must be 1..4";
    QTest::newRow("current stage") << QStringList{"dpi", "current", "4"} << 1 << "DPI stage must be 1..3";
    QTest::newRow("rate") << QStringList{"rate", "300"} << 1 << "125, 250, 500 or 1000";
    QTest::newRow("effect") << QStringList{"light", "Disco"} << 1 << "unknown effect";
    QTest::newRow("brightness 5") << QStringList{"light", "Static", "--brightness", "5"} << 1 << "brightness must be 0..4";
    QTest::newRow("speed of static") << QStringList{"light", "Static", "--speed", "1"} << 1 << "has no speed";
    QTest::newRow("colour of neon") << QStringList{"light", "Neon", "--color", "1=#ff0000"} << 1 << "takes no colours";
    QTest::newRow("bad colour") << QStringList{"light", "Static", "--color", "9=#ff0000"} << 1 << "N=#rrggbb";
    QTest::newRow("button 9") << QStringList{"button", "9", "left"} << 1 << "button must be 1..8";
    QTest::newRow("three keys") << QStringList{"button", "3", "combo:A+B+C"} << 1 << "at most two keys";
    QTest::newRow("fire rate") << QStringList{"button", "3", "fire:A,2,0"} << 1 << "fire rate must be 4..80";
    QTest::newRow("media name") << QStringList{"button", "3", "media:louder"} << 1 << "unknown media";
    QTest::newRow("last left button") << QStringList{"button", "1", "right"} << 1 << "only left button";
    QTest::newRow("unknown macro") << QStringList{"button", "3", "macro:Nope"} << 4 << "no macro named";
    QTest::newRow("macro name taken") << QStringList{"macro", "import", "import.mc", "Tap"} << 1 << "exists";
    QTest::newRow("macro name unsafe") << QStringList{"macro", "import", "import.mc", "../x"} << 1 << "cannot be a macro name";
    QTest::newRow("missing profile file") << QStringList{"profile", "import", "2", "missing.pf"} << 4 << "no such file";
    QTest::newRow("missing macro file") << QStringList{"macro", "import", "missing.mc"} << 4 << "no such file";
    QTest::newRow("not a settings file") << QStringList{"profile", "import", "2", "modules"} << 4 << "not a readable file";
    QTest::newRow("export unknown macro") << QStringList{"macro", "export", "Nope", "x.mc"} << 4 << "no macro named";
    QTest::newRow("export to no folder") << QStringList{"profile", "export", "1", "no/such/dir/x.pf"} << 4 << "cannot write";
}

void TestCliReads::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    // The refusals do not depend on the family; each row picks one by its name.
    const Flags flags = qHash(QByteArray(QTest::currentDataTag())) % 2 ? k560 : k553;
    {
        ToolWorld t(flags);
        QVERIFY(t.isValid());
        const Files before = t.files();
        const QByteArray state = t.state();
        QCOMPARE(t.run(arguments), exitCode);
        QVERIFY2(t.err.startsWith(QStringLiteral("k7ctl: ")) && t.err.count(QLatin1Char('\n')) == 1, qPrintable(t.err));
        QVERIFY2(t.err.contains(says), qPrintable(t.err));
        QVERIFY(t.out.isEmpty());
        QCOMPARE(t.files(), before);
        QVERIFY(t.blocks().isEmpty());
        QCOMPARE(t.state(), state);
    }
}

// Checked before anything is written: the files stay as they were.
void TestCliReads::noDevice()
{
    for (const QStringList& arguments : {QStringList{"dpi", "set", "2=1600"}, QStringList{"profile", "use", "1"},
                                         QStringList{"profile", "reset", "2"}, QStringList{"info"}}) {
        ToolWorld t(k553);
        const Files before = t.files();
        t.mouse().unplug();
        QCOMPARE(t.run(arguments), 2);
        QVERIFY(t.err.startsWith(QStringLiteral("k7ctl: no listed mouse answers")));
        QCOMPARE(t.files(), before);
    }
}

void TestCliReads::deviceErrors()
{
    // A failed transfer is not reported as success.
    ToolWorld t(k553);
    t.mouse().failNext(EmulatedMouse::HostCall::Write);
    QCOMPARE(t.run({"button", "4", "left"}), 3);
    QVERIFY2(t.err.contains(QStringLiteral("failed 1 transfer")), qPrintable(t.err));

    // Without its on-board profiles a 560 mouse would get zeros over them:
    // nothing is sent and nothing stored.
    ToolWorld t560(k560);
    const Files before = t560.files();
    t560.mouse().failNext(EmulatedMouse::HostCall::Read, 0, EmulatedMouse::Fault::NoAnswer);
    QCOMPARE(t560.run({"light", "Static"}), 3);
    QVERIFY2(t560.err.contains(QStringLiteral("nothing was changed")), qPrintable(t560.err));
    QCOMPARE(t560.files(), before);
    for (const QByteArray& block : t560.blocks())
        QCOMPARE(quint8(block.at(0)), quint8(0x8C));
}

void TestCliReads::windowHoldsTheMouse()
{
    QTemporaryDir folder;
    const QStringList programs = windowProgramsIn(folder.path());
    {
        LocalPeer window(LocalPeer::identityFor(programs.first()));
        QVERIFY(!window.isClient());  // the window listens
        QVERIFY(InstanceGuard(programs).heldElsewhere());
    }
    InstanceGuard first(programs);
    QVERIFY(!first.heldElsewhere());
    // While the tool runs, a window (or a second tool) finds the slot taken.
    LocalPeer lateWindow(LocalPeer::identityFor(programs.last()));
    QVERIFY(lateWindow.isClient());
    QVERIFY(InstanceGuard(programs).heldElsewhere());
}

// The installed program: the emulated mouse, its settings beside it, file
// names relative to where it was started.
void TestCliReads::theProgram()
{
    const QString program = qEnvironmentVariable("K7_OUTPUT_DIR") + QStringLiteral("/k7ctl");
    if (!QFileInfo::exists(program))
        QSKIP("k7ctl is not built");
    QTemporaryDir folder;
    auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.start(program, arguments);
        process.waitForFinished(60000);
        return std::make_pair(process.exitCode(), process.readAllStandardOutput() + process.readAllStandardError());
    };
    const auto [infoCode, info] = run({"--demo", "--json", "info"});
    QCOMPARE(infoCode, 0);
    QCOMPARE(json(QString::fromUtf8(info)).value("schema").toInt(), 1);
    const auto [exportCode, exported] = run({"--demo", "profile", "export", "1", "p1.pf"});
    QCOMPARE(exportCode, 0);
    QVERIFY2(QFileInfo::exists(folder.filePath("p1.pf")), exported.constData());
    const auto [badCode, bad] = run({"--demo", "dpi", "set", "1=5"});
    QCOMPARE(badCode, 1);
    QCOMPARE(bad.count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestCliReads)
#include "tst_cli_reads.moc"
