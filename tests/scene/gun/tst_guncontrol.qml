import QtQuick
import QtTest
import "qrc:/modules/qml/pages"

// The gun editor against the view double: what each edit stores, what
// closing sends, the factory reset.
Item {
    id: root
    width: 700
    height: 500

    GunControl { id: editor; x: 10; y: 10 }

    SignalSpy { id: keyListSpy; target: editor; signalName: "sendKeyList" }
    SignalSpy { id: closedSpy; target: editor; signalName: "closed" }

    TestCase {
        name: "GunControl"
        when: windowShown

        // Guns as the gun file hands them back: text throughout.
        function storedGuns() {
            return {
                0: ["M416", "L-Click", "10", "0", "10", "0"],
                1: ["AKM", "L-Click", "12", "1", "20", "5"],
                2: ["M16A4", "L-Click", "30", "2", "33", "0"],
                3: ["SCAR-L", "L-Click", "200", "0", "40", "7"],
                4: ["UNP9", "L-Click", "14", "0", "64", "0"],
                5: ["Thomson", "L-Click", "1", "0", "0", "3"]
            }
        }

        function init() {
            callLog.clear()
            ui_View.reset()
            var guns = storedGuns()
            ui_View.returns["getGunData"] = function (row) { return guns[row] || [] }
            ui_View.global["mouse/selectGun"] = ["1", "2", "3"]
            editor.isSave = false
            editor.open()
            editor.init()
            callLog.clear()
            keyListSpy.clear()
            closedSpy.clear()
        }
        function cleanup() {
            editor.visible = false
        }

        function item(name) { return findChild(editor, name) }
        function savedRecords() { return callLog.argsOf("ui_View.mouseSaveGundata") }
        function chooseRow(row) {
            var r = item("gunRow" + row)
            verify(r, "row " + row)
            mouseClick(r)
        }

        function test_initReadsGunsAndSlots() {
            compare(editor.gunNumberModel.get(1).times, "5")
            compare(editor.gunNumberModel.get(3).period, "200")
            compare([editor.selectGun1, editor.selectGun2, editor.selectGun3], [1, 2, 3])
            compare(editor.currentGun, 1, "slot 1's gun is shown")
            compare(item("yInput").textValue, "20")
            compare(item("xInput").textValue, "1")
            compare(item("rate").textValue, "12MS")
            compare(editor.slotPeriods, [12, 30, 200])
        }

        function test_missingRecordKeepsBuiltIn() {
            ui_View.returns["getGunData"] = function (row) { return row === 0 ? [] : ["G", "L-Click", "10", "0", "3", "4"] }
            ui_View.global["mouse/selectGun"] = ""
            editor.init()
            compare(editor.gunNumberModel.get(0).name, "M416")
            compare(editor.gunNumberModel.get(0).y, "10")
            compare(editor.gunNumberModel.get(0).picture, "M416.png")
            compare(editor.gunNumberModel.get(1).name, "G")
            compare([editor.selectGun1, editor.selectGun2, editor.selectGun3], [0, 1, 2])
        }

        function test_endnessFollowsTimes() {
            editor.loadGunData(2)
            verify(item("endness").isSelect, "times 0 opens ticked")
            editor.loadGunData(1)
            verify(!item("endness").isSelect, "times 5 opens unticked")
            compare(item("timesInput").textValue, "5")
        }

        function test_tickingEndnessStoresZero() {
            editor.loadGunData(1)
            mouseClick(item("endness"))
            verify(item("endness").isSelect)
            compare(item("timesInput").textValue, "0")
            compare(savedRecords(), [[1, ["AKM", "L-Click", "12", "1", "20", "0"]]])
            verify(editor.isSave)
            mouseClick(item("endness"))
            verify(item("endness").isSelect, "stays ticked while Times reads 0")
        }

        function test_timesInputStores() {
            editor.loadGunData(2)
            var times = item("timesInput")
            times.txtInput.forceActiveFocus()
            times.textValue = "9"
            times.closeFocus()
            compare(savedRecords(), [[2, ["M16A4", "L-Click", "30", "2", "33", "9"]]])
            verify(!item("endness").isSelect)
        }

        // Drags the dot by dy, pointer positions taken in the dialog's
        // coordinates (the dot moves under the pointer).
        function dragDot(dy) {
            var area = item("dotArea")
            var start = area.mapToItem(editor, area.width / 2, area.height / 2)
            mousePress(editor, start.x, start.y)
            for (var step = 1; step <= 4; ++step)
                mouseMove(editor, start.x, start.y + dy * step / 4)
        }

        function test_dotDragGivesY() {
            var dot = item("dot")
            dragDot(150)
            compare(dot.y, 183)
            compare(item("yInput").textValue, "64", "dot at the bottom")
            compare(savedRecords().length, 0, "nothing stored while dragging")
            mouseRelease(editor)
            compare(savedRecords(), [[1, ["AKM", "L-Click", "12", "1", "64", "5"]]])
            callLog.clear()
            dragDot(-150)
            compare(dot.y, 89)
            compare(item("yInput").textValue, "0", "dot at the top")
            mouseRelease(editor)
            compare(savedRecords()[0][1][4], "0")
            verify(editor.isSave)
        }

        // Up and Down move the dot a Y step each; the record is stored when
        // the key is let go, and the dot stops at the target's edge.
        function test_dotByKeyboard() {
            var dot = item("dot")
            item("yInput").textValue = "63"
            dot.y = 89 + 94 * 63 / 64
            dot.forceActiveFocus()
            verify(item("dotFocus").visible)
            keyPress(Qt.Key_Down)
            keyPress(Qt.Key_Down)
            compare(item("yInput").textValue, "64")
            compare(dot.y, 183)
            compare(savedRecords().length, 0, "nothing stored while the key is down")
            keyRelease(Qt.Key_Down)
            compare(savedRecords(), [[1, ["AKM", "L-Click", "12", "1", "64", "5"]]])
            keyClick(Qt.Key_Up)
            compare(item("yInput").textValue, "63")
            compare(savedRecords()[1][1][4], "63")
        }

        function test_yInputMovesDot() {
            var y = item("yInput")
            y.txtInput.forceActiveFocus()
            y.textValue = "40"
            y.closeFocus()
            compare(item("dot").y, 89 + 94 * 40 / 64)
            compare(editor.gunNumberModel.get(1).y, "40")
            y.txtInput.forceActiveFocus()
            y.textValue = "99"
            y.closeFocus()
            compare(y.textValue, "64")
            compare(item("dot").y, 183)
        }

        function test_choosingRowAssignsSelectedSlot() {
            var slots = item("slotList")
            slots.currentSelect = 1
            chooseRow(5)
            compare([editor.selectGun1, editor.selectGun2, editor.selectGun3], [1, 5, 3])
            compare(callLog.argsOf("ui_View.setGlobalData"), [["mouse/selectGun", [1, 5, 3]]])
            compare(ui_View.global["mouse/selectGun"], [1, 5, 3])
            compare(editor.currentGun, 5)
            verify(editor.isSave)
            compare(editor.slotPeriods, [12, 1, 200])
        }

        // The keyboard moves a frame over the rows and chooses only with
        // Enter.
        function test_choosingRowByKeyboard() {
            item("slotList").currentSelect = 1
            var frame = item("gunFrame")
            frame.forceActiveFocus()
            compare(frame.keyRow, editor.currentGun)
            var from = editor.currentGun
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(editor.currentGun, from, "nothing chosen while moving")
            compare(callLog.count("ui_View.setGlobalData"), 0)
            keyClick(Qt.Key_Return)
            compare(editor.currentGun, from + 2)
            compare(editor.selectGun2, from + 2)
        }

        function test_choosingSlotShowsItsGun() {
            editor.chooseSlot(2)
            compare(editor.currentGun, 3)
            compare(item("yInput").textValue, "40")
            compare(callLog.entries.length, 0, "showing a slot stores nothing")
        }

        function test_periodOffTrackKeptUntilKnobMoves() {
            editor.loadGunData(3)
            var rate = item("rate")
            compare(rate.sliderControl.knobX, 89, "knob at the far end")
            compare(rate.textValue, "200MS")
            compare(editor.gunNumberModel.get(3).period, "200")
            editor.loadGunData(5)
            compare(rate.sliderControl.knobX, 3, "1 ms: knob at the near end")
            compare(rate.textValue, "1MS")
            compare(callLog.entries.length, 0)
        }

        function test_rateDragStoresPeriod() {
            editor.loadGunData(3)
            var rate = item("rate")
            mouseClick(rate)
            tryCompare(findChild(rate, "dropBox"), "height", 24)
            var knob = findChild(rate, "knob")
            mousePress(knob, 6, 6)
            mouseMove(knob, 6 - 40, 6)
            compare(rate.textValue, "50MS")
            compare(savedRecords().length, 0, "nothing stored while dragging")
            mouseRelease(knob, 6 - 40, 6)
            compare(savedRecords(), [[3, ["SCAR-L", "L-Click", "50", "0", "40", "7"]]])
            compare(editor.slotPeriods, [12, 30, 50])
            verify(editor.isSave)
        }

        function test_closeSendsSlotsThenKeyList() {
            editor.loadGunData(1)
            mouseClick(item("endness"))
            callLog.clear()
            var close = findChild(editor, "closeMark")
            mouseClick(close)
            verify(!editor.visible)
            compare(closedSpy.count, 1)
            compare(callLog.argsOf("ui_View.mouseSendGundata"), [[1, [0, 1, 20]], [2, [0, 2, 33]], [3, [7, 0, 40]]])
            compare(keyListSpy.count, 1)
            verify(!editor.isSave)
        }

        function test_closeWithoutEditsSendsNothing() {
            editor.close()
            compare(closedSpy.count, 1)
            compare(callLog.count("ui_View.mouseSendGundata"), 0)
            compare(keyListSpy.count, 0)
        }

        function test_closeEndsOpenInput() {
            var y = item("yInput")
            y.txtInput.forceActiveFocus()
            y.textValue = "3"
            editor.close()
            compare(editor.gunNumberModel.get(1).y, "3")
            compare(callLog.argsOf("ui_View.mouseSendGundata")[0], [1, [5, 1, 3]])
        }

        function test_resetData() {
            editor.chooseSlot(2)
            callLog.clear()
            editor.resetData()
            compare(callLog.names(), ["ui_View.setGlobalData",
                                      "ui_View.mouseSaveGundata", "ui_View.mouseSendGundata",
                                      "ui_View.mouseSaveGundata", "ui_View.mouseSendGundata",
                                      "ui_View.mouseSaveGundata", "ui_View.mouseSendGundata"])
            compare(callLog.argsOf("ui_View.setGlobalData"), [["mouse/selectGun", [0, 1, 2]]])
            compare(savedRecords(), [[0, ["M416", "L-Click", "9", "0", "5", "0"]],
                                     [1, ["AKM", "L-Click", "9", "1", "7", "5"]],
                                     [2, ["M16A4", "L-Click", "9", "2", "8", "0"]]])
            compare(callLog.argsOf("ui_View.mouseSendGundata"), [[1, [0, 0, 5]], [2, [5, 1, 7]], [3, [0, 2, 8]]])
            compare(item("slotList").currentSelect, 0)
            compare(editor.currentGun, 0)
            compare(item("yInput").textValue, "5")
            compare(editor.slotPeriods, [9, 9, 9])
        }

        function test_languageRelabelsSlots() {
            editor.gunControlLang = ["G", "Arme", "", "", "", "", "", "", "", ""]
            compare(item("slotList").textValue, "Arme1")
            editor.gunControlLang = ["Gun editor", "Gun", "Select gun", "Cursor Adjust", "X Axis", "Y axis",
                                     "Fire adjust", "Rate", "Times", "Endness"]
        }
    }
}
