import QtQuick

// Recording double of the button list.
Rectangle {
    property bool isSave: false
    property int keyCount: 8
    property bool isGun: true
    property var keyTable
    property var keyMatrixLang: []
    property int oneLeftKey: -1

    signal enterBtn(int index)
    signal leaveBtn(int index)
    signal clickBtn(int index)

    function init(isSendData, isRecovery) { callLog.add("keyMatrix", "init", arguments) }
    function saveData() { callLog.add("keyMatrix", "saveData", arguments) }
    function checkOneLeftKey() { return oneLeftKey }

    width: 232
    height: 40 + 24 * keyCount + 2 * (keyCount - 1) + 8
}
