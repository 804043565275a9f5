// Every writing subcommand against the emulated mouse of both families: the
// files and the mouse end up exactly as after the same change made through
// the window's controller calls, and the same blocks went over the wire.
#include "cliworld.h"

#include "store/keycatalogue.h"
#include "store/namelists.h"

#include <QTest>

#include <functional>

namespace {

using WindowSteps = std::function<void(WindowWorld&)>;

const QVariantList kPeriods = ints({10, 10, 10});
// Shipped profile 1 (= the factory profile) and the test's profile 2.
const QVariantList kDpi1 = ints({500, 1000, 1500, 2000, 3000, 4000, 5000, 6000});
const QVariantList kDpi2 = ints({400, 800, 1600, 3200, 3000, 4000, 5000, 6000});
const QVariantList kColours = ints({255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0, 0, 255, 255, 255, 0, 255,
                                    255, 255, 255, 255, 128, 0});
// "Tap": A pressed, 50 ms, A released, twice.
const QVariantList kTapPayload = ints({0, 2, 5, 0x04, 0x81, 0x04, 0, 0});

void setButton(WindowWorld& w, int button, const QVariantList& entry)
{
    QVariantList flat = storedKeyMatrix(w.store);
    for (int i = 0; i < 4; ++i)
        flat[button * 4 + i] = entry[i];
    w.controller.mouseSetKeyMatrix(flat, true, kPeriods);
}

void saveDpi(WindowWorld& w, int count, const QVariantList& values)
{
    w.store.setDataList(SettingKey::kDpiValueArray, values);
    w.store.setData(SettingKey::kCurrentDpiCount, count);
    w.controller.mouseSetDpi(count, QStringLiteral("3360"), values);
}

void saveLight(WindowWorld& w, const QVariantList& light, const QVariantList& colours)
{
    w.store.setDataList(SettingKey::kLightValue, light);
    w.store.setDataList(SettingKey::kColorValue, colours);
    w.controller.mouseSetRGBEffect(uchar(light[0].toInt()), uchar(light[1].toInt()), uchar(light[2].toInt()));
    w.controller.mouseSetRGBColor(0, colours);
}

// The main screen re-reading and sending every panel of shipped profile 1.
void sendShippedPanels(WindowWorld& w, bool gun)
{
    w.controller.mouseSetKeyMatrix(storedKeyMatrix(w.store), true, kPeriods);
    w.controller.mouseSetReportRate(2);
    saveDpi(w, 4, kDpi1);
    saveLight(w, ints({0, 0, 4}), kColours);
    w.store.setData(SettingKey::kMouseRate, 155);
    w.store.setData(SettingKey::kDoubleRate, 188);
    w.store.setData(SettingKey::kScrollRate, 3);
    w.controller.mouseSetCursorSpeed(5);
    w.controller.mouseSetDoubleClickSpeed(6);
    w.controller.mouseSetVerticalScrollLines(3);
    if (gun) {
        w.controller.mouseSwitchKeyMatrix(1);
        w.controller.mouseResetKeyMatrix();
    }
}

QString inFolder(const World& w, const char* name)
{
    return w.folder() + QLatin1Char('/') + QLatin1String(name);
}

struct Change
{
    const char* name;
    QStringList arguments;
    WindowSteps window;
    bool needsGun = false;
    bool filesOnly = false;  // the same for every family: run once
};

const std::vector<Change>& changes()
{
    static const std::vector<Change> table = {
        {"dpi set", {"dpi", "set", "2=1600", "3=3200"},
         [](WindowWorld& w) { saveDpi(w, 3, ints({400, 1600, 3200, 3200, 3000, 4000, 5000, 6000})); }},
        {"dpi stages", {"dpi", "stages", "2"}, [](WindowWorld& w) { saveDpi(w, 2, kDpi2); }},
        {"dpi current", {"dpi", "current", "3"}, [](WindowWorld& w) { w.controller.mouseSetCurrentDPI(3); }},
        {"rate", {"rate", "250"},
         [](WindowWorld& w) {
             w.store.setData(SettingKey::kReportRate, 1);
             w.controller.mouseSetReportRate(4);
         }},
        {"light", {"light", "yo-yo", "--speed", "3", "--color", "2=#102030"},
         [](WindowWorld& w) {
             QVariantList colours = kColours;
             colours[3] = 0x10;
             colours[4] = 0x20;
             colours[5] = 0x30;
             saveLight(w, ints({9, 3, 4}), colours);
         }},
        {"button combo", {"button", "4", "combo:LCtrl+C"}, [](WindowWorld& w) { setButton(w, 3, ints({2, 1, 0x06, 0})); }},
        {"button gun", {"button", "5", "gun:2"}, [](WindowWorld& w) { setButton(w, 4, ints({8, 0, 2, 0})); }, true},
        {"button macro", {"button", "2", "macro:Tap,loop"},
         [](WindowWorld& w) {
             w.controller.mouseSendMacroData(kTapPayload, 1);
             w.store.setData(SettingKey::macroKeyKey(1), QStringLiteral("Tap"));
             setButton(w, 1, ints({4, 1, 1, 0}));
         }},
        {"macro send", {"macro", "send", "Tap", "3"},
         [](WindowWorld& w) { w.controller.mouseSendMacroData(kTapPayload, 2); }},
        {"profile use", {"profile", "use", "1"},
         [](WindowWorld& w) {
             w.store.setGlobalData(SettingKey::kProfileNo, 0);
             w.store.setCurrentProfile(0);
             sendShippedPanels(w, w.store.isGun());
         }},
        {"profile reset", {"profile", "reset", "2"},
         [](WindowWorld& w) {
             w.store.resetProfile(1);
             sendShippedPanels(w, w.store.isGun());
             w.controller.mouseSetCurrentDPI(2);
             if (!w.store.isGun())
                 return;
             w.store.setGlobalData(SettingKey::kGlobalSelectGun, ints({0, 1, 2}));
             const char* names[] = {"M416", "AKM", "M16A4"};
             const int ys[] = {5, 7, 8};
             for (int gun = 0; gun < 3; ++gun) {
                 w.guns.mouseSaveGundata(gun, {QLatin1String(names[gun]), QStringLiteral("L-Click"), 9, QStringLiteral("0"),
                                               ys[gun], QStringLiteral("0")});
                 w.controller.mouseSendGundata(gun + 1, ints({0, 0, ys[gun]}));
             }
         }},
        {"profile reset other", {"profile", "reset", "3"}, [](WindowWorld& w) { w.store.resetProfile(2); }, false, true},
        {"profile import", {"profile", "import", "1", "import.pf"},
         [](WindowWorld& w) {
             w.chooser.answer = inFolder(w, "import.pf");
             w.store.loadProfile(0);
         }, false, true},
        {"profile export", {"profile", "export", "2", "out.pf"},
         [](WindowWorld& w) {
             w.chooser.answer = inFolder(w, "out.pf");
             w.store.saveProfile(1);
         }, false, true},
        {"macro import", {"macro", "import", "import.mc"},
         [](WindowWorld& w) {
             w.chooser.answer = inFolder(w, "import.mc");
             w.macros.loadMacroFile(QStringLiteral("Macro_0"));
             NameLists::updataNameList(0, {QStringLiteral("Tap"), QStringLiteral("Macro_0")});
         }, false, true},
        {"macro export", {"macro", "export", "Tap", "tap.mc"},
         [](WindowWorld& w) {
             w.chooser.answer = inFolder(w, "tap.mc");
             w.macros.saveMacroFile(QStringLiteral("Tap"));
         }, false, true},
    };
    return table;
}

struct Outcome
{
    Files files;
    QByteArray state;
    QList<QByteArray> blocks;
};

} // namespace

class TestCliChanges : public QObject
{
    Q_OBJECT

private slots:
    void sameAsWindow_data();
    void sameAsWindow();
};

void TestCliChanges::sameAsWindow_data()
{
    QTest::addColumn<Flags>("flags");
    QTest::addColumn<int>("change");
    const std::pair<const char*, Flags> families[] = {
        {"553 gun", {false, true}}, {"560 gun", {true, true}}, {"560", {true, false}}};
    for (const auto& [family, flags] : families)
        for (std::size_t i = 0; i < changes().size(); ++i)
            if ((flags.gun || !changes()[i].needsGun) && (family == families[0].first || !changes()[i].filesOnly))
                QTest::addRow("%s, %s", family, changes()[i].name) << flags << int(i);
}

void TestCliChanges::sameAsWindow()
{
    QFETCH(Flags, flags);
    QFETCH(int, change);
    const Change& c = changes()[std::size_t(change)];

    Outcome window;
    {
        WindowWorld w(flags);
        QVERIFY(w.isValid());
        c.window(w);
        w.sync();
        window = {w.files(), w.state(), w.blocks()};
    }
    Outcome tool;
    {
        ToolWorld t(flags);
        QVERIFY(t.isValid());
        const Files before = t.files();
        QCOMPARE(t.run(c.arguments), 0);
        QVERIFY2(t.err.isEmpty(), qPrintable(t.err));
        QVERIFY(!t.out.isEmpty());
        tool = {t.files(), t.state(), t.blocks()};
        QVERIFY(tool.files != before || !tool.blocks.isEmpty());
    }
    QCOMPARE(tool.files.keys(), window.files.keys());
    for (auto it = window.files.begin(); it != window.files.end(); ++it)
        QCOMPARE(tool.files.value(it.key()), it.value());
    QCOMPARE(tool.blocks, window.blocks);
    QCOMPARE(tool.state, window.state);
}

QTEST_GUILESS_MAIN(TestCliChanges)
#include "tst_cli_changes.moc"
