import QtQuick

// Recording double of the profile dialog, with three profiles whose
// numbers are not their row numbers.
Rectangle {
    property int profileNo: -1
    property ListModel profileModel: ListModel {
        ListElement { textValue: "Standard"; profileNumber: 0 }
        ListElement { textValue: "second"; profileNumber: 3 }
        ListElement { textValue: "third"; profileNumber: 1 }
    }
    property var profileLang: []

    signal closed()
    signal changeProfile(int profileNumber)
    signal activeProfileReplaced()

    function open() { callLog.add("profile", "open", arguments); visible = true }
    function close() { visible = false; closed() }
    function init() { callLog.add("profile", "init", arguments) }
    function profileFocus() { callLog.add("profile", "profileFocus", arguments) }

    width: 415
    height: 288
    visible: false
}
