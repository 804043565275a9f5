import QtQuick

// Recording double of the macro editor.
Rectangle {
    property bool isInputting: false
    property bool isInsertting: false
    property var keyTable
    property var macroEditorLang: []
    property var macroNames: []

    signal closed()
    signal deleteMacro(string macroName)
    signal modifyMacroName(string oldMacroName, string newMacroName)
    signal modifyMacroData(string macroName)

    function open() { callLog.add("macroEditor", "open", arguments); visible = true }
    function close() { visible = false; closed() }
    function init() { callLog.add("macroEditor", "init", arguments) }
    function sendMacro(slot, name) { callLog.add("macroEditor", "sendMacro", arguments) }
    function detectKeyboard(isDown, usbCode) { callLog.add("macroEditor", "detectKeyboard", arguments) }
    function detectInput(isDown, usbCode) { callLog.add("macroEditor", "detectInput", arguments) }
    function macroEditorFocus() { callLog.add("macroEditor", "macroEditorFocus", arguments) }

    width: 640
    height: 448
    visible: false
}
