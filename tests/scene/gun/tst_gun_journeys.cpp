// The gun editor and the profile dialog in the real window, driven with
// mouse events at window coordinates, against emulated mice of both
// families; what the mouse holds afterwards is checked.
#include "scenewindow.h"

#include <QFile>

namespace {

using Bytes = QList<int>;

// The line of a settings file that starts with `start`, as written on disk
// (settings objects of one process share unwritten values, which hides
// anything the file cannot hold).
QString lineOnDisk(const char* path, const char* start)
{
    QSettings(QString::fromLatin1(path), QSettings::IniFormat).sync();
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(start))
            return QString::fromUtf8(line.trimmed());
    }
    return QString();
}

// The mouse's gun slot 1..3 as times, X, Y.
Bytes gunSlot(const EmulatedMouse* mouse, bool is560, int slot)
{
    const MouseState state = mouse->state();
    if (is560) {
        const auto& image = state.profiles[slot + 1];
        return {image[79], image[80], image[81]};
    }
    const MouseState::GunSetting& gun = state.gun[slot - 1];
    return {gun.times, gun.x, gun.y};
}

// Entry 0 of key matrix 2..4, which carries that slot's gun period.
Bytes periodEntry(const EmulatedMouse* mouse, int matrix)
{
    const MouseState state = mouse->state();
    const auto& m = state.keyMatrix[matrix - 1];
    return {m[0], m[1], m[2], m[3]};
}

} // namespace

class TestGunJourneys : public QObject
{
    Q_OBJECT

private:
    struct Journey : SceneWindow
    {
        using SceneWindow::SceneWindow;
        bool is560 = false;
        bool hasKeyList = true;
        // The drop-downs announce a choice once they have folded away.
        void settle() { QTest::qWait(250); }
    };

    // A gun mouse of the given family, connected, its window shown and the
    // start-up lock over. Guns 0..5 in the gun file get recognisable values.
    std::unique_ptr<Journey> start(bool is560)
    {
        auto j = std::make_unique<Journey>(is560 ? EmulatedMouse::Family::F560 : EmulatedMouse::Family::F553, true);
        j->is560 = is560;
        {
            QSettings guns(QStringLiteral("modules/gun/gunData.bin"), QSettings::IniFormat);
            for (int row = 0; row < 6; ++row) {
                guns.setValue(QStringLiteral("gunData/") + QString::number(row),
                              QStringList({QStringLiteral("G") + QString::number(row), QStringLiteral("L-Click"),
                                           QString::number(20 + row), QString::number(row),
                                           QString::number(10 + row), QString::number(3 + row)}));
            }
        }
        {
            // a button on gun slot 1 makes the key list send the gun matrices
            QSettings first(QStringLiteral("modules/setting/p1.bin"), QSettings::IniFormat);
            first.setValue(QStringLiteral("mouseKeyMatrix/3"), QStringList({"8", "0", "1", "0"}));
            // profile 2 (third file): its own report rate and a button on gun slot 2
            QSettings third(QStringLiteral("modules/setting/p3.bin"), QSettings::IniFormat);
            third.setValue(QStringLiteral("mouse/reportRate"), 0);
            third.setValue(QStringLiteral("mouseKeyMatrix/4"), QStringList({"8", "0", "2", "0"}));
            QSettings names(QStringLiteral("modules/setting/name.bin"), QSettings::IniFormat);
            names.setValue(QStringLiteral("profile/profileName"), QStringList({"Standard0", "Work2"}));
            QSettings global(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
            global.setValue(QStringLiteral("mouse/selectGun"), QStringList({"5", "4", "3"}));
        }
        MouseState state = j->mouse->state();
        // a 553 mouse whose third option byte is set takes Y negated
        state.keyboardOption = {0, 0, 1, 0};
        // the gun send must clear bit 2 of byte 65 of images 2..4
        for (int p = 2; p <= 4; ++p)
            state.profiles[p][65] = 0xFF;
        j->mouse->setState(state);
        if (!j->start())
            return nullptr;
        j->mouse->clearRecords();
        return j;
    }

    static QString commands(const EmulatedMouse* mouse) { return DetectionRig::commands(mouse); }

    // Gun 1 onto slot 1 (slots hold guns 5, 4, 3), Endness ticked, editor
    // closed: the three slots go out, then the key matrices with the periods.
    static void editGunAndClose(Journey& j, const QString& sent)
    {
        j.click(j.item("gunEditorEntry"));
        QQuickItem* editor = j.item("gunControl");
        QVERIFY(editor->isVisible());
        j.click(j.item("gunRow1", editor));
        QCOMPARE(editor->property("selectGun1").toInt(), 1);
        QQuickItem* endness = j.item("endness", editor);
        j.click(endness, QPointF(endness->width() - 6, endness->height() / 2));
        QCOMPARE(editor->property("isSave").toBool(), true);
        QVERIFY(j.mouse->sentBlocks().isEmpty());
        j.click(j.item("closeMark", editor));
        QVERIFY(!editor->isVisible());

        QCOMPARE(commands(j.mouse), j.hasKeyList ? sent : sent.left(j.is560 ? 8 : 17));
        // Y as the 553 mouse holds it: negated in 8 bits, as its option byte asks
        const auto y = [&j](int value) { return j.is560 ? value : 256 - value; };
        QCOMPARE(gunSlot(j.mouse, j.is560, 1), Bytes({0, 1, y(11)}));
        QCOMPARE(gunSlot(j.mouse, j.is560, 2), Bytes({7, 4, y(14)}));
        QCOMPARE(gunSlot(j.mouse, j.is560, 3), Bytes({6, 3, y(13)}));
        if (j.is560) {
            const MouseState state = j.mouse->state();
            for (int p = 2; p <= 4; ++p) {
                QCOMPARE(int(state.profiles[p][78]), 0xF0);
                QCOMPARE(int(state.profiles[p][65]), 0xFB);
            }
        }
        if (j.hasKeyList) {
            QCOMPARE(periodEntry(j.mouse, 2), Bytes({11, 0, 21, 0}));
            QCOMPARE(periodEntry(j.mouse, 3), Bytes({11, 1, 24, 0}));
            QCOMPARE(periodEntry(j.mouse, 4), Bytes({11, 2, 23, 0}));
        }

        QSettings guns(QStringLiteral("modules/gun/gunData.bin"), QSettings::IniFormat);
        QCOMPARE(guns.value(QStringLiteral("gunData/1")).toStringList(),
                 QStringList({"G1", "L-Click", "21", "1", "11", "0"}));
        QCOMPARE(lineOnDisk("modules/setting/apConfig.bin", "selectGun="), QStringLiteral("selectGun=1, 4, 3"));
    }

    // The selector's second row carries profile 2: its settings go out in
    // the main screen's order, key list first, matrix switch and reset last.
    static void switchProfile(Journey& j, const QString& first, const QString& last)
    {
        QQuickItem* selector = j.item("profileSelector");
        QCOMPARE(selector->property("textValue").toString(), QStringLiteral("Standard"));
        j.click(selector);
        j.settle();
        j.click(selector, QPointF(selector->width() / 2, selector->height() * 2.5));
        QTRY_COMPARE(j.item("profile")->property("profileNo").toInt(), 2);
        QCOMPARE(selector->property("textValue").toString(), QStringLiteral("Work"));
        QVERIFY(j.view()->isEnabled());
        QSettings global(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
        QCOMPARE(global.value(QStringLiteral("mouse/profileNo")).toInt(), 2);

        const QString sent = commands(j.mouse);
        QVERIFY2(sent.endsWith(last), qPrintable(sent));
        if (!j.hasKeyList)
            return;
        QVERIFY2(sent.startsWith(first), qPrintable(sent));
        // profile 2's gun button (the fifth) is on the mouse, the first profile's (fourth) is not
        const MouseState state = j.mouse->state();
        QCOMPARE(int(state.keyMatrix[0][16]), 8);
        QVERIFY(state.keyMatrix[0][12] != 8);
    }

    // Factory reset: slots 0, 1, 2 with Y 5, 7, 8 on the mouse again (gun 1
    // keeps the endless count given to it above).
    static void factoryReset(Journey& j)
    {
        j.click(j.item("resetButton"));
        j.click(j.item("resetOk"));
        QTRY_VERIFY(j.view()->isEnabled());
        const auto y = [&j](int value) { return j.is560 ? value : 256 - value; };
        QCOMPARE(gunSlot(j.mouse, j.is560, 1), Bytes({3, 0, y(5)}));
        QCOMPARE(gunSlot(j.mouse, j.is560, 2), Bytes({0, 1, y(7)}));
        QCOMPARE(gunSlot(j.mouse, j.is560, 3), Bytes({5, 2, y(8)}));
        QCOMPARE(lineOnDisk("modules/setting/apConfig.bin", "selectGun="), QStringLiteral("selectGun=0, 1, 2"));
        QSettings guns(QStringLiteral("modules/gun/gunData.bin"), QSettings::IniFormat);
        QCOMPARE(guns.value(QStringLiteral("gunData/2")).toStringList(),
                 QStringList({"G2", "L-Click", "9", "2", "8", "5"}));
    }

private Q_SLOTS:
    // One session per family (starting the window is the slow part).
    void gunMouse_data()
    {
        QTest::addColumn<bool>("is560");
        QTest::addColumn<QString>("gunSent");
        QTest::addColumn<QString>("switchFirst");
        QTest::addColumn<QString>("switchLast");
        QTest::newRow("553") << false << "83 04 83 04 83 04 12 12 12 12 02" << "12 12 12 12 02 01" << "02 12 12 12";
        QTest::newRow("560") << true << "0c 0c 0c 0c 0d 0d 0d 0d 02" << "0c 0d 0d 0d 0d 02 03" << "02 0d 0d 0d";
    }
    void gunMouse()
    {
        QFETCH(bool, is560);
        QFETCH(QString, gunSent);
        QFETCH(QString, switchFirst);
        QFETCH(QString, switchLast);
        auto j = start(is560);
        QVERIFY(j);
        // Until the button list lands, its placeholder sends no key matrix:
        // then only what the gun editor sends itself is checked.
        j->hasKeyList = j->item("keyMatrix")->property("gunPeriods").isValid();
        if (!j->hasKeyList)
            qWarning("button list placeholder: key matrices not checked");

        editGunAndClose(*j, gunSent);
        if (QTest::currentTestFailed())
            return;
        j->mouse->clearRecords();
        switchProfile(*j, switchFirst, switchLast);
        if (QTest::currentTestFailed())
            return;
        j->mouse->clearRecords();
        factoryReset(*j);
        QVERIFY(j->mouse->protocolErrors().isEmpty());
    }
};

QTEST_MAIN(TestGunJourneys)
#include "tst_gun_journeys.moc"
