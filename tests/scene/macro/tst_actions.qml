import QtQuick
import QtTest

// Editing the actions of a macro: the action menu, the insert-key box,
// delays and "Times" edited in place, each change saved and announced;
// and sending a stored macro into a device slot.
Item {
    width: 1024
    height: 640

    EditorScene { id: scene }
    SignalSpy { id: edited; target: scene.editor; signalName: "modifyMacroData" }

    TestCase {
        name: "MacroActions"
        when: windowShown

        property var editor: scene.editor

        function init() {
            scene.start(["Edit"])
            scene.files.add("Edit", ["1,A", "0,300", "2,A"], 2)
            editor.selectMacro(0)
            callLog.clear()
            edited.clear()
        }
        function row(i) {
            var view = scene.part("actionList").view
            view.forceLayout()
            return view.itemAtIndex(i)
        }
        // Right click on row `at` (-1: below the rows), then the menu's row `item`.
        function menuChoice(at, item) {
            if (at >= 0)
                mouseClick(row(at), 10, 10, Qt.RightButton)
            else
                mouseClick(scene.part("actionList"), 200, 300, Qt.RightButton)
            var menu = scene.part("actionMenu")
            verify(menu.visible)
            mouseClick(scene.findIn(menu, "menuRow" + item))
        }
        function savedSteps() {
            var saves = callLog.argsOf("ui_View.saveMacroIni")
            verify(saves.length > 0, "saved")
            compare(edited.count, saves.length)
            return saves[saves.length - 1][1]
        }

        function test_deleteAction() {
            menuChoice(1, 0)
            compare(scene.actionTexts(), ["1,A", "2,A"])
            compare(savedSteps(), ["1,A", "2,A"])
            compare(edited.signalArguments[0][0], "Edit")
        }

        function test_insertDelayBeforeTheCurrentAction() {
            menuChoice(2, 1)
            compare(scene.actionTexts(), ["1,A", "0,300", "0,50", "2,A"])
            compare(editor.currentAction, 2)
            compare(savedSteps(), scene.actionTexts())
        }

        // The keyboard alone: Down to the delay, Enter edits it in place,
        // the Menu key then inserts a delay before it.
        function test_keyboard() {
            var list = scene.part("actionList")
            list.forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(editor.currentAction, 1)
            keyClick(Qt.Key_Return)
            verify(row(1).field.visible)
            row(1).field.input.text = "120"
            keyClick(Qt.Key_Return)
            compare(scene.actionTexts(), ["1,A", "0,120", "2,A"])
            verify(list.activeFocus)
            keyClick(Qt.Key_Menu)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Space)
            compare(scene.actionTexts(), ["1,A", "0,50", "0,120", "2,A"])
        }

        function test_insertMouseKeys_data() {
            return [
                { tag: "left, after a middle action", at: 0, item: 3,
                  steps: ["1,A", "3,MS-L", "4,MS-L", "0,300", "2,A"] },
                { tag: "middle, appended after the last", at: 2, item: 4,
                  steps: ["1,A", "0,300", "2,A", "3,MS-M", "4,MS-M"] },
                { tag: "right, appended when none is current", at: -1, item: 5,
                  steps: ["1,A", "0,300", "2,A", "3,MS-R", "4,MS-R"] },
            ]
        }
        function test_insertMouseKeys(data) {
            menuChoice(data.at, data.item)
            compare(scene.actionTexts(), data.steps)
            compare(savedSteps(), data.steps)
        }

        function test_insertsFollowInOrder() {
            menuChoice(0, 3)
            menuChoice(editor.currentAction, 5)
            compare(scene.actionTexts(), ["1,A", "3,MS-L", "4,MS-L", "3,MS-R", "4,MS-R", "0,300", "2,A"])
        }

        function insertKey(at, codes) {
            menuChoice(at, 2)
            verify(editor.isInsertting)
            verify(scene.part("insertKey").visible)
            for (var i = 0; i < codes.length; ++i)
                editor.detectInput(true, codes[i])
            mouseClick(scene.part("insertKeyOk"))
            verify(!editor.isInsertting)
            verify(!scene.part("insertKey").visible)
        }

        function test_insertKey() {
            // appended after the last action
            insertKey(2, [0x05])
            compare(scene.actionTexts(), ["1,A", "0,300", "2,A", "1,B", "2,B"])
            // before a middle action; mouse codes and unknown codes are not taken
            insertKey(1, [0x06, 0xF0, 0x74])
            compare(scene.actionTexts(), ["1,A", "1,C", "2,C", "0,300", "2,A", "1,B", "2,B"])
            compare(editor.currentAction, 3)
            compare(savedSteps(), scene.actionTexts())
        }

        function test_insertKeyFieldKeepsThePreviousKey() {
            insertKey(2, [0x1E])
            menuChoice(0, 2)
            compare(scene.part("insertKey").keyName, "1")
            mouseClick(scene.part("insertKeyClose"))      // cancelled: nothing added
            verify(!editor.isInsertting)
            compare(scene.actionTexts(), ["1,A", "0,300", "2,A", "1,1", "2,1"])
        }

        // With no key captured yet the box adds nothing rather than a
        // press of code 0.
        function test_insertKeyWithAnEmptyField() {
            scene.part("insertKey").keyName = ""
            insertKey(2, [])
            compare(scene.actionTexts(), ["1,A", "0,300", "2,A"])
            compare(callLog.count("ui_View.saveMacroIni"), 0)
        }

        function test_keysOnlyWhileTheBoxIsOpen() {
            scene.part("insertKey").keyName = ""
            editor.detectInput(true, 0x05)
            compare(scene.part("insertKey").keyName, "")
        }

        function test_insertItemsDisabledAtTheLimit() {
            var steps = []
            for (var i = 0; i < 61; ++i)
                steps.push(i % 2 ? "2,Z" : "1,Z")
            scene.files.add("Edit", steps, 1)
            editor.selectMacro(0)
            compare(editor.actions.encodedLength(), 126)
            mouseClick(row(3), 10, 10, Qt.RightButton)
            var rows = scene.part("actionMenu").items
            compare(rows.map(function (r) { return r.enabled }), [true, false, false, false, false, false])
            mouseClick(scene.findIn(scene.part("actionMenu"), "menuRow3"))
            compare(scene.actionTexts().length, 61)
            editor.insertDelay()
            editor.openInsertKey()
            verify(!editor.isInsertting)
            compare(scene.actionTexts().length, 61)
        }

        function editDelay(i, text) {
            mouseDoubleClickSequence(row(i))
            var field = row(i).field
            verify(field.visible)
            compare(field.input.selectedText, editor.actions.asArray()[i].info)
            field.input.text = text
            keyClick(Qt.Key_Return)
            verify(!field.visible)
        }

        function test_delayEdit_data() {
            return [
                { tag: "a number", text: "1250", info: "1250" },
                { tag: "largest", text: "65535", info: "65535" },
                { tag: "empty keeps the old value", text: "", info: "300" },
                { tag: "too large keeps the old value", text: "65536", info: "300" },
                { tag: "not a number keeps the old value", text: "-", info: "300" },
            ]
        }
        function test_delayEdit(data) {
            editDelay(1, data.text)
            compare(scene.actionTexts()[1], "0," + data.info)
            compare(savedSteps()[1], "0," + data.info)
        }

        function test_onlyDelaysAreEditedInPlace() {
            mouseDoubleClickSequence(row(0))
            verify(!row(0).field.visible)
            compare(editor.delayEditRow, -1)
        }

        // A delay that would push the payload past the device's block
        // keeps its old value.
        function test_delayEditKeepsThePayloadInTheBlock() {
            var steps = []
            for (var i = 0; i < 62; ++i)
                steps.push(i % 2 ? "2,Z" : "1,Z")
            steps.splice(1, 0, "0,300")
            scene.files.add("Edit", steps, 1)
            editor.selectMacro(0)
            compare(editor.actions.encodedLength(), 128)
            editDelay(1, "2000")
            compare(scene.actionTexts()[1], "0,300")
            editDelay(1, "1260")
            compare(scene.actionTexts()[1], "0,1260")
        }

        function test_clickElsewhereEndsTheDelayEdit() {
            mouseDoubleClickSequence(row(1))
            row(1).field.input.text = "90"
            mouseClick(editor, 300, 20)
            verify(!row(1).field.visible)
            compare(scene.actionTexts()[1], "0,90")
        }

        function test_focusFunctionEndsEditsAndClosesMenus() {
            mouseDoubleClickSequence(row(1))
            row(1).field.input.text = "70"
            editor.macroEditorFocus()
            compare(scene.actionTexts()[1], "0,70")
            mouseClick(row(0), 10, 10, Qt.RightButton)
            verify(scene.part("actionMenu").visible)
            editor.macroEditorFocus()
            verify(!scene.part("actionMenu").visible)
        }

        function test_timesEdit_data() {
            return [
                { tag: "a count", typed: "7", shown: "7", sent: 7 },
                { tag: "largest", typed: "65535", shown: "65535", sent: 65535 },
                { tag: "cleared leaves 0", typed: "", shown: "0", sent: 0 },
            ]
        }
        function test_timesEdit(data) {
            var times = scene.part("timesField")
            mouseClick(times)
            times.txtInput.selectAll()
            keyClick(Qt.Key_Delete)
            for (var i = 0; i < data.typed.length; ++i)
                keyClick(data.typed[i])
            keyClick(Qt.Key_Return)
            compare(times.textValue, data.shown)
            var saves = callLog.argsOf("ui_View.saveMacroIni")
            compare(saves[saves.length - 1][2], data.sent)
        }

        function test_sendMacro() {
            scene.files.add("Burst", ["0,100", "1,A", "0,2000", "2,A"], 3)
            editor.sendMacro(5, "Burst")
            // count 3; A pressed, 200 units = 100 in 20 ms units; A released
            compare(callLog.argsOf("ui_View.mouseSendMacroData"),
                    [[[0x00, 0x03, 0x00, 0x04, 0x00, 0x01, 0x00, 0x64, 0x81, 0x04, 0x00, 0x00], 5]])
        }

        function test_sendMacroUsesItsOwnRepeatCount() {
            scene.part("timesField").textValue = "9"
            scene.files.add("Zero", ["3,MS-B4"], 0)
            editor.sendMacro(11, "Zero")
            compare(callLog.argsOf("ui_View.mouseSendMacroData"), [[[0x00, 0x00, 0x01, 0xF3, 0x00, 0x00], 11]])
        }

        function test_sendMissingMacroSendsNothing() {
            ignoreWarning(/no macro Gone to send into slot 2/)
            editor.sendMacro(2, "Gone")
            compare(callLog.count("ui_View.mouseSendMacroData"), 0)
        }

        function test_keyNamesOfTheCurrentLanguage() {
            var names = editor.keyTable.names.slice()
            names[0] = "Ä"
            editor.keyTable.setNames(names)
            scene.files.add("Lang", ["1,Ä", "2,A"], 1)
            editor.sendMacro(0, "Lang")
            compare(callLog.argsOf("ui_View.mouseSendMacroData")[0][0],
                    [0x00, 0x01, 0x01, 0x04, 0x81, 0x00, 0x00, 0x00])
            names[0] = "A"
            editor.keyTable.setNames(names)
        }
    }
}
