import QtQuick
import QtTest

// Regions, the report-rate box, the dialog frame (placement, drag, mask,
// stacking) and the window drag.
Item {
    id: host
    width: 1024
    height: 640

    SceneCase {
        name: "MainFrame"
        host: host

        function init() {
            failOnWarning(/./)
        }
        function rect(item) {
            var p = item.mapToItem(scene, 0, 0)
            return [Math.round(p.x), Math.round(p.y), item.width, item.height]
        }

        // The window coordinates of the layout, which the journeys click at.
        function test_regionsAtTheirPlaces() {
            start({})
            compare(rect(part("keyMatrix")).slice(0, 3), [24, 88, 232])
            compare(rect(part("dpiSetting")).slice(0, 2), [768, 56])
            compare(rect(part("lightControl")).slice(0, 2), [768, 56 + 256 + 8])
            compare(rect(part("profileSelector")), [760, 16, 144, 24])
            compare(rect(part("helpIcon")).slice(0, 1), [920])
            compare(rect(part("configButton")), [776, 608, 64, 24])
            compare(rect(part("resetButton")), [856, 608, 64, 24])
            compare(rect(part("saveButton")), [936, 608, 64, 24])
            compare(rect(part("reportRate")).slice(2), [232, 42])
            compare(rect(part("reportRate").list).slice(2), [120, 24])
            compare(rect(part("systemSettingEntry")).slice(2), [232, 24])
        }

        function test_editorBox_data() {
            return [ { tag: "gun mouse", isGun: "true", height: 100, gunEntry: true },
                     { tag: "no gun", isGun: "false", height: 76, gunEntry: false } ]
        }
        function test_editorBox(data) {
            start({ "mouse/isGun": data.isGun })
            compare(part("editorBox").height, data.height)
            compare(part("gunEditorEntry").visible, data.gunEntry)
            compare(part("macroEditorEntry").visible, true)
        }

        function test_reportRateRows_data() {
            return [ { tag: "125Hz", row: 0, rate: 8 }, { tag: "250Hz", row: 1, rate: 4 },
                     { tag: "500Hz", row: 2, rate: 2 }, { tag: "1000Hz", row: 3, rate: 1 } ]
        }
        function test_reportRateRows(data) {
            start({})
            var list = part("reportRate").list
            var pick = data.row === 2 ? 3 : data.row  // row 2 is already shown
            chooseRow(list, pick)
            tryCompare(list, "textValue", ["125Hz", "250Hz", "500Hz", "1000Hz"][pick])
            tryVerify(function () { return callLog.count("ui_View.mouseSetReportRate") === 1 }, 1000)
            compare(callLog.argsOf("ui_View.setData"), [["mouse/reportRate", pick]])
            compare(callLog.argsOf("ui_View.mouseSetReportRate"), [[[8, 4, 2, 1][pick]]])
            callLog.clear()
            ui_View.profile["mouse/reportRate"] = String(data.row)
            part("reportRate").init(true)
            compare(list.textValue, ["125Hz", "250Hz", "500Hz", "1000Hz"][data.row])
            compare(callLog.argsOf("ui_View.mouseSetReportRate"), [[data.rate]])
        }

        function test_unreadableReportRateIsLeftAlone() {
            start({})
            ui_View.profile["mouse/reportRate"] = "fast"
            ignoreWarning(/report rate/)
            part("reportRate").init(true)
            compare(part("reportRate").list.currentSelect, 2)
            compare(callLog.count("ui_View.mouseSetReportRate"), 0)
        }

        function test_dialogsOpenAtTheirPlaces() {
            start({})
            mouseClick(part("macroEditorEntry"))
            var macro = part("macroEditor")
            compare([macro.visible, macro.x, macro.y], [true, 192, 96])
            compare(part("mask").visible, true)
            macro.x = 10
            macro.close()
            compare(part("mask").visible, false)
            mouseClick(part("macroEditorEntry"))
            compare(macro.x, 192, "the macro editor is centred each time")
            macro.close()

            mouseClick(part("systemSettingEntry"))
            compare([part("systemSetting").x, part("systemSetting").y], [304, 164])
            part("systemSetting").close()
            mouseClick(part("configButton"))
            compare([part("profile").x, part("profile").y], [305, 176])
            part("profile").close()

            var gun = part("gunControl")
            mouseClick(part("gunEditorEntry"))
            compare([gun.x, gun.y], [192, 96])
            gun.x = 40
            gun.y = 30
            gun.close()
            mouseClick(part("gunEditorEntry"))
            compare([gun.x, gun.y], [40, 30], "the gun editor keeps its place")
            gun.close()

            var keys = part("keyAssigment")
            verify(scene.openKeyAssignment(2))
            compare([keys.x, keys.y], [304, 118])
            compare(callLog.argsOf("keyAssigment.show"), [[2]])
            compare(part("mouse").selectKey, 2)
            keys.x = 0
            keys.y = 200
            keys.close()
            scene.openKeyAssignment(2)
            compare([keys.x, keys.y], [304, 200], "re-centred horizontally only")
        }

        function test_lastLeftButtonOpensNothing() {
            start({})
            part("keyMatrix").oneLeftKey = 0
            compare(scene.openKeyAssignment(0), false)
            compare(part("keyAssigment").visible, false)
            compare(part("mask").visible, false)
            part("keyMatrix").clickBtn(1)
            compare(part("keyAssigment").visible, true)
            compare(callLog.argsOf("keyAssigment.show"), [[1]])
        }

        function test_dialogDragClampedAtEachEdge_data() {
            return [
                { tag: "left", dx: -900, dy: 0, x: 0, y: 164 },
                { tag: "right", dx: 900, dy: 0, x: 1024 - 416, y: 164 },
                { tag: "top", dx: 0, dy: -900, x: 304, y: 0 },
                { tag: "bottom", dx: 0, dy: 900, x: 304, y: 640 - 312 },
                { tag: "inside", dx: 30, dy: -20, x: 334, y: 144 }
            ]
        }
        function test_dialogDragClampedAtEachEdge(data) {
            start({})
            mouseClick(part("systemSettingEntry"))
            var dialog = part("systemSetting")
            // an empty part of the dialog, in window coordinates
            var x = 304 + 200, y = 164 + 150
            mousePress(scene, x, y)
            mouseMove(scene, x, y + 1)  // the drag starts here
            y += 1
            for (var step = 1; step <= 10; ++step)
                mouseMove(scene, x + data.dx * step / 10, y + data.dy * step / 10)
            mouseRelease(scene, x + data.dx, y + data.dy)
            compare([dialog.x, dialog.y], [data.x, data.y])
            compare(callLog.count("ui_Ctl.onXChanged"), 0, "dragging a dialog leaves the window")
        }

        function test_stackedDialogsKeepTheMask() {
            start({})
            scene.openKeyAssignment(1)
            var keys = part("keyAssigment")
            keys.openMacroEditor()
            var macro = part("macroEditor")
            verify(macro.z > keys.z, "the editor is stacked above the key dialog")
            macro.close()
            compare(part("mask").visible, true, "the key dialog is still open")
            keys.close()
            compare(part("mask").visible, false)
        }

        // Escape closes the dialog on top and leaves the keyboard in the one
        // under it; while keys are being captured it is one of those keys.
        function test_escapeClosesTheTopDialog() {
            start({})
            scene.openKeyAssignment(1)
            var keys = part("keyAssigment")
            keys.openMacroEditor()
            var macro = part("macroEditor")
            macro.isInputting = true
            keyClick(Qt.Key_Escape)
            compare(macro.visible, true, "a macro being recorded")
            macro.isInputting = false
            keyClick(Qt.Key_Escape)
            compare(macro.visible, false)
            compare(keys.visible, true)
            verify(keys.activeFocus, "the keyboard goes on in the dialog under it")
            keys.isComboInput = true
            keyClick(Qt.Key_Escape)
            compare(keys.visible, true, "a combination being captured")
            keys.isComboInput = false
            keyClick(Qt.Key_Escape)
            compare(keys.visible, false)
            compare(part("mask").visible, false)

            mouseClick(part("helpIcon"))
            compare(part("helpMenu").visible, true)
            keyClick(Qt.Key_Escape)
            compare(part("helpMenu").visible, false, "with no dialog, Escape folds the menus")
        }

        // The keyboard goes back to where it was when the dialog opened,
        // however the dialog closes, and Escape goes on from there.
        function test_focusReturnsWhenTheLastDialogCloses() {
            start({})
            var entry = part("systemSettingEntry")
            entry.forceActiveFocus()
            keyClick(Qt.Key_Space)
            verify(part("systemSetting").visible)
            verify(!entry.activeFocus)
            keyClick(Qt.Key_Escape)
            tryVerify(function () { return entry.activeFocus })

            mouseClick(part("configButton"))
            verify(!entry.activeFocus)
            part("profile").close()
            tryVerify(function () { return entry.activeFocus })
            mouseClick(part("helpIcon"))
            keyClick(Qt.Key_Escape)
            compare(part("helpMenu").visible, false)
        }

        function test_maskSwallowsClicksAndDropsDialogFocus() {
            start({})
            mouseClick(part("configButton"))
            callLog.clear()
            mouseClick(scene, 100, 600)  // over the mask, away from the dialog
            compare(callLog.count("profile.profileFocus"), 1)
            compare(callLog.count("lightControl.lightControlFocus"), 1)
            compare(callLog.count("macroEditor.macroEditorFocus"), 0, "closed dialogs are left alone")
            compare(part("profile").visible, true)
            mouseClick(part("saveButton"))
            compare(callLog.count("dpiSegment.closeMenu"), 0, "the bottom bar is under the mask")
        }

        function test_windowDrag_data() {
            return [ { tag: "empty window", dialog: false }, { tag: "mask", dialog: true } ]
        }
        function test_windowDrag(data) {
            start({})
            if (data.dialog)
                mouseClick(part("configButton"))
            callLog.clear()
            mousePress(scene, 500, 590)
            mouseMove(scene, 505, 597)
            mouseMove(scene, 497, 590)
            mouseRelease(scene, 497, 590)
            var moves = callLog.entries.filter(function (e) { return /^ui_Ctl\.on[XY]/.test(e.name) })
                                       .map(function (e) { return e.name + " " + e.args[0] })
            compare(moves, ["ui_Ctl.onXChanged 5", "ui_Ctl.onYChanged 7", "ui_Ctl.onXChanged -3", "ui_Ctl.onYChanged 0"])
            compare(callLog.count("dpiSegment.closeMenu") > 0, !data.dialog, "an empty-window press closes the drop-downs")
        }

        function test_topBar() {
            start({})
            mouseClick(part("helpIcon"))
            var menu = part("helpMenu")
            compare(menu.visible, true)
            compare(findChild(menu, "helpRow0").Accessible.name, "https://example.org/help")
            mouseClick(findChild(menu, "helpRow1"))
            compare(menu.visible, false)
            mouseClick(part("minimiseIcon"))
            mouseClick(part("closeIcon"))
            compare(callLog.names("ui_Ctl."), ["ui_Ctl.onMinimize", "ui_Ctl.onClose"])
        }

        function test_tabOrder() {
            start({})
            part("macroEditorEntry").forceActiveFocus()
            var order = ["macroEditorEntry"]
            for (var i = 0; i < 9; ++i) {
                keyClick(Qt.Key_Tab)
                order.push(scene.Window.activeFocusItem.objectName)
            }
            compare(order, ["macroEditorEntry", "gunEditorEntry", "reportRateListHead", "systemSettingEntry",
                            "profileSelectorHead", "helpIcon", "minimiseIcon", "closeIcon", "configButton", "resetButton"])
        }
    }
}
