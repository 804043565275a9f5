import QtQuick
import QtTest

// The macro library: list, New, Delete, Import, Export, rename, and the
// names handed on to the store and the key dialog's drop-down.
Item {
    width: 1024
    height: 640

    EditorScene { id: scene }
    SignalSpy { id: deleted; target: scene.editor; signalName: "deleteMacro" }
    SignalSpy { id: renamed; target: scene.editor; signalName: "modifyMacroName" }

    TestCase {
        name: "MacroLibrary"
        when: windowShown

        property var editor: scene.editor

        function init() {
            deleted.clear()
            renamed.clear()
        }
        function startWith(names) {
            scene.start(names)
            for (var i = 0; i < names.length; ++i) {
                if (names[i] !== "loaderplumex")
                    scene.files.add(names[i], ["1,A", "2,A"], i + 1)
            }
            callLog.clear()
        }
        function listNames() {
            return editor.names()
        }
        function row(i) {
            var view = scene.part("macroList").view
            view.forceLayout()
            return view.itemAtIndex(i)
        }
        function clickRow(i) {
            mouseClick(row(i))
        }
        function click(name) {
            mouseClick(scene.part(name))
        }
        function lastStoredList() {
            var calls = callLog.argsOf("ui_View.updataNameList")
            verify(calls.length > 0, "name list stored")
            compare(calls[calls.length - 1][0], 0)
            return calls[calls.length - 1][1]
        }
        function chooseFromMacroMenu(rowIndex, item) {
            mouseClick(row(rowIndex), 10, 10, Qt.RightButton)
            var menu = scene.part("macroMenu")
            verify(menu.visible)
            var entry = scene.findIn(menu, "menuRow" + item)
            mouseClick(entry)
        }
        function hundredNames() {
            var names = []
            for (var i = 0; i < 100; ++i)
                names.push("M" + i)
            return names
        }

        function test_storedListAndFiller_data() {
            return [
                { tag: "lone name with filler", stored: ["Burst", "loaderplumex"], shown: ["Burst"] },
                { tag: "filler only dropped second of two", stored: ["a", "b", "loaderplumex"],
                  shown: ["a", "b", "loaderplumex"] },
                { tag: "empty", stored: [], shown: [] },
            ]
        }
        function test_storedListAndFiller(data) {
            startWith(data.stored)
            compare(listNames(), data.shown)
            compare(editor.macroNames, data.shown)
            compare(editor.currentMacro, -1)
            compare(callLog.count("ui_View.updataNameList"), 0)
        }

        function test_selectingLoadsActionsAndTimes() {
            startWith(["a", "b"])
            scene.files.add("b", ["1,A", "0,50", "2,A"], 7)
            clickRow(1)
            compare(editor.currentMacro, 1)
            compare(scene.actionTexts(), ["1,A", "0,50", "2,A"])
            compare(scene.part("timesField").textValue, "7")
            // no file: no actions, "Times" as it was
            delete scene.files.files["a"]
            clickRow(0)
            compare(scene.actionTexts(), [])
            compare(scene.part("timesField").textValue, "7")
        }

        function test_newTakesTheLowestFreeNumber() {
            startWith(["Macro_0", "Macro_2", "Burst"])
            click("newButton")
            compare(listNames(), ["Macro_0", "Macro_2", "Burst", "Macro_1"])
            compare(editor.currentMacro, 3)
            compare(callLog.argsOf("ui_View.createMacroIni").pop(), ["Macro_1", 0])
            compare(lastStoredList(), listNames())
            compare(editor.macroNames, listNames())
            compare(scene.actionTexts(), [])
            compare(scene.part("timesField").textValue, "1")
        }

        // A file left on disk under a free name would lend its steps.
        function test_newPassesOverALeftoverFile() {
            startWith(["Macro_0"])
            scene.files.add("Macro_1", ["1,Z", "2,Z"], 1)
            click("newButton")
            compare(listNames(), ["Macro_0", "Macro_2"])
            compare(scene.actionTexts(), [])
        }

        function test_the101stMacroIsNotCreatedOrImported() {
            startWith(hundredNames())
            click("newButton")
            scene.files.chosenFile = { steps: ["1,A"], repeat: "1" }
            chooseFromMacroMenu(0, 1)
            compare(listNames().length, 100)
            compare(callLog.count("ui_View.createMacroIni"), 0)
            compare(callLog.count("ui_View.loadMacroFile"), 0)
            compare(callLog.count("ui_View.updataNameList"), 0)
        }

        function test_deleteKeepsListFilesAndDropDownInStep() {
            startWith(["a", "b", "c"])
            clickRow(1)
            click("deleteButton")
            compare(callLog.names("ui_View.deleteMacroIni"), ["ui_View.deleteMacroIni"])
            compare(callLog.argsOf("ui_View.deleteMacroIni")[0], ["b"])
            compare(deleted.count, 1)
            compare(deleted.signalArguments[0][0], "b")
            compare(scene.files.files["b"], undefined)
            compare(listNames(), ["a", "c"])
            compare(lastStoredList(), ["a", "c"])
            compare(editor.macroNames, ["a", "c"])
            // the row that took its place is current, with its own actions
            compare(editor.currentMacro, 1)
            compare(scene.part("timesField").textValue, "3")
            // deleting the last row moves to the one above; then none is left
            click("deleteButton")
            compare(editor.currentMacro, 0)
            click("deleteButton")
            compare(editor.currentMacro, -1)
            compare(callLog.argsOf("ui_View.updataNameList").pop(), [0, []])
            click("deleteButton")
            compare(deleted.count, 3)
        }

        function test_importInsertsAtTheCurrentRow() {
            startWith(["a", "b"])
            scene.files.chosenFile = { steps: ["3,MS-L", "4,MS-L"], repeat: "4" }
            chooseFromMacroMenu(1, 1)
            compare(listNames(), ["a", "Macro_0", "b"])
            compare(callLog.argsOf("ui_View.loadMacroFile")[0], ["Macro_0"])
            compare(callLog.count("ui_View.createMacroIni"), 0)
            compare(editor.currentMacro, 1)
            compare(scene.actionTexts(), ["3,MS-L", "4,MS-L"])
            compare(scene.part("timesField").textValue, "4")
            compare(lastStoredList(), ["a", "Macro_0", "b"])
            compare(editor.macroNames, listNames())
        }

        function test_failedImportCreatesAnEmptyMacro() {
            startWith(["a"])
            chooseFromMacroMenu(0, 1)
            compare(callLog.names("ui_View.loadMacroFile").length, 1)
            compare(callLog.argsOf("ui_View.createMacroIni"), [["Macro_0", 0]])
            compare(listNames(), ["Macro_0", "a"])
            compare(scene.files.files["Macro_0"].steps, [])
            compare(lastStoredList(), ["Macro_0", "a"])
        }

        function test_exportTheCurrentMacro() {
            startWith(["a", "b"])
            chooseFromMacroMenu(1, 2)
            compare(callLog.argsOf("ui_View.saveMacroFile"), [["b"]])
        }

        // The keyboard alone: the arrows choose a macro, Enter renames it
        // in place (Escape gives up, Enter keeps the new name), the Menu
        // key opens the menu on its first row that can be chosen; the
        // keyboard comes back to the list after each.
        function test_keyboard() {
            startWith(["a", "b", "c"])
            var list = scene.part("macroList")
            list.forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(editor.currentMacro, 1)
            keyClick(Qt.Key_Return)
            var field = row(1).field
            verify(field.visible)
            field.input.text = "Spray"
            keyClick(Qt.Key_Escape)
            verify(!field.visible)
            compare(renamed.count, 0)
            verify(list.activeFocus)
            keyClick(Qt.Key_Return)
            row(1).field.input.text = "Spray"
            keyClick(Qt.Key_Return)
            compare(listNames(), ["a", "Spray", "c"])
            verify(list.activeFocus)

            var menu = scene.part("macroMenu")
            var escapes = 0
            editor.Keys.escapePressed.connect(function () { ++escapes })
            keyClick(Qt.Key_F10, Qt.ShiftModifier)
            verify(menu.visible)
            compare(menu.keyRow, 0)
            keyClick(Qt.Key_Escape)
            verify(!menu.visible)
            compare(escapes, 0, "Escape closed the menu and went no further")
            verify(list.activeFocus)
            keyClick(Qt.Key_Menu)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(menu.keyRow, 2, "held at the last row")
            keyClick(Qt.Key_Return)
            verify(!menu.visible)
            compare(callLog.argsOf("ui_View.saveMacroFile"), [["Spray"]])
        }

        function test_menuWithoutAMacro() {
            startWith([])
            mouseClick(scene.part("macroList"), 50, 200, Qt.RightButton)
            var rows = scene.part("macroMenu").items
            compare(rows.map(function (r) { return r.enabled }), [false, true, false])
        }

        function rename(i, text) {
            mouseDoubleClickSequence(row(i))
            var field = row(i).field
            verify(field.visible)
            compare(field.input.selectedText, row(i).name)
            field.input.text = text
            keyClick(Qt.Key_Return)
            verify(!field.visible)
        }

        function test_rename() {
            startWith(["a", "b"])
            scene.files.add("kept", [], 1)
            rename(1, "Burst fire")
            compare(renamed.count, 1)
            compare([renamed.signalArguments[0][0], renamed.signalArguments[0][1]], ["b", "Burst fire"])
            compare(listNames(), ["a", "Burst fire"])
            compare(lastStoredList(), ["a", "Burst fire"])
            compare(editor.macroNames, ["a", "Burst fire"])
            compare(scene.files.files["Burst fire"].repeat, "2")
        }

        function test_renameThatChangesNothing_data() {
            return [
                { tag: "another macro's name", text: "a" },
                { tag: "its own name", text: "b" },
                { tag: "empty", text: "" },
                { tag: "blank", text: "   " },
            ]
        }
        function test_renameThatChangesNothing(data) {
            startWith(["a", "b"])
            rename(1, data.text)
            compare(renamed.count, 0)
            compare(listNames(), ["a", "b"])
            compare(callLog.count("ui_View.updataNameList"), 0)
            compare(callLog.count("ui_View.modifyMacroNameUpdateProfile"), 0)
        }

        // The store refuses (a file of that name is already there): the
        // list keeps the old name.
        function test_refusedRenameKeepsTheOldName() {
            startWith(["a", "b"])
            scene.files.add("orphan", [], 1)
            ignoreWarning(/macro b was not renamed to orphan/)
            rename(1, "orphan")
            compare(renamed.count, 1)
            compare(listNames(), ["a", "b"])
            compare(callLog.count("ui_View.updataNameList"), 0)
        }

        function test_clickElsewhereEndsTheRename() {
            startWith(["a", "b"])
            mouseDoubleClickSequence(row(0))
            verify(row(0).field.visible)
            row(0).field.input.text = "Spray"
            mouseClick(editor, 400, 20)
            verify(!row(0).field.visible)
            compare(listNames(), ["Spray", "b"])
        }
    }
}
