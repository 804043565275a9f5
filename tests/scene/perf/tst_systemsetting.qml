import QtQuick
import QtTest
import "qrc:/modules/qml/pages"

// The system-setting dialog: every trigger stores all three keys and applies
// only its own setting.
Item {
    id: root
    width: 480
    height: 360

    property int mainFocusCalls: 0
    function mainFocus() { ++mainFocusCalls }

    SystemSetting { id: dialog; x: 20; y: 20 }

    SignalSpy { id: closedSpy; target: dialog; signalName: "closed" }

    TestCase {
        name: "SystemSetting"
        when: windowShown

        function init() {
            callLog.clear()
            ui_View.reset()
            ui_View.profile = { "mouse/mouseRate": "155", "mouse/doubleRate": "188", "mouse/scrollRate": "7" }
            ui_View.factory = { "mouse/mouseRate": "3", "mouse/doubleRate": "337", "mouse/scrollRate": "1000" }
            dialog.open()
            dialog.init(false, false)
            callLog.clear()
            closedSpy.clear()
            root.mainFocusCalls = 0
        }

        function item(name) { return findChild(dialog, name) }
        function sends() {
            return callLog.names("ui_View.mouseSet")
        }
        function writtenKeys() {
            return callLog.argsOf("ui_View.setData").map(function (a) { return a[0] + "=" + a[1] })
        }

        function test_loadsStoredPositions() {
            compare(item("speedSlider").knobX, 155)
            compare(item("doubleSlider").knobX, 188)
            verify(item("rowsRadio").isSelect)
            verify(!item("screenRadio").isSelect)
            compare(item("rowsInput").textValue, "7")
            compare(callLog.entries.length, 0, "loading neither stores nor applies")
        }

        function test_oneScreenKeepsRowsText() {
            ui_View.profile["mouse/scrollRate"] = "1000"
            dialog.init(false, false)
            verify(item("screenRadio").isSelect)
            verify(!item("rowsRadio").isSelect)
            compare(item("rowsInput").textValue, "7")
        }

        function test_sendAllIndexes() {
            dialog.saveData(true, 0)
            compare(writtenKeys(), ["mouse/mouseRate=155", "mouse/doubleRate=188", "mouse/scrollRate=7"])
            compare(callLog.names("ui_View.mouseSet"), ["ui_View.mouseSetCursorSpeed",
                                                        "ui_View.mouseSetDoubleClickSpeed",
                                                        "ui_View.mouseSetVerticalScrollLines"])
            compare(callLog.argsOf("ui_View.mouseSetCursorSpeed"), [[5]])
            compare(callLog.argsOf("ui_View.mouseSetDoubleClickSpeed"), [[6]])
            compare(callLog.argsOf("ui_View.mouseSetVerticalScrollLines"), [[7]])
        }

        function test_movingOneSliderAppliesOnlyItsSetting_data() {
            return [
                { tag: "pointer speed", slider: "speedSlider", sent: "ui_View.mouseSetCursorSpeed", key: "mouse/mouseRate" },
                { tag: "double click", slider: "doubleSlider", sent: "ui_View.mouseSetDoubleClickSpeed", key: "mouse/doubleRate" },
            ]
        }
        function test_movingOneSliderAppliesOnlyItsSetting(data) {
            var slider = item(data.slider)
            mouseClick(slider, 6 + 40, 6) // the track, far from the knob; glides to 40
            tryVerify(function () { return sends().length > 0 })
            compare(sends(), [data.sent])
            compare(callLog.argsOf(data.sent), [[2]]) // position 40 is index 2
            compare(callLog.count("ui_View.setData"), 3, "all three keys")
            verify(writtenKeys().indexOf(data.key + "=40") >= 0)
            verify(writtenKeys().indexOf("mouse/scrollRate=7") >= 0)
        }

        function test_dragReleaseApplies() {
            var knob = findChild(item("speedSlider"), "knob")
            var start = knob.mapToItem(root, 6, 6)
            mousePress(root, start.x, start.y)
            mouseMove(root, start.x + 100, start.y, -1, Qt.LeftButton)
            compare(sends(), [], "nothing while dragging")
            mouseRelease(root, start.x + 100, start.y)
            compare(callLog.argsOf("ui_View.mouseSetCursorSpeed"), [[8]]) // 255 is index 8
            compare(sends().length, 1)
        }

        function test_scrollRadiosExcludeEachOther() {
            mouseClick(item("screenRadio"), 5, 5)
            verify(item("screenRadio").isSelect)
            verify(!item("rowsRadio").isSelect)
            compare(sends(), ["ui_View.mouseSetVerticalScrollLines"])
            compare(callLog.argsOf("ui_View.mouseSetVerticalScrollLines"), [[1000]])
            verify(writtenKeys().indexOf("mouse/scrollRate=1000") >= 0)
            callLog.clear()
            mouseClick(item("rowsRadio"), 5, 5)
            verify(!item("screenRadio").isSelect)
            compare(callLog.argsOf("ui_View.mouseSetVerticalScrollLines"), [[7]])
        }

        // The arrows choose within the pair, past the rows input between them.
        function test_arrowsWalkTheScrollRadios() {
            item("rowsRadio").forceActiveFocus()
            keyClick(Qt.Key_Right)
            verify(item("screenRadio").activeFocus, "the rows input is passed over")
            verify(item("screenRadio").isSelect && !item("rowsRadio").isSelect)
            keyClick(Qt.Key_Down)
            verify(item("rowsRadio").activeFocus, "from the last radio round to the first")
            verify(item("rowsRadio").isSelect && !item("screenRadio").isSelect)
            compare(callLog.argsOf("ui_View.mouseSetVerticalScrollLines"), [[1000], [7]])
        }

        function test_typedRows_data() {
            return [
                { tag: "zero gives 1", typed: "0", rows: 1 },
                { tag: "three digits", typed: "100", rows: 100 },
                { tag: "no fourth digit", typed: "1000", rows: 100 },
            ]
        }
        function test_typedRows(data) {
            var input = item("rowsInput")
            mouseClick(input)
            verify(input.txtInput.activeFocus)
            compare(root.mainFocusCalls, 1, "focusing the input closes the main drop-downs")
            input.txtInput.selectAll()
            keyClick(Qt.Key_Delete)
            for (var i = 0; i < data.typed.length; ++i)
                keyClick(data.typed[i])
            keyClick(Qt.Key_Return)
            verify(!input.txtInput.activeFocus)
            compare(input.textValue, String(data.rows))
            compare(sends(), ["ui_View.mouseSetVerticalScrollLines"])
            compare(callLog.argsOf("ui_View.mouseSetVerticalScrollLines"), [[data.rows]])
        }

        function test_pressOnEmptyPartEndsInput() {
            var input = item("rowsInput")
            mouseClick(input)
            verify(input.txtInput.activeFocus)
            mouseClick(dialog, 300, 290)
            verify(!input.txtInput.activeFocus)
            compare(sends(), ["ui_View.mouseSetVerticalScrollLines"])
        }

        function test_restoreAppliesFactoryValues() {
            mouseClick(item("restoreMark"))
            compare(item("speedSlider").knobX, 3)
            verify(item("screenRadio").isSelect)
            compare(callLog.argsOf("ui_View.mouseSetCursorSpeed"), [[0]])
            compare(callLog.argsOf("ui_View.mouseSetDoubleClickSpeed"), [[10]])
            compare(callLog.argsOf("ui_View.mouseSetVerticalScrollLines"), [[1000]])
            compare(writtenKeys(), ["mouse/mouseRate=3", "mouse/doubleRate=337", "mouse/scrollRate=1000"])
        }

        function test_closeMark() {
            mouseClick(item("closeMark"))
            verify(!dialog.visible)
            compare(closedSpy.count, 1)
            compare(sends(), [])
        }
    }
}
