import QtQuick
import "../basic"

// PLACEHOLDER for the DPI panel: the interface the main screen uses, with
// no behaviour. The performance page replaces this file wholesale.
Rectangle {
    // 0-based active stage, -1 for none.
    property int currentDPI: 0
    property bool isSave: false
    property bool isColorful: false
    property var dpiSettingLang: []
    // The stage-count drop-down, closed by the main screen.
    property QtObject dpiSegment: QtObject { function closeMenu() {} }

    function init(isSendData, isRecovery) {}
    function saveData(isSendData) {}
    function dpiValueProc(stage, position, isSendData) {}

    width: 232
    height: 256
    color: "#000000"
    border.color: "#3c3c3c"
}
