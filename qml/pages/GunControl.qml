import QtQuick
import "../basic"

// PLACEHOLDER for the gun editor: the interface the main screen uses, with
// no behaviour. The gun page replaces this file wholesale.
Rectangle {
    id: dialog

    property int selectGun1: 0
    property int selectGun2: 1
    property int selectGun3: 2
    property bool isSave: false
    property ListModel gunNumberModel: ListModel {}
    property var gunControlLang: []

    signal closed()

    function open() { visible = true }
    function init() {}
    function resetData() {}
    function loadGunData(row) {}
    function sendData(slot) {}
    function saveData(row, isAllSave) {}
    function gunControlFocus() {}

    width: 640
    height: 448
    visible: false
    color: "#1a1a1a"
    border.color: "#3c3c3c"

    DialogTitle {
        title: "Gun editor"
        onCloseClicked: { dialog.visible = false; dialog.closed() }
    }
}
