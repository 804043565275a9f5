import QtQuick
import QtTest
import "qrc:/modules/qml/pages"
import "qrc:/modules/qml/basic"

// What the button list does when the macro editor deletes, renames or
// re-saves a macro that buttons hold.
Item {
    id: top
    width: 1024
    height: 640

    // The button list alone: the dialog plays no part here.
    Component {
        id: sceneComponent
        Item {
            property alias keyMatrix: list
            property var sentMacros: []
            KeyCodeString { id: keyTable }
            KeyMatrix {
                id: list
                keyTable: keyTable
                onSendMacro: function (slot, name) { sentMacros.push([slot, name]) }
            }
        }
    }

    TestCase {
        name: "MacroUpkeep"

        property var s

        // Buttons 2 and 5 hold "burst" (slots 2 and 5), button 6 holds "other".
        function init() {
            callLog.clear()
            ui_View.reset()
            var lists = { 2: [4, 0, 2, 0], 5: [4, 1, 5, 0], 6: [4, 0, 6, 0] }
            ui_View.returns["mouseGetKeydefine"] = function (index, isRecovery) {
                if (isRecovery || lists[index] === undefined)
                    return [0, 0, 0xF2, 0].map(String)
                return lists[index].map(String)
            }
            ui_View.profile["mouseMacroKey/2"] = "burst"
            ui_View.profile["mouseMacroKey/5"] = "burst"
            ui_View.profile["mouseMacroKey/6"] = "other"
            s = createTemporaryObject(sceneComponent, top)
            s.keyMatrix.init(false, false)
            callLog.clear()
        }

        function test_deletedMacroGivesButtonsTheirFactoryAssignment() {
            s.keyMatrix.macroDeleted("burst")
            compare(s.keyMatrix.entry(2).codes, [0, 0, 0xF2, 0])
            compare(s.keyMatrix.entry(5).text, "Middle Key")
            compare(s.keyMatrix.entry(6).codes, [4, 0, 6, 0])
            compare(callLog.names("ui_View.m").concat(callLog.names("ui_View.d")),
                    ["ui_View.mouseSetKeyMatrix", "ui_View.deleteMacroUpdateProfile"])
            compare(callLog.argsOf("ui_View.mouseSetKeyMatrix")[0][0].slice(8, 12), [0, 0, 0xF2, 0])
            verify(!s.keyMatrix.isSave, "sent at once, nothing left for Save")
        }

        function test_deletingAnUnusedMacroSendsNothing() {
            s.keyMatrix.macroDeleted("unused")
            compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)
            compare(callLog.argsOf("ui_View.deleteMacroUpdateProfile"), [["unused"]])
        }

        function test_renamedMacro() {
            s.keyMatrix.macroRenamed("burst", "volley")
            compare(ui_View.profile["mouseMacroKey/2"], "volley")
            compare(ui_View.profile["mouseMacroKey/5"], "volley")
            compare(ui_View.profile["mouseMacroKey/6"], "other")
            compare(findChild(s, "row_5").assignment, "volley")
            compare(callLog.argsOf("ui_View.modifyMacroNameUpdateProfile"), [["burst", "volley"]])
        }

        function test_refusedRenameKeepsTheOldName() {
            ui_View.returns["modifyMacroNameUpdateProfile"] = false
            s.keyMatrix.macroRenamed("burst", "volley")
            compare(ui_View.profile["mouseMacroKey/2"], "burst")
            compare(ui_View.profile["mouseMacroKey/5"], "burst")
            compare(s.keyMatrix.entry(2).text, "burst")
            compare(findChild(s, "row_5").assignment, "burst")
        }

        function test_editedMacroIsResentToEveryButtonHoldingIt() {
            s.keyMatrix.macroEdited("burst")
            compare(s.sentMacros, [[2, "burst"], [5, "burst"]])
            compare(callLog.count("ui_View.mouseSetKeyMatrix"), 0)
        }
    }
}
