import QtQuick

// Recording double of the gun editor.
Rectangle {
    property int selectGun1: 0
    property int selectGun2: 1
    property int selectGun3: 2
    property bool isSave: false
    property ListModel gunNumberModel: ListModel {}
    property var gunControlLang: []

    signal closed()

    function open() { callLog.add("gunControl", "open", arguments); visible = true }
    function close() { visible = false; closed() }
    function init() { callLog.add("gunControl", "init", arguments) }
    function resetData() { callLog.add("gunControl", "resetData", arguments) }
    function loadGunData(row) {}
    function sendData(slot) {}
    function saveData(row, isAllSave) {}
    function gunControlFocus() { callLog.add("gunControl", "gunControlFocus", arguments) }

    width: 640
    height: 448
    visible: false
}
