import QtQuick
import QtTest

// The macro editor inside the real main screen (the other pages are
// placeholders), over the recording doubles: keys routed to it, its three
// signals answered, its names handed to the key dialog, the mask.
Item {
    id: host
    width: 1024
    height: 640

    MacroFiles { id: files }
    QtObject {
        id: dropDown
        property var added: []
        property int closings: 0
        function addData(names) { added.push(names) }
        function closeMenu() { closings++ }
    }

    TestCase {
        name: "MacroWiring"
        when: windowShown

        property var scene: null
        property var editor: null
        readonly property var sceneComponent: Qt.createComponent("qrc:/modules/qml/screen/MainScreen.qml")

        function init() {
            callLog.clear()
            ui_View.reset()
            files.reset(ui_View)
            files.add("Burst", ["1,A", "0,50", "2,A"], 2)
            files.add("Other", [], 1)
            ui_View.global = { "mouse/icType": "553", "mouse/isGun": "false", "mouse/keyCount": "8",
                               "common/language": "English", "mouse/profileNo": "0" }
            ui_View.nameLists[0] = ["Burst", "Other"]
            ui_View.profile = { "mouse/reportRate": "2", "mouseMacroKey/3": "Burst", "mouseMacroKey/5": "Other",
                                "mouseMacroKey/9": "Burst" }
            // buttons 3, 5 and 9 play the macros of their own slots
            ui_View.returns["mouseGetKeydefine"] = function(button, isRecovery) {
                return !isRecovery && [3, 5, 9].indexOf(button) >= 0 ? [4, 0, button, 0] : [0, 0, 0xF0, 0]
            }
            dropDown.added = []
            dropDown.closings = 0
            verify(sceneComponent.status === Component.Ready, sceneComponent.errorString())
            scene = createTemporaryObject(sceneComponent, host)
            dropDownReplaced = replaceDropDown(findChild(scene, "keyAssigment"))
            scene.initUI()
            scene.setProtectUI(0)
            editor = findChild(scene, "macroEditor")
            scene.openDialog(editor)
            editor.selectMacro(0)
            callLog.clear()
        }
        property bool dropDownReplaced: false
        // The key dialog's drop-down is watched through a double where the
        // dialog lets it be replaced.
        function replaceDropDown(keys) {
            try {
                keys.macroList = dropDown
            } catch (e) {
                return false
            }
            return keys.macroList === dropDown
        }
        function checkDropDown(lastNames, closings) {
            if (!dropDownReplaced)
                skip("the key dialog's drop-down cannot be replaced by a double")
            if (lastNames !== undefined)
                compare(dropDown.added[dropDown.added.length - 1], lastNames)
            if (closings !== undefined)
                compare(dropDown.closings, closings)
        }
        function sends() {
            return callLog.argsOf("ui_View.mouseSendMacroData")
        }

        function test_startUpFillsTheEditorAndTheDropDown() {
            compare(editor.names(), ["Burst", "Other"])
            checkDropDown(["Burst", "Other"])
            compare(dropDown.added.length, 1)
        }

        function test_keyNamesOfTheLanguageReachTheEditor() {
            var names = findChild(scene, "macroEditor").keyTable.names.slice()
            names[0] = "Ä"
            ui_View.langs = { "keyCode": names }
            scene = createTemporaryObject(sceneComponent, host)
            scene.initUI()
            editor = findChild(scene, "macroEditor")
            compare(editor.keyTable.keycodeTostr(0x04), "Ä")
        }

        function test_keysReachTheEditorWhileItRecordsOrInserts() {
            scene.detectKeyboard(true, 0x04)
            compare(editor.actions.texts(), ["1,A", "0,50", "2,A"])
            editor.startRecord()
            scene.detectKeyboard(true, 0x05)
            compare(editor.actions.texts(), ["1,B"])
            editor.stopRecord()
            editor.openInsertKey()
            scene.detectKeyboard(true, 0x06)
            compare(findChild(editor, "insertKey").keyName, "C")
            editor.closeInsertKey()
        }

        // Saved edits go to every button whose slot holds the macro.
        function test_editedMacroSentToItsButtons() {
            editor.currentAction = 2
            editor.insertDelay()
            compare(sends(), [[[0x00, 0x02, 0x0A, 0x04, 0x81, 0x04, 0x00, 0x00], 3],
                              [[0x00, 0x02, 0x0A, 0x04, 0x81, 0x04, 0x00, 0x00], 9]])
        }

        function test_deleteRepairsTheProfiles() {
            editor.deleteCurrentMacro()
            compare(callLog.argsOf("ui_View.deleteMacroUpdateProfile"), [["Burst"]])
            compare(callLog.argsOf("ui_View.deleteMacroIni"), [["Burst"]])
            checkDropDown(["Other"])
        }

        function test_renameGoesThroughTheStore() {
            editor.startRename(0)
            editor.finishRename(0, "Spray")
            compare(callLog.argsOf("ui_View.modifyMacroNameUpdateProfile"), [["Burst", "Spray"]])
            compare(editor.names(), ["Spray", "Other"])
            checkDropDown(["Spray", "Other"])
        }

        function test_closingClosesTheDropDown() {
            mouseClick(findChild(editor, "closeMark"))
            verify(!editor.visible)
            verify(!findChild(scene, "mask").visible)
            checkDropDown(undefined, 1)
        }

        function test_maskPressEndsEdits() {
            var list = findChild(editor, "macroList").view
            list.forceLayout()
            editor.startRename(0)
            list.itemAtIndex(0).field.input.text = "Spray"
            mouseClick(findChild(scene, "mask"), 10, 600)
            compare(editor.renameRow, -1)
            compare(editor.names(), ["Spray", "Other"])
        }
    }
}
