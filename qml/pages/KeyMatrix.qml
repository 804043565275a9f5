import QtQuick
import "../basic"

// PLACEHOLDER for the button list: the interface the main screen uses,
// with no behaviour. The button-list page replaces this file wholesale.
Rectangle {
    property bool isSave: false
    property int keyCount: 8
    property bool isGun: true
    property var keyTable
    property var keyMatrixLang: ["Key ", "Key Function"]

    signal enterBtn(int index)
    signal leaveBtn(int index)
    signal clickBtn(int index)

    function init(isSendData, isRecovery) {}
    function saveData() {}
    // Index of the only plain left-button assignment, -1 when there are
    // none or several (the main screen then opens the dialog for any row).
    function checkOneLeftKey() { return -1 }

    width: 232
    height: 40 + 24 * keyCount + 2 * (keyCount - 1) + 8
    color: "#000000"
    border.color: "#3c3c3c"
}
