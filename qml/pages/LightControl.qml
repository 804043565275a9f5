import QtQuick
import "../basic"

// PLACEHOLDER for the lighting panel: the interface the main screen uses,
// with no behaviour. The lighting page replaces this file wholesale.
Rectangle {
    property bool isSave: false
    property bool isColorful: false
    property bool is55328: false
    property var lightControlLang: []
    // The effect drop-down, closed by the main screen.
    property QtObject lightModel: QtObject { function closeMenu() {} }

    function init(isSendData, isRecovery) {}
    function saveData(isSendData, step) {}
    function lightControlFocus() {}

    width: 232
    height: 264
    color: "#000000"
    border.color: "#3c3c3c"
}
