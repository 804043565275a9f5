import QtQuick

// Recording double of the key-assignment dialog.
Rectangle {
    id: dialog
    property bool isFireInput: false
    property bool isComboInput: false
    property bool isGun: true
    property var keyTable
    property var keyAssigmentLang: []
    property QtObject macroList: QtObject {
        function addData(names) {}
        function closeMenu() {}
    }

    signal closed()
    signal openMacroEditor()

    function open() { callLog.add("keyAssigment", "open", arguments); visible = true }
    function close() { visible = false; closed() }
    function show(index) { callLog.add("keyAssigment", "show", arguments) }
    function init() { callLog.add("keyAssigment", "init", arguments) }
    function keyCodeToString(code0, code1, code2, code3) { return "" }
    function detectKeyboard(isDown, usbCode, target) { callLog.add("keyAssigment", "detectKeyboard", arguments) }

    width: 416
    height: 404
    visible: false
}
