// The real window over an emulated mouse: clicks at window coordinates on
// the main screen reach the device and the profile files.
#include "app/myqquickview.h"
#include "app/scenesetup.h"
#include "app/widget.h"
#include "detectionrig.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

namespace {

// Places on the window (pixels), from the layout of the main screen: the
// left column starts at (24, 88); the button list is 254 high for eight
// buttons, the Editor box 100 with gun functions; the report-rate box is
// 42 high with its 120-wide list 8 from its right edge.
const QPoint RateHead(188, 479);
QPoint rateRow(int row) { return {188, 491 + 24 * row + 12}; }
const QPoint ResetButton(888, 620);
const QPoint ConfigButton(808, 620);
const QPoint SystemSettingEntry(139, 519);
const QPoint HelpIcon(930, 27);
const QPoint ResetOk(678, 349);   // the centred 427 x 102 confirmation

class TestMainJourney : public QObject
{
    Q_OBJECT

    DetectionRig rig;
    std::unique_ptr<Widget> window;
    EmulatedMouse* mouse = nullptr;

    QQuickItem* root() { return window->view()->rootObject(); }
    QQuickItem* part(const char* name) { return root()->findChild<QQuickItem*>(QString::fromLatin1(name)); }
    // `delay` keeps a click apart from an earlier one at the same place,
    // which QTest would otherwise make a double click.
    void click(QPoint at, int delay = -1)
    {
        QTest::mouseClick(window->view(), Qt::LeftButton, {}, at, delay);
    }
    QVariant stored(const QString& file, const char* key)
    {
        return QSettings(QStringLiteral("modules/setting/") + file, QSettings::IniFormat).value(QString::fromLatin1(key));
    }
    quint8 deviceRate() { return mouse->state().reportRate[mouse->state().currentProfile]; }

    // A fresh window, connected to the emulated mouse, started and unlocked.
    void openWindow()
    {
        window.reset();
        window = std::make_unique<Widget>();
        window->device().setBackend(&rig.backend);
        window->device().setClock(&rig.clock);
        window->show();
        window->checkDevice();
        QTRY_VERIFY(root()->property("isPownOn").toBool());
        // the start-up lock ends and the regions replace the start-up picture
        QTRY_VERIFY_WITH_TIMEOUT(window->view()->isEnabled() && part("leftColumn")->isVisible(), 3000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(rig.sandbox.isValid());
        prepareScene();
        mouse = rig.addMouse();
        rig.configure({ListedDevice{}});
        openWindow();
        QCOMPARE(stored(QStringLiteral("apConfig.bin"), "mouse/profileNo").toInt(), 0);
    }

    void reportRateChosenInTheBoxReachesTheMouse()
    {
        click(RateHead);
        QTest::qWait(300);   // the list unfolds
        click(rateRow(0));   // "125Hz"
        QTRY_COMPARE(int(deviceRate()), 8);
        QCOMPARE(stored(QStringLiteral("p1.bin"), "mouse/reportRate").toInt(), 0);
        QCOMPARE(part("reportRateList")->property("textValue").toString(), QStringLiteral("125Hz"));
        QVERIFY(mouse->protocolErrors().isEmpty());
    }

    void configOpensTheProfileDialogOverTheMask()
    {
        click(ConfigButton);
        QVERIFY(part("profile")->isVisible());
        QVERIFY(part("mask")->isVisible());
        part("profile")->setVisible(false);
        QVERIFY(!part("mask")->isVisible());
    }

    void factoryResetRestoresProfileAndMouse()
    {
        QSettings(QStringLiteral("modules/setting/p1.bin"), QSettings::IniFormat)
            .setValue(QStringLiteral("mouse/reportRate"), 3);
        const QVariant factoryRow = stored(QStringLiteral("pD.bin"), "mouse/reportRate");
        QCOMPARE(factoryRow.toInt(), 2);
        const int blocksBefore = int(mouse->sentBlocks().size());

        click(ResetButton);
        QVERIFY(part("resetConfirm")->isVisible());
        click(ResetOk);
        QVERIFY(!part("resetConfirm")->isVisible());
        QTRY_VERIFY(window->view()->isEnabled());

        QCOMPARE(stored(QStringLiteral("p1.bin"), "mouse/reportRate"), factoryRow);
        QCOMPARE(int(deviceRate()), 2);                              // 500Hz: 2 ms
        QCOMPARE(int(mouse->state().currentDpi[mouse->state().currentProfile]), 2);
        QCOMPARE(int(mouse->state().currentKeyMatrix), 0);          // matrix 1, counted from 0
        QCOMPARE(part("reportRateList")->property("textValue").toString(), QStringLiteral("500Hz"));
        QVERIFY(int(mouse->sentBlocks().size()) > blocksBefore);
        QVERIFY(mouse->protocolErrors().isEmpty());
    }

    // A keyboard user starts with Tab: the first press must land on one of
    // the scene's controls, without a click into the window first.
    void tabFromTheStartReachesAControl()
    {
        openWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTRY_VERIFY(window->view()->hasFocus());
        QTest::keyClick(window->view(), Qt::Key_Tab);
        QQuickItem* focused = window->view()->quickWindow()->activeFocusItem();
        QVERIFY(focused);
        QVERIFY(focused->activeFocusOnTab());
    }

    // Escape with no control focused, right after the start: the help
    // menu folds; over a dialog, Escape closes the dialog.
    void escapeFoldsTheMenuAndClosesTheDialog()
    {
        openWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        click(HelpIcon);
        QVERIFY(part("helpMenu")->isVisible());
        QTest::keyClick(window->view(), Qt::Key_Escape);
        QVERIFY(!part("helpMenu")->isVisible());

        click(SystemSettingEntry);
        QVERIFY(part("systemSetting")->isVisible());
        QTest::keyClick(window->view(), Qt::Key_Escape);
        QVERIFY(!part("systemSetting")->isVisible());
        QVERIFY(!part("mask")->isVisible());
    }

    // While a dialog is open, Tab walks its controls, never those under the
    // mask, which Space would otherwise trigger unseen.
    void tabStaysInTheOpenDialog()
    {
        click(SystemSettingEntry);
        QQuickItem* dialog = part("systemSetting");
        QVERIFY(dialog->isVisible());
        for (int press = 1; press <= 8; ++press) {
            QTest::keyClick(window->view(), Qt::Key_Tab);
            QQuickItem* focused = window->view()->quickWindow()->activeFocusItem();
            QVERIFY(focused);
            QVERIFY2(dialog == focused || dialog->isAncestorOf(focused),
                     qPrintable(QStringLiteral("press %1 reached %2").arg(press).arg(focused->objectName())));
        }
        QMetaObject::invokeMethod(dialog, "close");
        QVERIFY(!part("mask")->isVisible());
    }

    // Locking the view (Save, a reset, every device detection pass) must not
    // hand the keyboard focus to a control the user never chose: the first
    // in the tab order is the button list's restore mark, which Space
    // would then trigger.
    void lockLeavesTheFocusWhereItWas()
    {
        QQuickWindow* scene = window->view()->quickWindow();
        window->view()->setFocus();
        QTRY_VERIFY(window->view()->hasFocus());
        root()->forceActiveFocus();   // as after a dialog closes
        QQuickItem* before = scene->activeFocusItem();
        QVERIFY(before);
        window->view()->setEnabled(false);
        window->view()->setEnabled(true);
        QCOMPARE(scene->activeFocusItem(), before);
        QVERIFY(!part("restoreAll")->hasActiveFocus());
        QVERIFY(window->view()->hasFocus());
    }

    // With K7_SCREENSHOT_DIR set: the window after start-up, and with the
    // reset confirmation open, in each shipped language.
    void screenshots_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("English");
        QTest::newRow("Chinese") << QStringLiteral("ChineseSimplified");
    }
    void screenshots()
    {
        QFETCH(QString, language);
        const QString folder = qEnvironmentVariable("K7_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("K7_SCREENSHOT_DIR is not set");
        QSettings(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat)
            .setValue(QStringLiteral("common/language"), language);
        openWindow();
        QTest::qWait(300);
        QVERIFY(window->grab().save(folder + QStringLiteral("/main-%1.png").arg(language)));
        click(ResetButton, 600);
        QVERIFY(part("resetConfirm")->isVisible());
        QTest::qWait(100);
        QVERIFY(window->grab().save(folder + QStringLiteral("/reset-%1.png").arg(language)));
        QMetaObject::invokeMethod(part("resetConfirm"), "close");
    }

    void cleanupTestCase()
    {
        window.reset();
    }
};

} // namespace

QTEST_MAIN(TestMainJourney)
#include "tst_main_journey.moc"
