import QtQuick
import "../basic"

// PLACEHOLDER for the profile dialog: the interface the main screen uses,
// with no behaviour. The profile page replaces this file wholesale.
Rectangle {
    id: dialog

    // Active profile number; the main screen sets it at start-up.
    property int profileNo: -1
    // Rows of the list, shared with the top-bar selector: the shown name in
    // "textValue", the profile number (0-5) in "profileNumber".
    property ListModel profileModel: ListModel {}
    property var profileLang: ["config", "New", "Import", "Delete", "Export", "Standard"]

    signal closed()
    signal changeProfile(int profileNumber)

    function open() { visible = true }
    function init() {}
    function profileFocus() {}

    width: 415
    height: 288
    visible: false
    color: "#1a1a1a"
    border.color: "#3c3c3c"

    DialogTitle {
        title: "config"
        onCloseClicked: { dialog.visible = false; dialog.closed() }
    }
}
