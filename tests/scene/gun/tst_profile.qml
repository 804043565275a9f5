import QtQuick
import QtTest
import "qrc:/modules/qml/pages"

// The profile dialog against the view double: the stored name list, New,
// Import, Delete, Export, rename and the selector's choice.
Item {
    id: root
    width: 500
    height: 360

    property int mainFocusCalls: 0
    function mainFocus() { ++mainFocusCalls }

    Profile { id: dialog; x: 20; y: 20 }
    SignalSpy { id: replaced; target: dialog; signalName: "activeProfileReplaced" }

    TestCase {
        name: "Profile"
        when: windowShown

        function start(stored, active) {
            callLog.clear()
            ui_View.reset()
            ui_View.nameLists[2] = stored
            dialog.profileNo = active
            dialog.open()
            dialog.init()
        }
        function init() {
            start(["Standard0", "Work2", "Game1"], 0)
            callLog.clear()
            root.mainFocusCalls = 0
        }
        function cleanup() {
            dialog.visible = false
        }

        function item(name) { return findChild(dialog, name) }
        function names() {
            var out = []
            for (var i = 0; i < dialog.profileModel.count; ++i)
                out.push(dialog.profileModel.get(i).textValue + dialog.profileModel.get(i).profileNumber)
            return out
        }
        function stored() { return ui_View.nameLists[2] }
        // Rows are laid out on the next frame after the list changes.
        function rowItem(row) {
            tryVerify(function () { return item("profileRow" + row) !== null }, 1000, "row " + row)
            return item("profileRow" + row)
        }
        function rightClick(row) {
            mouseClick(rowItem(row), 20, 10, Qt.RightButton)
            verify(item("menu").visible)
        }

        function test_fillerDroppedAndFirstRowRenamed() {
            ui_View.langs = {}
            dialog.profileLang = ["config", "New", "Import", "Delete", "Export", "Standard"]
            start(["Mine0", "loaderplumex"], 0)
            compare(names(), ["Standard0"])
            compare(callLog.argsOf("ui_View.updataNameList"), [[2, ["Standard0"]]])
            dialog.profileLang = ["配置", "新建", "导入", "删除", "导出", "标准"]
            start(["Standard0", "Work2"], 0)
            compare(stored(), ["标准0", "Work2"], "row 0 takes the language's text")
            dialog.profileLang = ["config", "New", "Import", "Delete", "Export", "Standard"]
        }

        function test_emptyListStillHasFirstProfile() {
            start([], 0)
            compare(names(), ["Standard0"])
            compare(dialog.activeRow, 0)
        }

        function test_newTakesLowestFreeNameAndNumber() {
            mouseClick(item("newButton"))
            compare(names(), ["Standard0", "Work2", "Game1", "profile_03"])
            compare(dialog.currentRow, 3)
            compare(stored(), ["Standard0", "Work2", "Game1", "profile_03"])
            compare(callLog.names(), ["ui_View.updataNameList", "ui_View.resetProfile"])
            compare(callLog.argsOf("ui_View.resetProfile"), [[3]])
            item("newButton").forceActiveFocus()
            keyClick(Qt.Key_Space)
            compare(names()[4], "profile_14", "the keyboard presses the button too")
        }

        function test_noSeventhProfileAndImportIntoHighlighted() {
            for (var i = 0; i < 3; ++i)
                mouseClick(item("newButton"))
            compare(names().length, 6)
            callLog.clear()
            mouseClick(item("newButton"))
            compare(names().length, 6, "no seventh profile")
            compare(callLog.entries.length, 0)
            mouseClick(rowItem(1))
            mouseClick(item("importButton"))
            compare(names().length, 6)
            compare(callLog.names(), ["ui_View.loadProfile"])
            compare(callLog.argsOf("ui_View.loadProfile"), [[2]], "into the highlighted row's profile")
        }

        function test_importOverTheActiveProfileIsAnnounced_data() {
            return [
                { tag: "into the active row", row: 0, loaded: true, announced: 1 },
                { tag: "into another row", row: 1, loaded: true, announced: 0 },
                { tag: "cancelled", row: 0, loaded: false, announced: 0 }
            ]
        }
        function test_importOverTheActiveProfileIsAnnounced(data) {
            for (var i = 0; i < 3; ++i)
                mouseClick(item("newButton"))
            ui_View.returns["loadProfile"] = data.loaded
            replaced.clear()
            mouseClick(rowItem(data.row))
            mouseClick(item("importButton"))
            compare(replaced.count, data.announced)
        }

        function test_importIntoNewRow() {
            mouseClick(item("importButton"))
            compare(names(), ["Standard0", "Work2", "Game1", "profile_03"])
            compare(callLog.names(), ["ui_View.updataNameList", "ui_View.loadProfile"])
            compare(callLog.argsOf("ui_View.loadProfile"), [[3]])
        }

        function test_cancelledImportLeavesNoRow() {
            ui_View.returns["loadProfile"] = false
            mouseClick(item("importButton"))
            compare(names(), ["Standard0", "Work2", "Game1"])
            compare(stored(), ["Standard0", "Work2", "Game1"])
            compare(dialog.currentRow, 2)
        }

        function test_firstAndActiveRowsAreKept() {
            dialog.profileNo = 2
            rightClick(0)
            verify(!dialog.canDeleteCurrent, "Delete greyed for row 0")
            mouseClick(item("deleteItem"))
            rightClick(1)
            verify(!dialog.canDeleteCurrent, "Delete greyed for the active row")
            mouseClick(item("deleteItem"))
            verify(!item("menu").visible)
            compare(names(), ["Standard0", "Work2", "Game1"])
            compare(callLog.count("ui_View.updataNameList"), 0)
            rightClick(2)
            verify(dialog.canDeleteCurrent)
            mouseClick(item("deleteItem"))
            compare(names(), ["Standard0", "Work2"])
            compare(stored(), ["Standard0", "Work2"])
        }

        function test_exportWritesActiveProfile() {
            dialog.profileNo = 2
            rightClick(2)
            mouseClick(item("exportItem"))
            compare(callLog.argsOf("ui_View.saveProfile"), [[2]])
            verify(!item("menu").visible)
        }

        function test_activeRowFollowsNumber() {
            dialog.profileNo = 1
            compare(dialog.activeRow, 2)
            dialog.profileNo = 2
            rightClick(1)
            mouseClick(item("deleteItem"))
            compare(dialog.activeRow, 1, "row kept")
            dialog.profileNo = 1
            rightClick(1)
            mouseClick(item("deleteItem"))
            compare(dialog.activeRow, 1, "row below the deleted one moved up")
            dialog.profileNo = 5
            compare(dialog.activeRow, -1)
        }

        function typeText(text) {
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }
        function renameRow(row, typed, key) {
            mouseDoubleClickSequence(rowItem(row), 20, 10)
            var editor = item("nameEditor")
            tryVerify(function () { return editor.activeFocus })
            compare(editor.selectedText, editor.text, "all selected")
            keySequence("ctrl+a")
            typeText(typed)
            keyClick(key)
        }

        function test_renameByDoubleClick() {
            renameRow(1, "Office", Qt.Key_Return)
            compare(names(), ["Standard0", "Office2", "Game1"])
            compare(stored(), ["Standard0", "Office2", "Game1"])
        }

        // The keyboard alone: Down chooses a row, Enter renames it (Enter
        // again keeps the name), Shift+F10 opens the menu on its first
        // usable item, Down and Enter export; Escape in the menu goes no
        // further. The keyboard comes back to the list each time.
        function test_keyboard() {
            var list = item("profileListFrame")
            list.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(dialog.currentRow, 1)
            keyClick(Qt.Key_Return)
            tryVerify(function () { return item("nameEditor").activeFocus })
            keySequence("ctrl+a")
            typeText("Office")
            keyClick(Qt.Key_Return)
            compare(names(), ["Standard0", "Office2", "Game1"])
            verify(list.activeFocus)

            var escapes = 0
            dialog.Keys.escapePressed.connect(function () { ++escapes })
            keyClick(Qt.Key_F10, Qt.ShiftModifier)
            var menu = item("menu")
            verify(menu.visible)
            compare(menu.keyRow, 0, "delete: not the first or the active profile")
            keyClick(Qt.Key_Escape)
            verify(!menu.visible)
            compare(escapes, 0)
            verify(list.activeFocus)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Menu)
            compare(menu.keyRow, 1, "the first profile cannot be deleted")
            keyClick(Qt.Key_Up)
            compare(menu.keyRow, 1)
            keyClick(Qt.Key_Return)
            compare(callLog.argsOf("ui_View.saveProfile"), [[0]])
            verify(!menu.visible)
            verify(list.activeFocus)
        }

        function test_renameEndsOnPressElsewhereOrCancels() {
            renameRow(2, "Play", Qt.Key_Escape)
            compare(names(), ["Standard0", "Work2", "Game1"])
            mouseDoubleClickSequence(rowItem(2), 20, 10)
            typeText("Fun")
            mouseClick(dialog, 300, 260)
            compare(dialog.editingRow, -1)
            compare(names(), ["Standard0", "Work2", "Fun1"])
        }

        function test_closeMark() {
            var closed = 0
            dialog.closed.connect(function () { ++closed })
            mouseClick(findChild(dialog, "closeMark"))
            verify(!dialog.visible)
            compare(closed, 1)
            compare(root.mainFocusCalls, 1, "the selector folds too")
        }
    }
}
