// Journeys through the real window against the emulated mouse: the macro
// editor opened from the main screen, driven with mouse events at window
// coordinates and key events from the input hooks; the mouse's own state
// is checked afterwards.
#include "../../app/scenewindow.h"

#include <QtTest>

namespace {

// A visible text item showing `text` outside `skip` (the editor's own title).
QQuickItem* findText(QQuickItem* item, const QString& text, const QQuickItem* skip)
{
    if (item == skip || !item->isVisible())
        return nullptr;
    if (item->property("text").toString() == text && item->inherits("QQuickText"))
        return item;
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = findText(child, text, skip))
            return found;
    }
    return nullptr;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// The device's 128-byte macro block: the payload, then zeros.
QByteArray block(const QByteArray& payload)
{
    return payload + QByteArray(128 - payload.size(), '\0');
}

} // namespace

class MacroJourneys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void recordedMacroFollowsItsButton();
    void keysBeingRecordedStayOutOfTheScene();
    void screenshot();

private:
    static constexpr int Button = 3;    // the fourth button holds the macro

    // A library with "Burst" (empty) on button 3 of profile 0, a connected
    // mouse of `family`, and the editor open.
    void connectWithMacroOnButton(EmulatedMouse::Family family);
    void openEditor();
    myQQuickView* view() { return m_scene->view(); }
    QQuickItem* root() { return m_scene->root(); }
    QQuickItem* editor() { return SceneWindow::find(root(), QStringLiteral("macroEditor")); }
    QQuickItem* part(const QString& name) { return SceneWindow::find(editor(), name); }
    QQuickItem* macroRow(int row);
    void click(QQuickItem* item)
    {
        QVERIFY(item);
        m_scene->click(item);
    }
    void key(int code, bool isDown) { view()->detectKeyboard(isDown, code); }
    int actionCount() { return editor()->property("actions").value<QObject*>()->property("count").toInt(); }
    QByteArray deviceMacro(int slot) const;

    std::unique_ptr<SceneWindow> m_scene;
    EmulatedMouse* m_mouse = nullptr;
};

void MacroJourneys::cleanup()
{
    m_mouse = nullptr;
    m_scene.reset();
}

void MacroJourneys::connectWithMacroOnButton(EmulatedMouse::Family family)
{
    m_scene = std::make_unique<SceneWindow>(family);
    QVERIFY(m_scene->rig.sandbox.isValid());
    m_mouse = m_scene->mouse;
    m_scene->open();
    QVERIFY2(root(), "main scene loads");
    view()->createMacroIni(QStringLiteral("Burst"), 0);
    view()->updataNameList(0, {QStringLiteral("Burst")});
    view()->setDataList(QStringLiteral("mouseKeyMatrix/3"), {4, 0, Button, 0});
    view()->setData(QStringLiteral("mouseMacroKey/3"), QStringLiteral("Burst"));
    QVERIFY(m_scene->start());
    m_mouse->clearRecords();
    openEditor();
}

void MacroJourneys::openEditor()
{
    QVERIFY2(editor(), "the scene holds the macro editor");
    QQuickItem* entry = findText(root(), QStringLiteral("Macro Editor"), editor());
    QVERIFY2(entry, "the main screen's Macro Editor entry");
    click(entry);
    QTRY_VERIFY(editor()->isVisible());
}

QQuickItem* MacroJourneys::macroRow(int row)
{
    QQuickItem* list = part(QStringLiteral("macroList"));
    QQuickItem* rows = list ? list->property("view").value<QQuickItem*>() : nullptr;
    if (!rows)
        return nullptr;
    QQuickItem* item = nullptr;
    QMetaObject::invokeMethod(rows, "forceLayout");
    QMetaObject::invokeMethod(rows, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, item), Q_ARG(int, row));
    return item;
}

QByteArray MacroJourneys::deviceMacro(int slot) const
{
    const MouseState state = m_mouse->state();
    const auto& macro = state.macros[slot];
    return QByteArray(reinterpret_cast<const char*>(macro.data()), int(macro.size()));
}

// Recorded without delays, so the payload does not depend on how fast the
// test runs: A down, A up, left button down, left button up.
void MacroJourneys::recordedMacroFollowsItsButton()
{
    connectWithMacroOnButton(EmulatedMouse::Family::F553);
    click(macroRow(0));
    click(part(QStringLiteral("delayBox")));
    QCOMPARE(part(QStringLiteral("delayBox"))->property("isSelect").toBool(), false);
    click(part(QStringLiteral("recordButton")));
    QVERIFY(editor()->property("isInputting").toBool());
    key(0x04, true);
    key(0x04, false);
    key(0xF0, true);
    key(0xF0, false);
    QTRY_COMPARE(actionCount(), 4);
    click(part(QStringLiteral("recordButton")));
    QVERIFY(!editor()->property("isInputting").toBool());

    // macro slot 4 (device numbering) belongs to button 3
    const QByteArray once = bytes({0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x01, 0xF0, 0x81, 0xF0, 0x00, 0x00});
    QCOMPARE(deviceMacro(Button).toHex(' '), block(once).toHex(' '));

    // every later save sends it again: three times
    QQuickItem* times = part(QStringLiteral("timesField"));
    click(times);
    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(view(), QStringLiteral("3"));
    QTest::keyClick(view(), Qt::Key_Return);
    const QByteArray thrice = bytes({0x00, 0x03, 0x01, 0x04, 0x81, 0x04, 0x01, 0xF0, 0x81, 0xF0, 0x00, 0x00});
    QTRY_COMPARE(deviceMacro(Button).toHex(' '), block(thrice).toHex(' '));
    QCOMPARE(view()->loadMacroIni(QStringLiteral("Burst")),
             QStringList({"1,A", "2,A", "3,MS-L", "4,MS-L", "3"}));
}

// A Space being recorded must not also press the focused Record button,
// which would end the recording; once it has ended, Space presses it again.
void MacroJourneys::keysBeingRecordedStayOutOfTheScene()
{
    connectWithMacroOnButton(EmulatedMouse::Family::F553);
    click(macroRow(0));
    QQuickItem* record = part(QStringLiteral("recordButton"));
    click(record);
    QVERIFY(editor()->property("isInputting").toBool());
    QVERIFY(root()->property("isCapturingKeys").toBool());
    record->forceActiveFocus();
    QTest::keyClick(view(), Qt::Key_Space);
    QVERIFY2(editor()->property("isInputting").toBool(), "still recording");
    click(record);
    QVERIFY(!root()->property("isCapturingKeys").toBool());
    record->forceActiveFocus();
    QTest::keyClick(view(), Qt::Key_Space);
    QVERIFY(editor()->property("isInputting").toBool());
}

// The open editor as a user sees it; written where K7_SCREENSHOT_DIR says.
void MacroJourneys::screenshot()
{
    const QString folder = qEnvironmentVariable("K7_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("set K7_SCREENSHOT_DIR to keep a screenshot");
    connectWithMacroOnButton(EmulatedMouse::Family::F553);
    click(macroRow(0));
    click(part(QStringLiteral("recordButton")));
    key(0x04, true);
    key(0x04, false);
    key(0xE1, true);
    key(0x05, true);
    key(0x05, false);
    key(0xE1, false);
    QTRY_COMPARE(actionCount(), 11);   // six events, five delays between them
    click(part(QStringLiteral("recordButton")));
    const QImage image = view()->grabFramebuffer();
    QVERIFY2(!image.isNull(), "the view renders");
    QVERIFY(image.save(folder + QStringLiteral("/macro-editor.png")));
}

QTEST_MAIN(MacroJourneys)
#include "tst_macro_journeys.moc"
