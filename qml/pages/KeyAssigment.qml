import QtQuick
import "../basic"

// PLACEHOLDER for the key-assignment dialog: the interface the main screen
// uses, with no behaviour. The keys page replaces this file wholesale.
Rectangle {
    id: dialog

    property bool isFireInput: false
    property bool isComboInput: false
    property bool isGun: true
    property var keyTable
    property var keyAssigmentLang: []
    // The macro drop-down, filled by the macro editor.
    property QtObject macroList: QtObject {
        function addData(names) {}
        function closeMenu() {}
    }

    signal closed()
    // The "Macro Editor" button: the main screen opens the editor above.
    signal openMacroEditor()

    function open() { visible = true }
    function show(index) {}
    function init() {}
    function keyCodeToString(code0, code1, code2, code3) { return "" }
    function detectKeyboard(isDown, usbCode, target) {}

    width: 416
    height: 404
    visible: false
    color: "#1a1a1a"
    border.color: "#3c3c3c"

    DialogTitle {
        title: "Key"
        onCloseClicked: { dialog.visible = false; dialog.closed() }
    }
}
