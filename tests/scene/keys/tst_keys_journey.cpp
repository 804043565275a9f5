// Reassigning buttons in the real window against the emulated mouse: clicks
// at window coordinates, keys through the scene's hook entry, and the
// mouse's key matrices checked afterwards.
#include "scenewindow.h"

#include <QDir>
#include <QImage>
#include <QQuickWidget>

using Entry = QList<int>;

namespace {

Entry entryOf(const std::array<quint8, MouseState::KeyMatrixSize>& matrix, int button)
{
    Entry entry;
    for (int i = 0; i < 4; ++i)
        entry.append(matrix[size_t(button * 4 + i)]);
    return entry;
}

int keyMatrixCommands(const EmulatedMouse* mouse)
{
    const quint8 command = mouse->config().family == EmulatedMouse::Family::F560 ? 0x0D : 0x12;
    int count = 0;
    for (const QByteArray& block : mouse->sentBlocks())
        count += quint8(block.at(0)) == command ? 1 : 0;
    return count;
}

// The assignment dialog's page scrolls: an item is brought into view before
// it is clicked.
class Journey : public SceneWindow
{
public:
    using SceneWindow::SceneWindow;
    using SceneWindow::click;

    void reveal(QQuickItem* target)
    {
        QQuickItem* page = item(QStringLiteral("page"));
        if (!page || !target || !page->isAncestorOf(target))
            return;
        auto* content = page->property("contentItem").value<QQuickItem*>();
        const qreal y = target->mapToItem(content, QPointF(0, 0)).y();
        const qreal maxY = page->property("contentHeight").toReal() - page->height();
        page->setProperty("contentY", qBound(0.0, y - 40, maxY));
    }
    void click(const QString& name)
    {
        QQuickItem* target = item(name);
        QVERIFY(target);
        reveal(target);
        click(at(target));
    }
    void openButton(int index) { click(QStringLiteral("row_%1").arg(index)); }
    // A drop-down grid: open it, let it unfold, click a cell (row, column).
    void chooseCell(const QString& grid, int row, int column)
    {
        click(grid);
        QQuickItem* head = item(grid);
        QTRY_VERIFY(!find(head, QStringLiteral("dropBox"))->property("running").toBool());
        click(at(head, QPointF(head->width() * (column + 0.5), head->height() * (row + 1.5))));
        QTRY_VERIFY(!head->property("isDrop").toBool());
    }
    void key(int usbCode)
    {
        QMetaObject::invokeMethod(root(), "detectKeyboard", Q_ARG(QVariant, true), Q_ARG(QVariant, usbCode));
        QMetaObject::invokeMethod(root(), "detectKeyboard", Q_ARG(QVariant, false), Q_ARG(QVariant, usbCode));
    }
    MouseState state() const { return mouse->state(); }
};

} // namespace

class TestKeysJourney : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("QT_QPA_PLATFORM", "offscreen"); }
    void assignAndSave_data();
    void assignAndSave();
    void screenshotOfTheDialog();
};

void TestKeysJourney::assignAndSave_data()
{
    QTest::addColumn<EmulatedMouse::Family>("family");
    QTest::addColumn<bool>("isGun");
    QTest::addColumn<Entry>("sniper");     // the device form of "Sniper Key"
    QTest::addColumn<Entry>("gunEntry");   // "Two Gun" in the normal matrix
    QTest::newRow("553") << EmulatedMouse::Family::F553 << false << Entry{7, 0, 4, 1} << Entry{};
    QTest::newRow("560 gun") << EmulatedMouse::Family::F560 << true << Entry{11, 0, 1, 1} << Entry{8, 0, 1, 0};
}

void TestKeysJourney::assignAndSave()
{
    QFETCH(EmulatedMouse::Family, family);
    QFETCH(bool, isGun);
    QFETCH(Entry, sniper);
    QFETCH(Entry, gunEntry);
    Journey j(family, isGun);
    QVERIFY(j.rig.sandbox.isValid());
    QVERIFY(j.start());
    j.mouse->clearRecords();

    // A media key, a combination, a DPI function and a gun slot.
    j.openButton(4);
    j.chooseCell(QStringLiteral("mediaGrid"), 1, 1);             // "Mute"
    j.click(QStringLiteral("closeMark"));
    j.openButton(5);
    j.click(QStringLiteral("comboField"));
    j.key(0xE0);
    j.key(0x04);
    j.click(QStringLiteral("comboConfirm"));
    j.click(QStringLiteral("closeMark"));
    j.openButton(6);
    j.click(QStringLiteral("radio_56"));
    j.click(QStringLiteral("closeMark"));
    if (isGun) {
        j.openButton(2);
        j.click(QStringLiteral("radio_54"));
        j.click(QStringLiteral("closeMark"));
    }
    QCOMPARE(keyMatrixCommands(j.mouse), 0);
    j.save();

    MouseState state = j.state();
    const auto& normal = state.keyMatrix[0];
    QCOMPARE(entryOf(normal, 4), Entry({3, 0, 0xE2, 0}));
    QCOMPARE(entryOf(normal, 5), Entry({0, 0x01, 0x04, 0}));
    QCOMPARE(entryOf(normal, 6), sniper);
    QCOMPARE(entryOf(normal, 7), sniper);   // the eighth button sends what the seventh does
    if (isGun) {
        QCOMPARE(entryOf(normal, 2), gunEntry);
        QCOMPARE(entryOf(state.keyMatrix[1], 0).mid(0, 2), Entry({11, 0}));
        QCOMPARE(entryOf(state.keyMatrix[3], 0).mid(0, 2), Entry({11, 2}));
    } else {
        QCOMPARE(entryOf(normal, 2), Entry({1, 0, 0xF2, 0}));
    }

    // The list restore puts the factory assignments back.
    j.mouse->clearRecords();
    j.click(QStringLiteral("restoreAll"));
    j.save();
    state = j.state();
    const QList<Entry> factory = {{1, 0, 0xF0, 0}, {1, 0, 0xF1, 0}, {1, 0, 0xF2, 0}, {1, 0, 0xF4, 0},
                                  {1, 0, 0xF3, 0}, {7, 0, 1, 0}, {7, 0, 2, 0}, {7, 0, 2, 0}};
    for (int button = 0; button < factory.size(); ++button)
        QCOMPARE(entryOf(state.keyMatrix[0], button), factory[button]);
    QCOMPARE(entryOf(state.keyMatrix[0], 14), Entry({4, 0, 1, 0}));
    QCOMPARE(j.mouse->protocolErrors(), QStringList());
}

// The open dialog as a user sees it, its combination field waiting for keys
// (so its confirm and cancel marks show), saved where K7_SCREENSHOT_DIR says.
void TestKeysJourney::screenshotOfTheDialog()
{
    Journey j(EmulatedMouse::Family::F553, true);
    QVERIFY(j.start());
    j.openButton(1);
    QTRY_VERIFY(j.item(QStringLiteral("keyAssigment"))->isVisible());
    j.click(QStringLiteral("comboField"));
    QTRY_VERIFY(j.item(QStringLiteral("comboConfirm"))->isVisible());
    QTest::qWait(100);
    const QImage shot = j.view()->grabFramebuffer();
    QCOMPARE(shot.size(), QSize(1024, 640));
    const QString folder = qEnvironmentVariable("K7_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(shot.save(QDir(folder).filePath(QStringLiteral("key-assignment-dialog.png"))));
}

QTEST_MAIN(TestKeysJourney)
#include "tst_keys_journey.moc"
