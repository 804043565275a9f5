import QtQuick
import "../basic"

// PLACEHOLDER for the macro editor: the interface the main screen uses,
// with no behaviour. The macro page replaces this file wholesale.
Rectangle {
    id: dialog

    property bool isInputting: false
    property bool isInsertting: false
    property var keyTable
    property var macroEditorLang: []

    signal closed()
    signal deleteMacro(string macroName)
    signal modifyMacroName(string oldMacroName, string newMacroName)
    signal modifyMacroData(string macroName)

    function open() { visible = true }
    function init() {}
    function sendMacro(slot, name) {}
    function detectKeyboard(isDown, usbCode) {}
    function detectInput(isDown, usbCode) {}
    function macroEditorFocus() {}

    width: 640
    height: 448
    visible: false
    color: "#1a1a1a"
    border.color: "#3c3c3c"

    DialogTitle {
        title: "Macro Editor"
        onCloseClicked: { dialog.visible = false; dialog.closed() }
    }
}
