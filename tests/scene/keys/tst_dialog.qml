import QtQuick
import QtTest

// The button list, the picture markers and the assignment dialog together,
// driven by clicks and by synthetic keyboard-hook events.
Item {
    id: top
    width: 1024
    height: 640

    Component { id: sceneComponent; KeysScene {} }

    TestCase {
        name: "KeyPages"
        when: windowShown

        property var s

        function init() {
            callLog.clear()
            ui_View.reset()
            ui_View.returns["mouseGetKeydefine"] = function (index, isRecovery) {
                var v = (isRecovery ? ui_View.factory : ui_View.profile)["mouseKeyMatrix/" + index]
                return v === undefined ? [] : v
            }
            s = createTemporaryObject(sceneComponent, top)
        }
        // Settings files hand lists back as text.
        function store(map, index, codes) {
            map["mouseKeyMatrix/" + index] = codes.map(String)
        }
        function seedFactory() {
            var d = [[0, 0, 0xF0, 0], [0, 0, 0xF1, 0], [0, 0, 0xF2, 0], [4, 0, 3, 0]]
            for (var i = 0; i < d.length; ++i) {
                store(ui_View.factory, i, d[i])
                store(ui_View.profile, i, d[i])
            }
            ui_View.factory["mouseMacroKey/3"] = "factoryMacro"
        }
        function child(name) {
            var item = findChild(s, name)
            verify(item, name)
            return item
        }
        // Scroll the dialog's page so that the item is in view, then click it.
        function click(name) {
            var item = child(name)
            var page = child("page")
            var at = item.mapToItem(page.contentItem, 0, 0)
            page.contentY = Math.max(0, Math.min(page.contentHeight - page.height, at.y - 40))
            mouseClick(item)
        }
        function open(index) {
            mouseClick(child("row_" + index))
            verify(s.dialog.visible)
        }
        function key(isDown, code) {
            // what the main screen does with msg_KB
            if (s.dialog.isFireInput)
                s.dialog.detectKeyboard(isDown, code, 0)
            else if (s.dialog.isComboInput)
                s.dialog.detectKeyboard(isDown, code, 1)
        }
        function entryOf(index) {
            return s.keyMatrix.entry(index)
        }

        function test_listShowsStoredAssignments() {
            seedFactory()
            store(ui_View.profile, 4, [2, 0x01, 0x04, 0])
            store(ui_View.profile, 5, [4, 1, 5, 0])
            ui_View.profile["mouseMacroKey/5"] = "burst"
            ui_View.profile["mouseKeyMatrix/6"] = []
            s.keyMatrix.init(false, false)
            compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)
            compare(child("row_1").assignment, "Right Key")
            compare(child("row_4").assignment, "LCtrl+A")
            compare(child("row_5").assignment, "burst")
            compare(child("row_6").assignment, "")
            compare(s.keyMatrix.referenceEntry(3).text, "factoryMacro")
            s.keyMatrix.gunPeriods = [9, "10", 300]
            s.keyMatrix.saveData()
            var args = callLog.argsOf("ui_View.mouseSetKeyMatrix")
            compare(args.length, 1)
            compare(args[0][0].length, 64)
            compare(args[0][0].slice(16, 28), [2, 1, 4, 0, 4, 1, 5, 0, 0, 0, 0, 0])
            compare(args[0][1], true)
            compare(args[0][2], [9, 10, 300])
            compare(s.keyMatrix.isSave, false, "sending is not saving")
            s.keyMatrix.init(true, true)
            compare(callLog.argsOf("ui_View.mouseSetKeyMatrix")[1][0].slice(12, 16), [4, 0, 3, 0])
        }

        function test_layoutFollowsKeyCount() {
            s.keyMatrix.keyCount = 5
            s.mouse.keyCount = 5
            wait(0)
            verify(!findChild(s, "row_5"))
            verify(!findChild(s, "marker_5"))
        }

        function test_lastLeftButtonGuard() {
            mouseClick(child("row_0"))
            verify(!s.dialog.visible, "row of the last left button")
            mouseClick(child("marker_0"))
            verify(!s.dialog.visible, "marker of the last left button")
            compare(s.mouse.selectKey, -1)
            mouseClick(child("marker_1"))
            verify(s.dialog.visible)
            compare(s.mouse.selectKey, 1)
            click("radio_2")
            click("closeMark")
            compare(s.mouse.selectKey, -1)
            // two left buttons: either may be reassigned
            open(0)
            compare(child("dialogTitle").text, "Key 1 : Left Key")
        }

        // Keyboard users reach the button rows with Tab and open one with Space.
        function test_rowsByKeyboard() {
            seedFactory()
            s.keyMatrix.init(false, false)
            child("restoreAll").forceActiveFocus()
            keyClick(Qt.Key_Tab)
            verify(child("row_0").activeFocus)
            keyClick(Qt.Key_Tab)
            verify(child("row_1").activeFocus)
            keyClick(Qt.Key_Space)
            verify(s.dialog.visible)
            compare(s.dialog.keyIndex, 1)
        }

        function test_title() {
            open(1)
            compare(child("dialogTitle").text, "Key 2 : Right Key")
            click("radio_22")
            compare(child("dialogTitle").text, "Key 2 : DPI+")
        }

        function test_fireCaptureTakesFirstEvent() {
            open(2)
            click("fireField")
            verify(s.dialog.isFireInput)
            key(false, 0x05)
            verify(!s.dialog.isFireInput)
            key(true, 0x06)
            compare(child("fireField").textValue, "B")
            compare(s.dialog.currentCodes, [1, 0x05, 10, 0])
            compare(s.dialog.currentText, "B")
        }

        // The rate byte is the number of milliseconds shown, whether the rate
        // was set before the key was captured or moved afterwards.
        function test_rateByteSameOnBothPaths() {
            open(2)
            var rate = child("rateDrop")
            click("fireField")
            key(true, 0x04)
            rate.setValue(0.5)
            var after = s.dialog.currentCodes[2]
            compare(rate.textValue, after + "MS")
            click("closeMark")
            open(1)
            click("fireField")
            key(true, 0x04)
            compare(s.dialog.currentCodes[2], after)
            verify(after >= 4 && after <= 80)
            // the ends of the knob's travel
            rate.sliderControl.valueChange(rate.sliderControl.knobMin)
            compare(s.dialog.currentCodes[2], 4)
            compare(rate.textValue, "4MS")
            rate.sliderControl.valueChange(rate.sliderControl.knobMax)
            compare(s.dialog.currentCodes[2], 80)
        }

        function test_timesAndEndness() {
            open(2)
            var times = child("timesInput")
            var endness = child("endness")
            verify(endness.isSelect)
            click("fireField")
            key(true, 0x04)
            times.txtInput.forceActiveFocus()
            times.textValue = "5"
            times.closeFocus()
            verify(!endness.isSelect)
            compare(s.dialog.currentCodes, [1, 0x04, 10, 5])
            click("endness")
            verify(endness.isSelect)
            compare(times.textValue, "0")
            compare(s.dialog.currentCodes, [1, 0x04, 10, 0])
            times.txtInput.forceActiveFocus()
            times.textValue = "3"
            times.closeFocus()
            times.txtInput.forceActiveFocus()
            times.textValue = "0"
            times.closeFocus()
            verify(endness.isSelect, "ending Times at 0 ticks Endness")
            // not a fire assignment: the count is only remembered for later
            click("radio_22")
            times.txtInput.forceActiveFocus()
            times.textValue = "7"
            times.closeFocus()
            compare(s.dialog.currentCodes, [5, 0, 1, 0])
            click("fireField")
            key(true, 0x04)
            compare(s.dialog.currentCodes, [1, 0x04, 10, 7])
        }

        function test_combinationCapture() {
            open(3)
            click("comboField")
            verify(s.dialog.isComboInput)
            compare(child("comboField").textValue, "")
            verify(child("comboConfirm").visible)
            key(true, 0xE1)
            key(false, 0xE1)
            key(true, 0xE1)
            key(true, 0x04)
            key(true, 0x05)
            key(true, 0x06)
            compare(child("comboField").textValue, "LShift + LShift + A + B")
            compare(s.dialog.currentCodes, [0, 0, 0xF4, 0], "nothing changes before confirming")
            click("comboConfirm")
            verify(!s.dialog.isComboInput)
            verify(!child("comboConfirm").visible)
            compare(s.dialog.currentCodes, [2, 0x02, 0x04, 0x05])
            compare(s.dialog.currentText, "LShift + LShift + A + B")
        }

        function test_combinationConfirmEmptyAndCancel() {
            open(3)
            click("comboField")
            click("comboConfirm")
            compare(child("comboField").textValue, "Click Input")
            compare(s.dialog.currentCodes, [0, 0, 0xF4, 0])
            verify(!s.dialog.isComboInput)
            click("comboField")
            key(true, 0xE0)
            key(true, 0x04)
            click("comboCancel")
            compare(child("comboField").textValue, "Click Input")
            compare(s.dialog.currentCodes, [0, 0, 0xF4, 0])
            key(true, 0x05)
            compare(child("comboField").textValue, "Click Input", "no capture after cancel")
        }

        function test_captureArmedBeforeClosingStillCaptures() {
            open(1)
            click("fireField")
            click("closeMark")
            verify(!s.dialog.visible)
            verify(s.dialog.isFireInput)
            open(2)
            key(true, 0x06)
            compare(s.dialog.currentCodes, [1, 0x06, 10, 0])
            click("comboField")
            click("closeMark")
            compare(entryOf(2).codes, [1, 0x06, 10, 0])
            open(4)
            key(true, 0x04)
            click("comboConfirm")
            compare(s.dialog.currentCodes, [2, 0, 0x04, 0])
        }

        function test_radioGroups() {
            open(1)
            click("radio_22")
            verify(findChild(child("dpiRadios"), "radio_22").isSelect)
            click("radio_6")
            compare(s.dialog.currentCodes, [0, 0, 0xF3, 0])
            verify(!findChild(child("dpiRadios"), "radio_22").isSelect, "another choice clears the radio")
            verify(findChild(child("mouseRadios"), "radio_6").isSelect)
            click("radio_56")
            compare(s.dialog.currentCodes, [5, 0, 4, 0])
            compare(s.dialog.currentText, "Sniper Key")
            verify(child("gunRadios").visible)
            click("radio_54")
            compare(s.dialog.currentCodes, [8, 0, 2, 0])
            s.dialog.isGun = false
            verify(!child("gunRadios").visible)
        }

        // The arrows walk one titled group, choosing as they go, and never
        // leave it for the group below.
        function test_arrowsStayInTheirGroup() {
            open(1)
            var dpi = child("dpiRadios")
            findChild(dpi, "radio_24").forceActiveFocus()
            keyClick(Qt.Key_Down)
            verify(findChild(dpi, "radio_56").activeFocus)
            compare(s.dialog.currentCodes, [5, 0, 4, 0])
            keyClick(Qt.Key_Right)
            verify(findChild(dpi, "radio_22").activeFocus, "round to the group's first radio")
            compare(s.dialog.currentCodes, [5, 0, 1, 0])
            keyClick(Qt.Key_Up)
            verify(findChild(dpi, "radio_56").activeFocus)
            keyClick(Qt.Key_Left)
            verify(findChild(dpi, "radio_24").activeFocus)
            compare(s.dialog.currentCodes, [5, 0, 3, 0])
        }

        // A control reached by the keyboard below or above the page's
        // visible part scrolls into sight.
        function test_keyboardFocusScrollsThePage() {
            open(1)
            var page = child("page")
            compare(page.contentY, 0)
            var inSight = function (item) {
                var y = item.mapToItem(page, 0, 0).y
                return y >= 0 && y + item.height <= page.height
            }
            var last = child("playMode_2")
            verify(!inSight(last))
            last.forceActiveFocus()
            verify(inSight(last), "scrolled down to the last play mode")
            var first = findChild(child("mouseRadios"), "radio_6")
            first.forceActiveFocus()
            verify(inSight(first), "scrolled back up")
        }

        // Waits until the grid has wholly unfolded (or folded).
        function settle(grid, isOpen) {
            var box = findChild(grid, "dropBox")
            tryVerify(function () {
                return !box.running && box.height === (isOpen ? box.openHeight : 0)
            })
        }
        function test_grids() {
            open(1)
            var grid = child("windowsGrid")
            click("windowsGrid")
            settle(grid, true)
            // "Max": second row, first column; a gap in the last row
            mouseClick(grid, grid.width / 2, grid.height + 24 + 12)
            compare(s.dialog.currentCodes, [6, 0x04, 0x2C, 0x1B])
            compare(s.dialog.currentText, "Max")
            settle(grid, false)
            click("radio_22")
            mouseClick(grid)
            settle(grid, true)
            mouseClick(grid, grid.width * 2.5, grid.height + 48 + 12)
            settle(grid, false)
            compare(s.dialog.currentCodes, [5, 0, 1, 0], "a gap is not a choice")
            compare(grid.currentSelect, -1)
            var media = child("mediaGrid")
            media.chooseCell(4)
            compare(s.dialog.currentCodes, [3, 0, 0xE2, 0])
            compare(media.textValue, "Mute")
        }

        // A drop-down whose head sits at the bottom of the page's view
        // scrolls the page as it opens, so that its whole list shows.
        function test_openedListsShowWhole() {
            s.dialog.macroList.addData(["a", "b", "c", "d", "e", "f"])
            open(1)
            var page = child("page")
            var names = ["rateDrop", "mediaGrid", "macroList", "windowsGrid", "shortcutGrid"]
            for (var i = 0; i < names.length; ++i) {
                var drop = child(names[i])
                var head = drop.mapToItem(page.contentItem, 0, 0).y
                page.contentY = Math.max(0, head + drop.height - page.height)
                mouseClick(drop)
                settle(drop, true)
                var bottom = head + drop.height + drop.unfolding.openHeight
                verify(bottom <= page.contentY + page.height, names[i] + ": the list shows whole")
                verify(head >= page.contentY, names[i] + ": the head stays in view")
                drop.closeMenu()
                settle(drop, false)
            }
        }

        function test_macroAssignedOnClose() {
            s.dialog.macroList.addData(["first", "second"])
            open(5)
            click("playMode_2")
            var list = child("macroList")
            list.choose(1)
            tryCompare(s.dialog, "currentText", "second")
            compare(s.dialog.currentCodes, [4, 2, 5, 0])
            click("playMode_1")
            compare(s.dialog.currentCodes, [4, 1, 5, 0])
            compare(s.sentMacros, [])
            click("closeMark")
            compare(s.sentMacros, [[5, "second"]])
            compare(ui_View.profile["mouseMacroKey/5"], "second")
            compare(entryOf(5).codes, [4, 1, 5, 0])
            compare(child("row_5").assignment, "second")
            verify(s.keyMatrix.isSave)
            compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0, "the key matrix waits for Save")
        }

        function test_closeWithoutChangeKeepsList() {
            open(1)
            click("radio_22")
            click("radio_4")
            click("closeMark")
            verify(!s.keyMatrix.isSave)
            compare(callLog.count("ui_View.setData"), 0)
        }

        function test_dialogRestore() {
            seedFactory()
            store(ui_View.profile, 1, [3, 0, 0xE2, 0])
            s.keyMatrix.init(false, false)
            open(1)
            compare(s.dialog.currentText, "Mute")
            click("restoreMark")
            compare(s.dialog.currentText, "Right Key")
            compare(entryOf(1).codes, [0, 0, 0xF1, 0])
            verify(s.keyMatrix.isSave)
            s.keyMatrix.isSave = false
            click("restoreMark")
            verify(!s.keyMatrix.isSave, "nothing to restore")
        }

        function test_listRestore() {
            seedFactory()
            store(ui_View.profile, 2, [3, 0, 0xE2, 0])
            store(ui_View.profile, 3, [0, 0, 0xF0, 0])
            s.keyMatrix.init(false, false)
            mouseClick(child("restoreAll"))
            compare(entryOf(2).codes, [0, 0, 0xF2, 0])
            compare(entryOf(3).codes, [4, 0, 3, 0])
            compare(child("row_3").assignment, "factoryMacro")
            compare(s.sentMacros, [[3, "factoryMacro"]])
            compare(ui_View.profile["mouseMacroKey/3"], "factoryMacro")
            verify(s.keyMatrix.isSave)
        }

        function test_hoverMarksThePicture() {
            mouseMove(child("row_2"))
            compare(s.mouse.hoverKey, 2)
            mouseMove(top, 900, 600)
            compare(s.mouse.hoverKey, -1)
        }
    }
}
