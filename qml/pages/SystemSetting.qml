import QtQuick
import "../basic"

// PLACEHOLDER for the system-setting dialog: the interface the main screen
// uses, with no behaviour. The performance page replaces this file wholesale.
Rectangle {
    id: dialog

    property var systemSettingLang: []

    signal closed()

    function open() { visible = true }
    function init(isSendData, isRecovery) {}
    function saveData(isSendData, step) {}
    function systemSettingFocus() {}

    width: 416
    height: 312
    visible: false
    color: "#1a1a1a"
    border.color: "#3c3c3c"

    DialogTitle {
        title: "System Setting"
        onCloseClicked: { dialog.visible = false; dialog.closed() }
    }
}
